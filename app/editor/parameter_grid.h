#pragma once

#include <QTableView>

#include "core/editor/gridfill.h"

namespace app {

class GridDelegate;
class GridModel;

/// `ParameterStringGrid`: the table that shows a menu's values; headers are cells of their own,
/// as the fill lays them out. The fixed rows and columns stay in place while the values scroll
/// (three panes over the same model in the view's margins).
class ParameterGrid : public QTableView {
  Q_OBJECT

 public:
  explicit ParameterGrid(QWidget* parent = nullptr);

  GridModel& Model() const { return *model_; }
  GridDelegate& Delegate() const { return *delegate_; }
  const core::GridFill& Fill() const;
  /// Shows a new fill: counts, texts and column widths; the current cell is kept when it is
  /// still a data cell.
  void Refill(core::GridFill fill);
  /// The grid's current cell (column, row); -1, -1 without one.
  QPoint CurrentCell() const;
  void SetCurrentCell(int col, int row);
  /// Rectangle of a cell in the viewport's coordinates.
  QRect CellRect(int col, int row) const;

 protected:
  void updateGeometries() override;

 signals:
  /// The top-left visible cell changed (scrolling).
  void Scrolled();

 private:
  QTableView* MakePane();
  void ApplyFixedLines();
  void SyncPanes();

  GridModel* model_;
  GridDelegate* delegate_;
  QTableView* corner_;
  QTableView* left_;  // fixed columns beside the scrolling rows
  QTableView* top_;   // fixed rows above the scrolling columns
};

}  // namespace app
