#include "app/editor/parameter_grid.h"

#include <QHeaderView>
#include <QScrollBar>

#include "app/editor/grid_delegate.h"
#include "app/editor/grid_model.h"

namespace app {

namespace {

constexpr int kMaxFixedLines = 4;  // the fill has at most two; sections beyond are never hidden

int RowHeight(const QWidget* w) {
  return std::max(16, w->fontMetrics().height() + 4);
}

}  // namespace

QTableView* ParameterGrid::MakePane() {
  auto* pane = new QTableView(this);
  pane->setModel(model_);
  pane->setItemDelegate(delegate_);
  pane->horizontalHeader()->hide();
  pane->verticalHeader()->hide();
  pane->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  pane->verticalHeader()->setDefaultSectionSize(RowHeight(this));
  pane->setFrameShape(QFrame::NoFrame);
  pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  pane->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);  // follows the view's offset
  pane->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  pane->setFocusPolicy(Qt::NoFocus);
  pane->setSelectionMode(QAbstractItemView::NoSelection);
  pane->setEditTriggers(QAbstractItemView::NoEditTriggers);
  pane->setAttribute(Qt::WA_TransparentForMouseEvents);
  pane->setWordWrap(false);
  return pane;
}

ParameterGrid::ParameterGrid(QWidget* parent)
    : QTableView(parent),
      model_(new GridModel(this)),
      delegate_(new GridDelegate(*model_, this)),
      corner_(MakePane()),
      left_(MakePane()),
      top_(MakePane()) {
  setObjectName("ParameterStringGrid");
  setModel(model_);
  setItemDelegate(delegate_);
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);  // user-resizable columns
  horizontalHeader()->setDefaultSectionSize(120);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(RowHeight(this));
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
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &ParameterGrid::SyncPanes);
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &ParameterGrid::SyncPanes);
}

// By pixels: at its last position the view aligns the last column to its right edge.
void ParameterGrid::SyncPanes() {
  top_->horizontalScrollBar()->setValue(horizontalHeader()->offset());
  left_->verticalScrollBar()->setValue(verticalHeader()->offset());
}

void ParameterGrid::ApplyFixedLines() {
  const core::GridFill& g = model_->Fill();
  for (int i = 0; i < kMaxFixedLines; ++i) {
    if (i < g.cols) {
      setColumnHidden(i, i < g.fixedCols);
      top_->setColumnHidden(i, i < g.fixedCols);
    }
    if (i < g.rows) {
      setRowHidden(i, i < g.fixedRows);
      left_->setRowHidden(i, i < g.fixedRows);
    }
  }
  for (int col = 0; col < g.cols; ++col) {
    const int w = g.widths[static_cast<std::size_t>(col)];
    setColumnWidth(col, w);
    top_->setColumnWidth(col, w);
    if (col < g.fixedCols) {
      left_->setColumnWidth(col, w);
      corner_->setColumnWidth(col, w);
    }
  }
  updateGeometries();
}

void ParameterGrid::updateGeometries() {
  const core::GridFill& g = model_->Fill();
  int fixedWidth = 0, fixedHeight = 0;
  for (int col = 0; col < g.fixedCols && col < g.cols; ++col)
    fixedWidth += g.widths[static_cast<std::size_t>(col)];
  for (int row = 0; row < g.fixedRows && row < g.rows; ++row) fixedHeight += RowHeight(this);
  setViewportMargins(fixedWidth, fixedHeight, 0, 0);
  QTableView::updateGeometries();
  const QRect v = viewport()->geometry();
  corner_->setGeometry(v.left() - fixedWidth, v.top() - fixedHeight, fixedWidth, fixedHeight);
  left_->setGeometry(v.left() - fixedWidth, v.top(), fixedWidth, v.height());
  top_->setGeometry(v.left(), v.top() - fixedHeight, v.width(), fixedHeight);
  for (QTableView* pane : {corner_, left_, top_})
    pane->setVisible(pane->width() > 0 && pane->height() > 0);
  SyncPanes();
}

const core::GridFill& ParameterGrid::Fill() const {
  return model_->Fill();
}

void ParameterGrid::Refill(core::GridFill fill) {
  const QPoint current = CurrentCell();
  const bool updates = updatesEnabled();
  setUpdatesEnabled(false);
  model_->SetFill(std::move(fill));
  const core::GridFill& g = model_->Fill();
  ApplyFixedLines();
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

QRect ParameterGrid::CellRect(int col, int row) const {
  return visualRect(model_->index(row, col));
}

}  // namespace app
