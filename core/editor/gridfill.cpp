#include "core/editor/gridfill.h"

#include <algorithm>

#include "core/model/access.h"
#include "core/model/names.h"
#include "core/model/partab.h"
#include "core/model/valuelist.h"
#include "core/util/text.h"

namespace core {

namespace {

struct WidthRow {
  int menuId;
  int widths[10];
};

// clang-format off
constexpr WidthRow kWidthTable[] = {
    {3,   {152, 96, 96, 96, 96, 96, 96, 96, 96, 96}},    // TIMR
    {9,   {80, 96, 96, 96, 96, 96, 96, 96, 96, 96}},     // MxSW
    {13,  {104, 96, 96, 96, 96, 96, 96, 96, 96, 96}},    // MxTY
    {14,  {64, 72, 120, 112, 112, 128, 56, 72, 128, 120}},  // ATV
    {15,  {64, 72, 128, 120, 56, 128, 120, 120, 120, 120}}, // AFR
    {16,  {168, 96, 96, 96, 96, 96, 96, 96, 96, 96}},    // D/R
    {27,  {64, 80, 80, 80, 80, 80, 80, 80, 80, 80}},     // MULT
    {28,  {96, 112, 112, 112, 112, 112, 112, 112, 112, 112}},  // PARA
    {35,  {112, 112, 80, 80, 80, 80, 112, 112, 112, 112}},  // CHSW
    {40,  {128, 96, 96, 96, 96, 96, 96, 96, 96, 96}},    // PMX1
    {41,  {128, 96, 96, 96, 96, 96, 96, 96, 96, 96}},    // PMX2
    {42,  {128, 96, 96, 96, 96, 96, 96, 96, 96, 96}},    // PMX3
    {43,  {128, 96, 96, 96, 96, 96, 96, 96, 96, 96}},    // PMX4
    {44,  {128, 96, 96, 96, 96, 96, 96, 96, 96, 96}},    // PMX5
    {45,  {128, 96, 96, 96, 96, 96, 96, 96, 96, 96}},    // PMX6
    {50,  {96, 80, 80, 80, 80, 80, 80, 80, 80, 80}},     // MTRM
    {51,  {72, 88, 48, 48, 64, 64, 88, 88, 88, 88}},     // SBTr
    {56,  {112, 80, 80, 80, 80, 80, 80, 80, 80, 80}},    // DIFF
    {57,  {112, 80, 80, 80, 80, 80, 80, 80, 80, 80}},    // VTAL
    {61,  {128, 96, 96, 96, 96, 96, 96, 96, 96, 96}},    // ABRK
    {63,  {96, 96, 96, 96, 96, 96, 96, 96, 96, 96}},     // TRM2
    {66,  {88, 88, 48, 48, 64, 64, 88, 88, 88, 88}},     // NTRM
    {72,  {120, 96, 96, 96, 96, 96, 96, 96, 96, 96}},    // BUTT
    {73,  {112, 96, 96, 96, 96, 96, 96, 96, 96, 96}},    // BUTm
    {74,  {64, 56, 48, 48, 64, 64, 64, 64, 64, 64}},     // SPTr
    {76,  {136, 96, 96, 96, 96, 96, 96, 96, 96, 96}},    // AILE
    {77,  {128, 96, 96, 96, 96, 96, 96, 96, 96, 96}},    // ELEV
    {79,  {128, 80, 80, 80, 80, 80, 80, 80, 80, 80}},    // MxVR
    {162, {96, 96, 96, 96, 96, 96, 96, 96, 96, 96}},     // TRM1
    {175, {128, 96, 96, 96, 96, 96, 96, 96, 96, 96}},    // SFLP
};
// clang-format on
static_assert(sizeof(kWidthTable) / sizeof(kWidthTable[0]) == 30);

constexpr int kDefaultColumnWidth = 140;

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

// Separator under a grid row, decided from the first-column texts of it and the next row.
bool Separates(std::string_view caption, std::string_view here, std::string_view next,
               std::string_view condition0) {
  if (caption == "TIMR") return StartsWith(here, "TIMER 1") && StartsWith(next, "TIMER 2");
  if (caption == "D/R")
    return (StartsWith(here, "D/R1") && StartsWith(next, "D/R2")) ||
           (StartsWith(here, "D/R2") && StartsWith(next, "D/R3"));
  if (caption == "ATV" || caption == "AFR")
    return here.find(condition0) == std::string_view::npos && StartsWith(next, condition0);
  return false;
}

// Characters a cell needs for the automatic width.
int WidthChars(const GridFill& g, int col, int row, const ModellSpeicherTyp* mem, int version) {
  const std::string& text = g.Text(col, row);
  const int length = static_cast<int>(Utf8Length(text));
  const LayoutCell* cell = g.LayoutCellAt(col, row);
  if (cell == nullptr) return length;
  const int k = FindParameter(cell->Address, cell->Bit, mem, version);
  if (k == 0 || !HasValueList(k)) return length;
  const MemApplMapTyp& def = ParamDef(k);
  const int listWidth = ValueListWidth(def.formula, ConditionOfAddress(cell->Address, mem, version),
                                       mem, def.minimum, def.maximum);
  return std::max(length, listWidth) + 2;
}

}  // namespace

const std::string& GridFill::Text(int col, int row) const {
  static const std::string empty;
  return Contains(col, row) ? texts[Index(col, row)] : empty;
}

void GridFill::SetText(int col, int row, std::string text) {
  if (Contains(col, row)) texts[Index(col, row)] = std::move(text);
}

int GridFill::CellMapEntry(int col, int row) const {
  return Contains(col, row) ? cellMap[Index(col, row)] : 0;
}

const LayoutCell* GridFill::LayoutCellAt(int col, int row) const {
  const int entry = CellMapEntry(col, row);
  const int c = entry / 256, r = entry % 256;
  if (c < 1 || c > kLayoutLimit || r < 1 || r > kLayoutLimit) return nullptr;
  return &layout.Cell(r, c);
}

int GridFill::CellState(int col, int row) const {
  return Contains(col, row) ? states[Index(col, row)] : 1;
}

CellLook GridFill::Look(int col, int row) const {
  if (!IsDataCell(col, row)) return CellLook::Fixed;
  if (Text(col, row).empty()) return CellLook::Empty;
  switch (CellState(col, row)) {
    case 0:
      return CellLook::Cyan;
    case 2:
      return CellLook::Grey;
    default:
      return CellLook::White;
  }
}

const int* FixedColumnWidths(int menuId) {
  for (const WidthRow& w : kWidthTable)
    if (w.menuId == menuId) return w.widths;
  return nullptr;
}

void RefreshValueTexts(GridFill& g, const ModellSpeicherTyp* mem, int version) {
  for (int row = 0; row < g.rows; ++row)
    for (int col = 0; col < g.cols; ++col)
      if (const LayoutCell* cell = g.LayoutCellAt(col, row))
        g.texts[g.Index(col, row)] = GetParameterText(cell->Address, cell->Bit, mem, version);
}

GridFill FillGrid(std::string_view tabCaption, const ModellSpeicherTyp* mem, int version,
                  GridOptions options) {
  GridFill g;
  g.title = MenuTitle(tabCaption);
  g.menu = FindMenuByCode(tabCaption);
  if (g.menu == nullptr) return g;
  const MdlMenuTyp& menu = *g.menu;
  g.layout = BuildLayout(menu, mem, version, options);
  const StringGridInfoTyp& L = g.layout;
  const int H = L.HeaderRows;

  const bool atvOrAfr = menu.Id == 14 || menu.Id == 15;
  g.parametersAsRows =
      !atvOrAfr && ((menu.PerFlightCondition && !menu.PerChannel) || L.RowCount >= L.ColCount);
  if (g.parametersAsRows) {
    g.rows = L.RowCount + H, g.fixedRows = H, g.cols = L.ColCount + 1, g.fixedCols = 1;
  } else {
    g.cols = L.RowCount + H, g.fixedCols = H, g.rows = L.ColCount + 1, g.fixedRows = 1;
  }
  const std::size_t n = static_cast<std::size_t>(g.cols) * static_cast<std::size_t>(g.rows);
  g.texts.assign(n, std::string());
  g.cellMap.assign(n, 0);
  g.states.assign(n, 1);
  g.textCondition.assign(n, -1);
  g.widths.assign(static_cast<std::size_t>(g.cols), kDefaultColumnWidth);

  // Header line p of layout column c, and the label cell of that line.
  auto header = [&](int p, int c) -> std::string& {
    return g.parametersAsRows ? g.texts[g.Index(c, p)] : g.texts[g.Index(p, c)];
  };
  for (int c = 1; c <= L.ColCount; ++c) {
    const LayoutColumn& col = L.Column(c);
    int p = 0;
    if (col.Flight != -1) {
      header(p, 0) = "Zustand";
      header(p, c) = ConditionName(col.Flight, mem);
      ++p;
    }
    if (col.Channel != -1) {
      header(p, 0) = "Funktion";
      const int condition = col.Flight == -1 || col.Flight == kDefaultCondition ? 0 : col.Flight;
      header(p, c) =
          ChannelName(col.Channel, mem) + " - " + ChannelNumberText(col.Channel, condition, mem);
    }
  }

  for (int r = 1; r <= L.RowCount; ++r) {
    const int line = r + H - 1;
    if (!L.RowName(r).empty())
      (g.parametersAsRows ? g.texts[g.Index(0, line)] : g.texts[g.Index(line, 0)]) = L.RowName(r);
    for (int c = 1; c <= L.ColCount; ++c) {
      const LayoutCell& cell = L.Cell(r, c);
      if (cell.Address < 0) continue;
      const std::size_t i = g.parametersAsRows ? g.Index(c, line) : g.Index(line, c);
      g.texts[i] = GetParameterText(cell.Address, cell.Bit, mem, version);
      g.cellMap[i] = c * 256 + r;
      const int condition = ConditionOfAddress(cell.Address, mem, version);
      g.states[i] = condition == kDefaultCondition ? 2 : ConditionInUse(condition, mem) ? 1 : 0;
    }
  }

  const int* fixed = FixedColumnWidths(menu.Id);
  for (int col = 0; col < g.cols; ++col) {
    if (fixed != nullptr && col < 10) {
      g.widths[static_cast<std::size_t>(col)] = fixed[col];
      continue;
    }
    int width = 10;
    for (int row = 0; row < g.rows; ++row)
      width = std::max(width, 8 * WidthChars(g, col, row, mem, version) + 8);
    g.widths[static_cast<std::size_t>(col)] = width;
  }

  // Header colours: row 0 and column 0 take the colour of the condition they name.
  std::string names[5];
  for (int f = 0; f < 5; ++f) names[f] = ConditionName(f, mem);
  auto conditionNamed = [&](const std::string& a, const std::string& b) {
    for (int f = 4; f >= 0; --f)
      if (names[f] == a || names[f] == b) return f;
    return -1;
  };
  for (int col = 0; col < g.cols; ++col)
    for (int row = 0; row < g.rows; ++row)
      if (row == 0 || col == 0)
        g.textCondition[g.Index(col, row)] =
            static_cast<std::int8_t>(conditionNamed(g.Text(col, 0), g.Text(0, row)));

  g.separatorBelow.assign(static_cast<std::size_t>(g.rows), false);
  for (int row = 0; row + 1 < g.rows; ++row)
    g.separatorBelow[static_cast<std::size_t>(row)] =
        Separates(tabCaption, g.Text(0, row), g.Text(0, row + 1), names[0]);
  return g;
}

}  // namespace core
