#pragma once

#include <QAbstractTableModel>
#include <functional>

#include "core/editor/gridfill.h"

namespace app {

/// The parameter grid's table: renders a core::GridFill. Texts typed into a cell stay in the
/// grid's text until the value editor commits them.
class GridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  /// Replaces the whole fill (a refill of the grid).
  void SetFill(core::GridFill fill);
  /// Empties the grid (no model memory).
  void Clear();
  const core::GridFill& Fill() const { return fill_; }
  /// Sets one cell's text and repaints it.
  void SetCellText(int col, int row, const std::string& text);
  /// Re-reads every value text (after a change that kept the structure) and repaints.
  void RefreshValues(const core::ModellSpeicherTyp* mem, int version);
  /// Called after the in-place editor wrote a text into a cell.
  void SetTypedHandler(std::function<void(int col, int row)> handler) {
    typed_ = std::move(handler);
  }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  core::GridFill fill_;
  std::function<void(int, int)> typed_;
};

}  // namespace app
