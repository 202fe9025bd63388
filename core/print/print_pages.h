#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/record.h"

// The printed pages of a memory: each page a fixed grid of 59 line slots holding headings,
// table rows and curve diagrams. A menu block that does not fit moves whole to the next page.

namespace core {

inline constexpr int kPrintLines = 59;  // line slots 1..59 of a page
inline constexpr int kPrintCells = 7;   // caption or label, conditions 0..4, default

/// Kinds of a print line.
enum PrintLineKind : int {
  kLineEmpty = 0,
  kLineHeading = 1,
  kLineTableHeader = 3,
  kLineRow = 4,
  kLineContinuation = 5,  // the lines a diagram reaches down into
  kLineDiagramFirst = 6,  // 6..15: a diagram row, kind - 6 is the curve
  kLineDiagramLast = 15,
};

/// One line slot of a page.
struct ZeileTyp {
  int kind = kLineEmpty;
  std::string text;                             // heading text (kind 1)
  std::array<std::string, kPrintCells> cells;  // cells 1..7 at index 0..6 (kinds 3, 4)
  int value = 0;  // diagrams: channel (ATV, AFR), dual-rate position (D/R), else 1
};

constexpr bool IsDiagramLine(int kind) { return kind >= kLineDiagramFirst && kind <= kLineDiagramLast; }

struct PrintPage {
  int number = 1;
  std::array<ZeileTyp, kPrintLines> lines;  // slots 1..59 at index 0..58

  const ZeileTyp& Line(int slot) const { return lines[static_cast<std::size_t>(slot - 1)]; }
  ZeileTyp& Line(int slot) { return lines[static_cast<std::size_t>(slot - 1)]; }
};

/// Whether a menu (by its Code) is to be printed.
using MenuSelected = std::function<bool(std::string_view code)>;

/// The pages of the last build and the current page number, which survives rebuilds.
class PrintLayout {
 public:
  PrintLayout() { PrintInit(); }

  /// No pages, current page 1.
  void PrintInit();
  /// Drops every page; the current page number stays.
  void PrintFreePages();
  /// Lays out the selected menus offered for the memory's model type in the version (30..32).
  void BuildPrintPages(const ModellSpeicherTyp* mem, int version, const MenuSelected& selected);

  int PageCount() const { return static_cast<int>(pages_.size()); }
  /// Pages 1..PageCount in number order.
  const std::vector<PrintPage>& Pages() const { return pages_; }
  /// Page n, nullptr if there is none.
  const PrintPage* FindPage(int n) const;

  /// To page current + 1 (or - 1) if it exists.
  bool NextPage() { return GoToPage(current_ + 1); }
  bool PreviousPage() { return GoToPage(current_ - 1); }
  /// To page n if it exists.
  bool GoToPage(int n);
  int CurrentPage() const { return current_; }

  /// Lowers the current page number until that page exists; the page to draw (nullptr: no pages).
  const PrintPage* PageToRender();

 private:
  std::vector<PrintPage> pages_;
  int current_ = 1;
};

/// Diagram kind (6..15) of a menu id, 0 for a menu without diagrams.
int DiagramKindOfMenu(int menuId);

/// The pages in the fixed text form of `veltrano-cli print --layout`.
std::string FormatPrintLayout(const PrintLayout& layout);

}  // namespace core
