#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/editor/condition_colour.h"
#include "core/editor/layout.h"
#include "core/store/record.h"

// The whole fill of the parameter grid as one computation of (memory, menu, version, ticks):
// counts, texts, widths, the cell map and every cell's state. The window only renders it.

namespace core {

/// How a grid cell is drawn; the letters of `veltrano-cli grid`.
enum class CellLook : char {
  Fixed = 'F',  // header or label cell
  Empty = 'E',  // data cell without text: button-face grey
  Cyan = 'C',   // value of a flight condition not in use
  Grey = 'G',   // default value
  White = 'W',  // ordinary value
};

struct GridFill {
  const MdlMenuTyp* menu = nullptr;  // none: the caption is no menu code, the grid stays as it was
  std::string title;                 // MenuTitle of the caption
  StringGridInfoTyp layout;
  bool parametersAsRows = true;
  int cols = 0, rows = 0, fixedCols = 0, fixedRows = 0;
  std::vector<std::string> texts;          // rows x cols, row by row
  std::vector<int> widths;                 // pixels per grid column
  std::vector<int> cellMap;                // layout column x 256 + layout row, 0 for no value
  std::vector<std::int8_t> states;         // CellState: 0 condition not in use, 1 normal, 2 default
  std::vector<std::int8_t> textCondition;  // header colour: condition 0..4, -1 black
  std::vector<bool> separatorBelow;        // per grid row: two black lines at its bottom

  bool Contains(int col, int row) const { return col >= 0 && row >= 0 && col < cols && row < rows; }
  /// A cell inside the counts and outside the fixed rows and columns.
  bool IsDataCell(int col, int row) const {
    return Contains(col, row) && col >= fixedCols && row >= fixedRows;
  }
  const std::string& Text(int col, int row) const;
  void SetText(int col, int row, std::string text);
  int CellMapEntry(int col, int row) const;
  /// Layout cell shown at the grid cell; nullptr when none.
  const LayoutCell* LayoutCellAt(int col, int row) const;
  /// 1 outside the cell map, else by the cell's flight condition.
  int CellState(int col, int row) const;
  CellLook Look(int col, int row) const;
  std::size_t Index(int col, int row) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols) +
           static_cast<std::size_t>(col);
  }
};

/// Widths of grid columns 0..9 of the menus that have fixed widths; nullptr for the others.
const int* FixedColumnWidths(int menuId);

/// Fills the grid for the menu whose code is the tab caption.
GridFill FillGrid(std::string_view tabCaption, const ModellSpeicherTyp* mem, int version,
                  GridOptions options);

/// Re-reads the value texts of an existing fill (after an edit that changed only values).
void RefreshValueTexts(GridFill& fill, const ModellSpeicherTyp* mem, int version);


}  // namespace core
