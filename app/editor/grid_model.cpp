#include "app/editor/grid_model.h"

namespace app {

void GridModel::SetFill(core::GridFill fill) {
  beginResetModel();
  fill_ = std::move(fill);
  endResetModel();
}

void GridModel::Clear() {
  SetFill(core::GridFill{});
}

void GridModel::SetCellText(int col, int row, const std::string& text) {
  if (!fill_.Contains(col, row)) return;
  fill_.SetText(col, row, text);
  const QModelIndex i = index(row, col);
  emit dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
}

void GridModel::RefreshValues(const core::ModellSpeicherTyp* mem, int version) {
  if (fill_.rows == 0) return;
  core::RefreshValueTexts(fill_, mem, version);
  emit dataChanged(index(0, 0), index(fill_.rows - 1, fill_.cols - 1), {Qt::DisplayRole});
}

int GridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : fill_.rows;
}

int GridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : fill_.cols;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  return QString::fromStdString(fill_.Text(index.column(), index.row()));
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  const int col = index.column(), row = index.row();
  const std::string text = value.toString().toStdString();
  if (text == fill_.Text(col, row)) return true;  // the editor closed without a change
  fill_.SetText(col, row, text);
  emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
  if (typed_) typed_(col, row);
  return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  if (!fill_.IsDataCell(index.column(), index.row())) return Qt::ItemIsEnabled;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

}  // namespace app
