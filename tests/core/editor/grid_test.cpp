#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/editor/gridfill.h"
#include "core/editor/tabrow.h"
#include "tests/core/model/model_fixture.h"
#ifdef VELTRANO_CLI
#include "core/store/model_memory.h"
#include "tests/cli_runner.h"
#endif

namespace core {
namespace {

using test::MakeMemory;
constexpr int kAcro = 16, kHeli = 32;

TEST(GridFill, OrientationAndCounts) {
  const ModellSpeicherTyp acro = MakeMemory(kAcro);
  struct Case {
    const char* code;
    GridOptions options;
    bool asRows;
    int cols, rows, fixedCols, fixedRows;
  };
  const Case cases[] = {
      {"DIFF", {}, true, 2, 10, 1, 1},             // one column per condition in use
      {"DIFF", {true, false}, true, 6, 10, 1, 1},  // all five conditions
      {"ATV", {}, false, 10, 9, 2, 1},             // parameters across, 8 channels down
      {"ATV", {true, true}, false, 10, 49, 2, 1},  // 8 x (5 conditions + default)
      {"REVR", {}, false, 2, 10, 1, 1},            // one parameter across, nine channel groups down
      {"PARA", {false, true}, true, 3, 5, 1, 1},
  };
  for (const Case& c : cases) {
    const GridFill g = FillGrid(c.code, &acro, 32, c.options);
    SCOPED_TRACE(std::string(c.code) + (c.options.allConditions ? " all" : "") +
                 (c.options.defaults ? " defaults" : ""));
    EXPECT_EQ(std::tuple(g.parametersAsRows, g.cols, g.rows, g.fixedCols, g.fixedRows),
              std::tuple(c.asRows, c.cols, c.rows, c.fixedCols, c.fixedRows));
    EXPECT_EQ(static_cast<int>(g.widths.size()), g.cols);
  }
  const GridFill revr = FillGrid("REVR", &acro, 32, {});
  EXPECT_EQ(revr.Text(0, 9), "CH9 - 9");
  EXPECT_EQ(FillGrid("XYZ", &acro, 32, {}).menu, nullptr);
}

TEST(GridFill, ConditionsDefaultsAndLabelsSharingARow) {
  const ModellSpeicherTyp acro = MakeMemory(kAcro);
  const GridFill d = FillGrid("DIFF", &acro, 32, {true, true});
  EXPECT_EQ(d.Text(1, 0), "NORMAL");
  EXPECT_EQ(d.textCondition[d.Index(2, 0)], 1);
  // A global value in a per-condition menu: only in the NORMAL column, empty beside it.
  EXPECT_EQ(d.Text(6, 0), "DEFAULT");
  EXPECT_EQ(d.CellState(6, 3), 2);
  EXPECT_EQ(d.Text(0, 1), "2nd AIL");
  EXPECT_EQ(d.Look(2, 1), CellLook::Empty);
  // A menu neither per condition nor per channel gets "Zustand", NORMAL and DEFAULT.
  const GridFill para = FillGrid("PARA", &acro, 32, {false, true});
  EXPECT_EQ(para.Text(0, 0), "Zustand");
  EXPECT_EQ(para.Text(2, 0), "DEFAULT");
  EXPECT_EQ(para.LayoutCellAt(2, 1)->Address & kDefaultMarker, kDefaultMarker);

  const GridFill atv = FillGrid("ATV", &acro, 32, {true, true});
  // Eight channels' "RATE LEFT/DOWN" share one layout row: one grid column, values per channel.
  EXPECT_EQ(atv.layout.RowCount, 8);
  EXPECT_EQ(atv.Text(2, 0), "RATE LEFT/DOWN");
  EXPECT_EQ(atv.Text(1, 7), "ELE - 2");
  EXPECT_TRUE(atv.separatorBelow[6]);  // the DEFAULT line of channel 1 above NORMAL of 2
  EXPECT_FALSE(atv.separatorBelow[1]);
  EXPECT_EQ(atv.textCondition[atv.Index(0, 1)], 0);
  const int* widths = FixedColumnWidths(14);
  EXPECT_EQ(atv.widths[5], widths[5]);
  EXPECT_EQ(FixedColumnWidths(159), nullptr);
  const GridFill timr = FillGrid("TIMR", &acro, 32, {});
  int separators = 0;
  for (bool s : timr.separatorBelow) separators += s;
  EXPECT_EQ(separators, 1);
}

TEST(GridFill, WidthsCountCharactersAndABlankFunctionNameHidesNoValue) {
  ModellSpeicherTyp heli = MakeMemory(kHeli);
  const GridFill before = FillGrid("OFST", &heli, 32, {});
  // "ELE TRIM" is 8 characters; the ON/OFF list cells count their list width + 2.
  EXPECT_EQ(before.widths[0], 8 * 8 + 8);
  EXPECT_GT(before.widths[1], 8 * 3 + 8);
  ASSERT_EQ(test::Set(heli, test::RowOfMenu(21, "NAME 1"), " ", true), kChanged);
  const GridFill g = FillGrid("OFST", &heli, 32, {});
  ASSERT_EQ(g.rows, before.rows);
  EXPECT_EQ(g.Text(0, 2), "");  // channel 1's row keeps its place, unnamed
  EXPECT_EQ(g.Text(1, 2), "0 %");
  EXPECT_NE(g.LayoutCellAt(1, 2), nullptr);
  EXPECT_EQ(g.Text(0, 3), "TRIM");
  // Equal labels, empty ones too, still share a row; a used row is never renamed.
  std::array<std::string, kLayoutLimit> names;
  std::array<bool, kLayoutLimit> used{};
  EXPECT_EQ(TakeLayoutRow(names, used, ""), 1);
  EXPECT_EQ(TakeLayoutRow(names, used, "ELE"), 2);
  EXPECT_EQ(TakeLayoutRow(names, used, ""), 1);
  EXPECT_EQ(TakeLayoutRow(names, used, "RUD"), 3);
}

TEST(GridFill, EveryOfferedMenuFillsConsistently) {
  for (int mask : test::kTypeMasks) {
    const ModellSpeicherTyp mem = MakeMemory(mask);
    for (int main = 0; main < 2; ++main)
      for (const std::string& code : BuildMenuTabRow(main, &mem, 32, "", 0).captions) {
        const GridFill g = FillGrid(code, &mem, 32, {true, true});
        SCOPED_TRACE(code + " type " + std::to_string(mask));
        ASSERT_NE(g.menu, nullptr);
        EXPECT_GE(g.rows, g.fixedRows + 1);
        EXPECT_GE(g.cols, g.fixedCols + 1);
        for (int row = 0; row < g.rows; ++row)
          for (int col = 0; col < g.cols; ++col)
            if (g.CellMapEntry(col, row) != 0) {
              EXPECT_TRUE(g.IsDataCell(col, row));
            }
      }
  }
}

#ifdef VELTRANO_CLI
// veltrano-cli menus and grid: the line formats others compare, and the same fill as the window.
class CliGrid : public test::CliTest {};

TEST_F(CliGrid, MenusAndGridLines) {
  ModellSpeicherTyp heli = test::MakeMemory(32);  // HELI H1, function NAME 1 blank
  test::Set(heli, test::RowOfMenu(21, "NAME 1"), "", true);
  ASSERT_TRUE(WriteModelMemory(heli, Path("heli.fc")).image);
  const GridFill g = FillGrid("OFST", &heli, 32, {true, true});
  const std::string size = "size " + std::to_string(g.cols) + " " + std::to_string(g.rows);
  Expect({
      {"menus heli.fc --version 30", 0,
       "System\tTIMR\t(03) Timer - Stoppuhr\n...\n"
       "SMIX\tREVO\t(61) Rudder Evolution - Statischer Heckrotorausgleich\n...\n",
       "", "", "NAME"},
      // The unnamed row of channel 1 is there with its value in every condition.
      {"grid heli.fc OFST --all-conditions --defaults", 0,
       size + " 1 1\n...\n\t0 %\t0 %\t0 %\t0 %\t0 %\t0 %\n...\ncolour FWCCCCG\n...\n"},
      // Any menu code is accepted; an unknown one is an error.
      {"grid heli.fc DIFF", 0,
       "size 2 2 1 1\nwidths 112 80\nZustand\tNORMAL\n\t\ncolour FF\ncolour FE\n"},
      {"grid heli.fc XYZ", 2, "", "unknown menu code 'XYZ'"},
      {"grid heli.fc", 1, "", "usage: grid"},
  });
}
#endif

}  // namespace
}  // namespace core
