#pragma once

#include <QStyledItemDelegate>
#include <functional>

namespace app {

class GridModel;

/// Draws the grid's colours: condition colours in the headers, light cyan for conditions not
/// in use, button-face grey for defaults and empty cells, separator lines; nothing over the
/// cell the value editor is open on.
class GridDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  GridDelegate(const GridModel& model, QObject* parent);
  /// The cell the value editor is open on (-1, -1 none).
  void SetEditorCell(int col, int row) { editorCol_ = col, editorRow_ = row; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  const GridModel& model_;
  int editorCol_ = -1, editorRow_ = -1;
};

}  // namespace app
