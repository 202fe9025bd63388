#pragma once

#include <array>
#include <string>

#include "core/editor/menutab.h"
#include "core/store/record.h"

// The logical table of one menu: rows of parameters, columns of flight conditions, channels and
// default values, independent of how the grid is turned.

namespace core {

inline constexpr int kLayoutLimit = 60;  // rows and columns of a layout
inline constexpr int kMenuIdRevr = 12;   // the only menu with nine channel groups

/// Ticks of the "&Optionen" items that shape the grid.
struct GridOptions {
  bool allConditions = false;  // "Alle &Flugzustände zeigen"
  bool defaults = false;       // "&Defaultwerte zeigen"
};

struct LayoutColumn {
  int Channel = -1;  // servo channel 1..9, -1 none
  int Flight = -1;   // flight condition 0..4, 16 the default column, -1 none
  bool used() const { return Channel != -1 || Flight != -1; }
};

struct LayoutCell {
  int Address = -1;  // with condition offset and default marker; -1 empty
  int Bit = 0;
};

/// StringGridInfoTyp: rows and columns numbered 1..60 as the grid cell map encodes them.
struct StringGridInfoTyp {
  int HeaderRows = 0;
  int RowCount = 1;
  int ColCount = 1;

  const std::string& RowName(int r) const { return rowNames_[Index(r)]; }
  bool RowUsed(int r) const { return rowUsed_[Index(r)]; }
  const LayoutColumn& Column(int c) const { return columns_[Index(c)]; }
  const LayoutCell& Cell(int r, int c) const { return cells_[Index(r)][Index(c)]; }

 private:
  friend StringGridInfoTyp BuildLayout(const MdlMenuTyp&, const ModellSpeicherTyp*, int,
                                       GridOptions);
  static std::size_t Index(int n) { return static_cast<std::size_t>(n - 1); }

  std::array<std::string, kLayoutLimit> rowNames_;
  std::array<bool, kLayoutLimit> rowUsed_{};
  std::array<LayoutColumn, kLayoutLimit> columns_;
  std::array<std::array<LayoutCell, kLayoutLimit>, kLayoutLimit> cells_;
};

/// The row a parameter with this label takes: the first used row of that name, else the first
/// unused row, which becomes used and gets the label; 0 when all 60 are used.
int TakeLayoutRow(std::array<std::string, kLayoutLimit>& names,
                  std::array<bool, kLayoutLimit>& used, const std::string& label);

/// Row label of a parameter in menu M: the name after the second "\", trimmed of blanks and
/// "-", channel placeholders dropped in per-channel menus, prefixed by its own menu's code when
/// shown in M as second menu.
std::string LayoutRowLabel(int row, const MdlMenuTyp& menu, const ModellSpeicherTyp* mem,
                           int version);

/// Lays out the menu's parameters for the memory, version and option ticks. A row that holds
/// values is never shared with another label, so a blank name cannot hide a value.
StringGridInfoTyp BuildLayout(const MdlMenuTyp& menu, const ModellSpeicherTyp* mem, int version,
                              GridOptions options);

}  // namespace core
