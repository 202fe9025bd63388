// The printed pages in core: page geometry, the layout of the chosen menus, and which menus the
// preview and the command line offer.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/model/names.h"
#include "core/print/page_geometry.h"
#include "core/print/print_menus.h"
#include "core/print/print_pages.h"
#include "tests/core/model/model_fixture.h"

namespace core {
namespace {

using test::MakeMemory;
constexpr int kGlider4 = 4, kAcro = 16, kHeli = 32;

MenuSelected Only(std::set<std::string> codes) {
  return [codes = std::move(codes)](std::string_view code) {
    return codes.count(std::string(code)) > 0;
  };
}

TEST(PageGeometry, MetricsOfA2900PixelPage) {
  const PageMetrics m = MakePageMetrics(2900);
  EXPECT_EQ(
      std::tuple(m.width, m.top, m.height - m.bottom, m.lineHeight, m.columnUnit, m.fontHeight),
      std::tuple(2050, 200, 100, 44, 230, 33));
  EXPECT_EQ(std::tuple(CellLeft(m, 1), CellLeft(m, 2), CellLeft(m, 7)),
            std::tuple(m.left, m.left + 460, m.left + 7 * 230));
  EXPECT_EQ(CellBox(m, 1, 2), (PageRect{m.left + 459, 243, m.left + 690, 288}));
  EXPECT_EQ(DiagramBox(m, 1, 2), (PageRect{m.left + 448, 265, m.left + 679, 464}));
  EXPECT_EQ(PreviewPicture(1000, 508),
            (PageRect{(1000 - 353) / 2, 4, (1000 - 353) / 2 + 353, 504}));
}

// A table of a layout: the page of its header line, its rows, and its diagram rows with their
// pages.
struct Table {
  int page;
  const ZeileTyp* header;
  std::vector<const ZeileTyp*> rows;
  std::vector<std::pair<int, const ZeileTyp*>> diagrams;
};

std::vector<Table> Tables(const PrintLayout& layout) {
  std::vector<Table> tables;
  for (const PrintPage& p : layout.Pages())
    for (int i = 1; i <= kPrintLines; ++i) {
      const ZeileTyp* line = &p.Line(i);
      if (line->kind == kLineTableHeader)
        tables.push_back({p.number, line, {}, {}});
      else if (tables.empty())
        continue;
      else if (line->kind == kLineRow)
        tables.back().rows.push_back(line);
      else if (IsDiagramLine(line->kind))
        tables.back().diagrams.push_back({p.number, line});
    }
  return tables;
}

TEST(PrintPages, HeliAtvPrintsEightChannelTablesThatNeverSplit) {
  const ModellSpeicherTyp mem = MakeMemory(kHeli);
  PrintLayout layout;
  layout.BuildPrintPages(&mem, 32, Only({"ATV"}));
  ASSERT_GE(layout.PageCount(), 2);
  const std::vector<Table> tables = Tables(layout);
  ASSERT_EQ(tables.size(), 8u);
  for (int ch = 1; ch <= 8; ++ch) {
    const Table& t = tables[static_cast<std::size_t>(ch - 1)];
    SCOPED_TRACE("channel " + std::to_string(ch));
    EXPECT_EQ(t.header->cells[0],
              "ATV, Funktion " + ChannelName(ch, &mem) + "-" + ChannelNumberText(ch, 0, &mem));
    EXPECT_FALSE(t.rows.empty());
    ASSERT_EQ(t.diagrams.size(), 1u);
    EXPECT_EQ(t.diagrams[0].second->kind, 6);
    EXPECT_EQ(t.diagrams[0].second->value, ch);
    EXPECT_EQ(t.diagrams[0].first, t.page) << "a channel's diagram stays with its table";
  }
  // A moved table starts its page: only its header (or a continuation line left over) above.
  for (const PrintPage& p : layout.Pages()) {
    if (p.number == 1) continue;
    const int first = p.Line(1).kind == kLineContinuation ? 2 : 1;
    EXPECT_EQ(p.Line(first).kind, kLineTableHeader) << "page " << p.number;
  }
  // Every diagram row reaches five continuation lines down (the last may be reused).
  for (const PrintPage& p : layout.Pages())
    for (int i = 1; i <= kPrintLines - 4; ++i)
      if (IsDiagramLine(p.Line(i).kind)) {
        for (int j = 1; j <= 4; ++j) EXPECT_EQ(p.Line(i + j).kind, kLineContinuation);
      }
}

// Menus printed as one table: dual rate with its three diagram rows, reverse and fail-safe with
// a row per channel, and values once per memory only in the first and the default column.
TEST(PrintPages, MenusOfOneTable) {
  struct Case {
    int mask;
    const char* code;
    std::vector<std::pair<int, int>> diagrams;  // kind, value
    bool channelRows, global;
  };
  const Case cases[] = {
      {kAcro, "D/R", {{8, 1}, {8, 2}, {8, 3}}, false, false},
      {kGlider4, "REVR", {}, true, false},
      {kHeli, "TIMR", {}, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    const ModellSpeicherTyp mem = MakeMemory(c.mask);
    PrintLayout layout;
    layout.BuildPrintPages(&mem, 32, Only({c.code}));
    const std::vector<Table> tables = Tables(layout);
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_EQ(tables[0].header->cells[0], c.code);
    std::vector<std::pair<int, int>> diagrams;
    for (const auto& [page, line] : tables[0].diagrams)
      diagrams.emplace_back(line->kind, line->value);
    EXPECT_EQ(diagrams, c.diagrams);
    ASSERT_GE(tables[0].rows.size(), c.channelRows ? 8u : 1u);
    for (int ch = 1; c.channelRows && ch <= 8; ++ch)
      EXPECT_TRUE(std::any_of(tables[0].rows.begin(), tables[0].rows.end(),
                              [&](const ZeileTyp* row) {
                                return row->cells[0].find(ChannelName(ch, &mem)) !=
                                       std::string::npos;
                              }))
          << "channel " << ch;
    for (const ZeileTyp* row : tables[0].rows) {
      EXPECT_FALSE(row->cells[1].empty()) << row->cells[0];
      for (int col = 2; c.global && col <= 5; ++col)
        EXPECT_EQ(row->cells[static_cast<std::size_t>(col)], "") << row->cells[0];
      EXPECT_FALSE(row->cells[6].empty()) << row->cells[0];
    }
  }
}

// The listing the command line prints: page, line, kind, then the line's text or cells.
TEST(PrintPages, LayoutListing) {
  const ModellSpeicherTyp mem = MakeMemory(kAcro);
  PrintLayout layout;
  layout.BuildPrintPages(&mem, 32, Only({"D/R"}));
  const std::string text = FormatPrintLayout(layout);
  EXPECT_EQ(
      text.rfind("Seite 1\n1\t1\tD/R (16) Dual Rate - zuschaltbare Steuergeberwegeinstellung\n"
                 "2\t3\tD/R\tNORMAL\tFLIGHT1\tFLIGHT2\tFLIGHT3\tFLIGHT4\tDEFAULT\n",
                 0),
      0u)
      << text;
  layout.BuildPrintPages(&mem, 32, Only({}));  // nothing selected: one empty page
  ASSERT_EQ(layout.PageCount(), 1);
  EXPECT_EQ(FormatPrintLayout(layout), "Seite 1\n");
}

TEST(PrintPages, PageTurningAndTheCurrentPageAcrossRebuilds) {
  const ModellSpeicherTyp mem = MakeMemory(kHeli);
  PrintLayout layout;
  layout.BuildPrintPages(&mem, 32, [](std::string_view) { return true; });
  const int count = layout.PageCount();
  ASSERT_GE(count, 4);
  EXPECT_EQ(layout.CurrentPage(), 1);
  EXPECT_FALSE(layout.PreviousPage() || layout.GoToPage(count + 1) || layout.GoToPage(0));
  EXPECT_TRUE(layout.GoToPage(count));
  for (int n = 1; n <= count; ++n)
    EXPECT_EQ(layout.Pages()[static_cast<std::size_t>(n - 1)].number, n);

  layout.BuildPrintPages(&mem, 32, Only({"D/R"}));  // fewer pages: kept until drawn
  EXPECT_EQ(layout.CurrentPage(), count);
  ASSERT_NE(layout.PageToRender(), nullptr);
  EXPECT_EQ(layout.CurrentPage(), layout.PageCount());
}

TEST(PrintMenus, OfferedAndCommandLineMenuListsFollowTheModelType) {
  const ModellSpeicherTyp heli = MakeMemory(kHeli), glider = MakeMemory(kGlider4);
  struct Case {
    const ModellSpeicherTyp* mem;
    std::string text;
    bool ok;
    std::vector<std::string> codes;
    std::string bad;
  };
  const Case cases[] = {
      {&heli, "", true, {}, ""},
      {&heli, "ATV,D/R,THOV", true, {"ATV", "D/R", "THOV"}, ""},
      {&heli, "changed", true, {}, ""},
      {&heli, "BUTT", false, {}, "BUTT"},  // a glider menu
      {&glider, "BUTT", true, {"BUTT"}, ""},
      {&glider, "THOV", false, {}, "THOV"},
      {&heli, "ATV,XYZ", false, {}, "XYZ"},
      {&heli, "NAME", false, {}, "NAME"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("menus '" + c.text + "' type " + std::to_string(ModelTypeMask(c.mem)));
    std::string bad;
    const auto codes = ParsePrintMenus(c.text, c.mem, 32, &bad);
    ASSERT_EQ(codes.has_value(), c.ok);
    if (c.ok)
      EXPECT_EQ(*codes, c.codes);
    else
      EXPECT_EQ(bad, c.bad);
  }
  for (const ModellSpeicherTyp* mem : {&heli, &glider}) {
    const auto offered = PrintOfferedMenus(mem, 32);
    EXPECT_LE(offered.size(), static_cast<std::size_t>(kPreviewBoxes));
    EXPECT_EQ(ParsePrintMenus("all", mem, 32)->size(), offered.size());
  }
}

}  // namespace
}  // namespace core
