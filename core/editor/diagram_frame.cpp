#include "core/editor/diagram_frame.h"

namespace core {

namespace {

GridLine Vertical(const PixelRect& p, int x, bool dotted) {
  return {x, p.top, x, p.bottom - 1, dotted};
}

GridLine Horizontal(const PixelRect& p, int y, bool dotted) {
  return {p.left, y, p.right - 1, y, dotted};
}

}  // namespace

DiagramFrame MakeDiagramFrame(const PixelRect& r) {
  DiagramFrame f;
  f.area = r;
  f.plot = {r.left + r.Width() / 10, r.top, r.right, r.bottom - r.Height() / 10};
  const PixelRect& p = f.plot;
  f.xLabel = {p.left, p.bottom, p.right, r.bottom};
  f.yLabel = {r.left, p.top, p.left, p.bottom};
  const int w = p.Width();
  const int h = p.Height();
  std::size_t n = 0;
  f.grid[n++] = Vertical(p, p.left + w / 2, false);
  f.grid[n++] = Horizontal(p, p.top + h / 2, false);
  f.grid[n++] = Horizontal(p, p.top + h / 10, false);
  f.grid[n++] = Horizontal(p, p.top + h * 9 / 10, false);
  for (int k : {1, 2, 3, 5, 6, 7}) f.grid[n++] = Vertical(p, p.left + w * k / 8, true);
  for (int k : {2, 3, 4, 6, 7, 8}) f.grid[n++] = Horizontal(p, p.top + h * k / 10, true);
  return f;
}

CurvePixels PlotCurve(const PixelRect& plot, const DrawnCurve& curve) {
  CurvePixels pixels{};
  const int shift = curve.ninePoint ? 1 : 0;
  for (int i = 0; i < kCurvePoints; ++i) {
    const auto u = static_cast<std::size_t>(i);
    pixels[u] = {PlotColumn(plot, CurveX(i)) + shift, PlotRow(plot, curve.y[u])};
  }
  return pixels;
}

}  // namespace core
