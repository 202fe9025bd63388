#include "app/flow_layout.h"

#include <QWidget>

namespace app {

FlowLayout::FlowLayout(QWidget* parent, int hSpacing, int vSpacing)
    : QLayout(parent), hSpacing_(hSpacing), vSpacing_(vSpacing) {}

FlowLayout::~FlowLayout() {
  while (QLayoutItem* item = takeAt(0)) delete item;
}

void FlowLayout::addItem(QLayoutItem* item) {
  items_.append(item);
}

QLayoutItem* FlowLayout::takeAt(int index) {
  return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

QSize FlowLayout::minimumSize() const {
  QSize size;
  for (const QLayoutItem* item : items_) size = size.expandedTo(item->minimumSize());
  const QMargins m = contentsMargins();
  return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize FlowLayout::sizeHint() const {
  int width = 0, height = 0;
  for (const QLayoutItem* item : items_) {
    width += item->sizeHint().width() + (width > 0 ? hSpacing_ : 0);
    height = std::max(height, item->sizeHint().height());
  }
  const QMargins m = contentsMargins();
  return {width + m.left() + m.right(), height + m.top() + m.bottom()};
}

void FlowLayout::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  Arrange(rect, true);
}

int FlowLayout::Arrange(const QRect& rect, bool place) const {
  const QRect area = rect.marginsRemoved(contentsMargins());
  struct Line {
    QList<QLayoutItem*> items;
    int height = 0;
  };
  QList<Line> lines(1);
  int x = area.x();
  for (QLayoutItem* item : items_) {
    if (item->isEmpty()) continue;
    const QSize hint = item->sizeHint().expandedTo(item->minimumSize());
    if (x > area.x() && x + hint.width() > area.right() + 1) {
      lines.append(Line{});
      x = area.x();
    }
    lines.last().items.append(item);
    lines.last().height = std::max(lines.last().height, hint.height());
    x += hint.width() + hSpacing_;
  }
  int y = area.y();
  for (const Line& line : lines) {
    x = area.x();
    for (QLayoutItem* item : line.items) {
      const QSize hint = item->sizeHint().expandedTo(item->minimumSize());
      // Centred in the line, so labels sit level with the fields beside them.
      if (place) item->setGeometry(QRect(QPoint(x, y + (line.height - hint.height()) / 2), hint));
      x += hint.width() + hSpacing_;
    }
    y += line.height + vSpacing_;
  }
  return y - vSpacing_ - rect.y() + contentsMargins().bottom();
}

}  // namespace app
