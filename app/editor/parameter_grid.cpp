#include "app/editor/parameter_grid.h"

#include <QHeaderView>
#include <QScrollBar>

#include "app/editor/grid_delegate.h"
#include "app/editor/grid_model.h"

namespace app {

ParameterGrid::ParameterGrid(QWidget* parent)
    : QTableView(parent), model_(new GridModel(this)), delegate_(new GridDelegate(*model_, this)) {
  setObjectName("ParameterStringGrid");
  setModel(model_);
  setItemDelegate(delegate_);
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);  // user-resizable columns
  horizontalHeader()->setDefaultSectionSize(120);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(std::max(16, fontMetrics().height() + 4));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                  QAbstractItemView::EditKeyPressed);
  setTabKeyNavigation(true);
  setWordWrap(false);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &ParameterGrid::Scrolled);
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &ParameterGrid::Scrolled);
}

const core::GridFill& ParameterGrid::Fill() const { return model_->Fill(); }

void ParameterGrid::Refill(core::GridFill fill) {
  const QPoint current = CurrentCell();
  const bool updates = updatesEnabled();
  setUpdatesEnabled(false);
  model_->SetFill(std::move(fill));
  const core::GridFill& g = model_->Fill();
  for (int col = 0; col < g.cols; ++col) setColumnWidth(col, g.widths[static_cast<std::size_t>(col)]);
  if (g.IsDataCell(current.x(), current.y()))
    SetCurrentCell(current.x(), current.y());
  else if (g.IsDataCell(g.fixedCols, g.fixedRows))
    SetCurrentCell(g.fixedCols, g.fixedRows);
  setUpdatesEnabled(updates);
}

QPoint ParameterGrid::CurrentCell() const {
  const QModelIndex i = currentIndex();
  return i.isValid() ? QPoint(i.column(), i.row()) : QPoint(-1, -1);
}

void ParameterGrid::SetCurrentCell(int col, int row) {
  const QModelIndex i = model_->index(row, col);
  if (i.isValid()) setCurrentIndex(i);
}

QRect ParameterGrid::CellRect(int col, int row) const { return visualRect(model_->index(row, col)); }

}  // namespace app
