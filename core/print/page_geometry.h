#pragma once

// Where the parts of a printed page lie, in device pixels of the canvas, for a page height H.
// Rectangles run from left/top up to, not including, right/bottom.

namespace core {

struct PageRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const PageRect&) const = default;
};

struct PagePoint {
  int x = 0, y = 0;
  bool operator==(const PagePoint&) const = default;
};

struct PageMetrics {
  int height = 0;      // H
  int width = 0;       // H x sqrt(2) / 2, truncated
  int top = 0;         // 2H / 29: the first line slot's top is top + L
  int bottom = 0;      // H - H / 29
  int left = 0;        // W / 20
  int right = 0;       // W - W / 20
  int lineHeight = 0;  // L: (bottom - top) / 59
  int columnUnit = 0;  // U: (right - left) / 8; the first column is 2U wide, six more U each
  int fontHeight = 0;       // 3L / 4, the character height of all text but the name
  int titleFontHeight = 0;  // 2L, the memory's name
};

/// Metrics of a page drawn at height h (device pixels).
PageMetrics MakePageMetrics(int h);

/// Page width of a page height: h x sqrt(2) / 2, truncated.
int PageWidthOfHeight(int h);

/// Top of line slot 1..59.
inline int LineTop(const PageMetrics& m, int slot) { return m.top + slot * m.lineHeight; }

/// Left edge and width of table cell c (1..7).
int CellLeft(const PageMetrics& m, int c);
int CellWidth(const PageMetrics& m, int c);

/// The bordered box of cell c in slot: one pixel up and left of the cell, one line high.
PageRect CellBox(const PageMetrics& m, int slot, int c);
/// Top-left of the cell's text.
PagePoint CellText(const PageMetrics& m, int slot, int c);

/// The box of the diagram in column c (2..6, condition c - 2) of a diagram row in slot; it
/// reaches five lines down.
PageRect DiagramBox(const PageMetrics& m, int slot, int c);
/// Top-left of the "Dual-Rate n:" label of a D/R diagram row in slot.
PagePoint DualRateLabel(const PageMetrics& m, int slot);

/// Header: the name's top-left, and the right edge and tops of the three right-aligned lines
/// ("Seite: n", the file name, "erstellt am ...").
PagePoint HeaderName(const PageMetrics& m);
inline int HeaderRight(const PageMetrics& m) { return m.right; }
inline int HeaderLineTop(const PageMetrics& m, int i) { return m.top - (2 - i) * m.lineHeight; }

/// Where the preview picture lies in a panel: height panel height - 8, centred, 4 from the top.
PageRect PreviewPicture(int panelWidth, int panelHeight);

}  // namespace core
