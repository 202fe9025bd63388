#include "app/editor/grid_delegate.h"

#include <QApplication>
#include <QPainter>

#include "app/editor/grid_model.h"

namespace app {

namespace {

QColor Rgb(core::ConditionRgb c) { return QColor(c.r, c.g, c.b); }

}  // namespace

GridDelegate::GridDelegate(const GridModel& model, QObject* parent)
    : QStyledItemDelegate(parent), model_(model) {}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
  const core::GridFill& g = model_.Fill();
  const int col = index.column(), row = index.row();
  const QRect r = option.rect;
  const QColor buttonFace = option.palette.color(QPalette::Button);
  const QString text = QString::fromStdString(g.Text(col, row));
  const QRect textRect = r.adjusted(2, 0, -2, 0);
  const int align = Qt::AlignLeft | Qt::AlignVCenter;

  painter->save();
  switch (g.Look(col, row)) {
    case core::CellLook::Fixed: {
      painter->fillRect(r, buttonFace);
      const int condition = g.textCondition.empty() ? -1 : g.textCondition[g.Index(col, row)];
      painter->setPen(condition >= 0 ? Rgb(core::ConditionColour(condition))
                                     : option.palette.color(QPalette::ButtonText));
      painter->drawText(textRect, align, text);
      break;
    }
    case core::CellLook::Empty:
      painter->fillRect(r, buttonFace);
      break;
    case core::CellLook::Cyan:
    case core::CellLook::Grey:
    case core::CellLook::White: {
      // The cell the value editor is open on is drawn plain, whatever its state.
      const bool plain =
          g.Look(col, row) == core::CellLook::White || (col == editorCol_ && row == editorRow_);
      const bool selected = option.state & QStyle::State_Selected;
      QColor fill = plain ? option.palette.color(QPalette::Base)
                    : g.Look(col, row) == core::CellLook::Cyan ? Rgb(core::kLightCyan)
                                                               : buttonFace;
      if (selected) fill = option.palette.color(QPalette::Highlight);
      painter->fillRect(r, fill);
      painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
      painter->drawText(textRect, align, text);
      break;
    }
  }
  if (row < static_cast<int>(g.separatorBelow.size()) &&
      g.separatorBelow[static_cast<std::size_t>(row)]) {
    painter->setPen(Qt::black);
    painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    painter->drawLine(r.left(), r.bottom() - 1, r.right(), r.bottom() - 1);
  }
  painter->restore();
}

}  // namespace app
