#include "core/print/page_geometry.h"

#include <cmath>

#include "core/print/print_pages.h"

namespace core {

int PageWidthOfHeight(int h) {
  return static_cast<int>(static_cast<double>(h) * std::sqrt(2.0) / 2.0);
}

PageMetrics MakePageMetrics(int h) {
  PageMetrics m;
  m.height = h;
  m.width = PageWidthOfHeight(h);
  m.top = 2 * h / 29;
  m.bottom = h - h / 29;
  m.left = m.width / 20;
  m.right = m.width - m.width / 20;
  m.lineHeight = (m.bottom - m.top) / kPrintLines;
  m.columnUnit = (m.right - m.left) / 8;
  m.fontHeight = 3 * m.lineHeight / 4;
  m.titleFontHeight = 2 * m.lineHeight;
  return m;
}

int CellLeft(const PageMetrics& m, int c) {
  return c <= 1 ? m.left : m.left + (c * m.columnUnit);
}

int CellWidth(const PageMetrics& m, int c) { return c <= 1 ? 2 * m.columnUnit : m.columnUnit; }

PageRect CellBox(const PageMetrics& m, int slot, int c) {
  const int x = CellLeft(m, c);
  const int y = LineTop(m, slot);
  return {x - 1, y - 1, x + CellWidth(m, c), y + m.lineHeight};
}

PagePoint CellText(const PageMetrics& m, int slot, int c) {
  return {CellLeft(m, c) + m.columnUnit / 30, LineTop(m, slot) + m.lineHeight / 8 - 1};
}

PageRect DiagramBox(const PageMetrics& m, int slot, int c) {
  const int x = CellLeft(m, c);
  const int w = CellWidth(m, c);
  const int y = LineTop(m, slot);
  return {x - 1 - w / 20, y - 1 + m.lineHeight / 2, x + w - w / 20, y + 5 * m.lineHeight};
}

PagePoint DualRateLabel(const PageMetrics& m, int slot) {
  return {m.left + m.columnUnit, LineTop(m, slot) + 2 * m.lineHeight};
}

PagePoint HeaderName(const PageMetrics& m) { return {m.left, m.top - 2 * m.lineHeight}; }

PageRect PreviewPicture(int panelWidth, int panelHeight) {
  const int h = panelHeight - 8;
  const int w = PageWidthOfHeight(h);
  const int left = (panelWidth - w) / 2;
  return {left, 4, left + w, 4 + h};
}

}  // namespace core
