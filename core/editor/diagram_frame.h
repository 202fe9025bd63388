#pragma once

#include <array>

#include "core/editor/curves.h"

// Where a curve diagram's parts lie, in whole pixels, for the strip and for printed pages.
// Rectangles run from left/top up to, not including, right/bottom.

namespace core {

struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  bool operator==(const PixelRect&) const = default;
};

struct PixelPoint {
  int x = 0, y = 0;
  bool operator==(const PixelPoint&) const = default;
};

/// A grid line from (x1, y1) to (x2, y2), both ends inside the plot area.
struct GridLine {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool dotted = false;
};

inline constexpr int kGridLineCount = 16;

struct DiagramFrame {
  PixelRect area;    // the whole diagram, labels included
  PixelRect plot;    // white, with a black border
  PixelRect xLabel;  // the bottom margin under the plot area; the label is centred in it
  PixelRect yLabel;  // the left margin beside the plot area; the label reads upwards, centred
  std::array<GridLine, kGridLineCount> grid{};  // solid lines first, then the dotted ones
};

/// Frame of a diagram in rectangle r: the plot area leaves a tenth of r on the left and bottom.
DiagramFrame MakeDiagramFrame(const PixelRect& r);

/// Pixel column of stick position x (-100..100) in the plot area.
constexpr int PlotColumn(const PixelRect& plot, int x) {
  return plot.left + plot.Width() / 2 + plot.Width() * x / 200;
}

/// Pixel row of value y in percent: 100 and -100 fall on the grid lines at 1/10 and 9/10.
constexpr int PlotRow(const PixelRect& plot, int y) {
  return plot.top + plot.Height() / 2 - plot.Height() * y / 250;
}

using CurvePixels = std::array<PixelPoint, kCurvePoints>;

/// The 81 pixels of a curve; a nine-point curve lies one pixel further right.
CurvePixels PlotCurve(const PixelRect& plot, const DrawnCurve& curve);

/// Rectangle of the k-th (0-based) diagram of the strip, each 118 pixels right of the last.
constexpr PixelRect StripDiagramRect(int k) { return {2 + 118 * k, 2, 120 + 118 * k, 118}; }

}  // namespace core
