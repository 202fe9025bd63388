#include "app/model_tree_view.h"

#include <QHeaderView>

namespace app {

ModelTreeView::ModelTreeView(QWidget* parent) : QTreeWidget(parent) {
  setObjectName("MainTreeView");
  setAccessibleName("Modellspeicher");
  setColumnCount(1);
  header()->hide();
  setSelectionMode(QAbstractItemView::SingleSelection);
  setIconSize(QSize(16, 16));
  setUniformRowHeights(true);
  // Long node texts scroll sideways instead of ending in "…".
  setTextElideMode(Qt::ElideNone);
  header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  header()->setStretchLastSection(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  // Expanding or collapsing a node selects it, as the mouse handler then reads the selection.
  connect(this, &QTreeWidget::itemExpanded, this,
          [this](QTreeWidgetItem* item) { setCurrentItem(item); });
  connect(this, &QTreeWidget::itemCollapsed, this,
          [this](QTreeWidgetItem* item) { setCurrentItem(item); });
}

void ModelTreeView::mousePressEvent(QMouseEvent* event) {
  QTreeWidget::mousePressEvent(event);
  emit MousePressed();
}

void ModelTreeView::mouseReleaseEvent(QMouseEvent* event) {
  QTreeWidget::mouseReleaseEvent(event);
  emit MouseReleased();
}

}  // namespace app
