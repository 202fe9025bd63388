// The menu tabs, the grid a menu fills, and editing its cells.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/editor/gridfill.h"
#include "core/editor/menutab.h"
#include "core/editor/tabrow.h"
#include "core/editor/valueedit.h"
#include "core/model/partab.h"
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
  EXPECT_EQ(d.textCondition[d.Index(2, 0)], 1);
  // A global value in a per-condition menu: only in the NORMAL column, empty beside it.
  EXPECT_EQ(d.Text(6, 0), "DEFAULT");
  EXPECT_EQ(d.CellState(6, 3), 2);
  EXPECT_EQ(d.Text(0, 1), "2nd AIL");
  EXPECT_EQ(d.Look(2, 1), CellLook::Empty);
  // A menu neither per condition nor per channel gets DEFAULT too (its head: CliGrid's DIFF).
  const GridFill para = FillGrid("PARA", &acro, 32, {false, true});
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

std::vector<std::string> Names(const std::vector<int>& rows) {
  std::vector<std::string> names;
  for (int k : rows) names.push_back(ParamDef(k).name);
  return names;
}

TEST(MenuTable, LookupsAndEveryParameterNamesAMenuOfTheTable) {
  // Ids are unique, so the first match is the only one; captions compare exactly.
  for (const MdlMenuTyp& m : kMenuTable) EXPECT_EQ(FindMenu(m.Id), &m) << m.Code;
  EXPECT_EQ(FindMenu(1), nullptr);
  EXPECT_EQ(FindMenuByCode("rd->t"), nullptr);
  EXPECT_EQ(MenuTitle(""), "-.-");
  EXPECT_EQ(MenuTitle("XYZ"), "-.-");
  for (int k = 1; k <= kParamCount; ++k) {
    EXPECT_NE(FindMenu(ParamDef(k).menu), nullptr) << k;
    EXPECT_TRUE(ParamDef(k).menu2 == 0 || FindMenu(ParamDef(k).menu2) != nullptr) << k;
  }
}

TEST(MenuTabs, RowsByMainTabTypeAndVersionAndReselection) {
  // The system row is the same for every type: the system menus with rows (not TACO, MODL),
  // never NAME.
  const std::vector<std::string> system = {"TIMR", "ATV",  "AFR",  "D/R",  "PMX1", "PMX2",
                                           "PMX3", "PMX4", "PMX5", "PMX6", "REVR", "TRIM",
                                           "F/S",  "PARA", "FUNC", "CHSW", "MULT"};
  struct Case {
    int mask;
    std::vector<std::string> present, absent;
  };
  const Case cases[] = {
      {1, {"MxTY", "MxSW", "MTRM"}, {"SBTr", "COPY", "DIFF", "REVO", "NAME"}},  // STANDARD
      {4, {"SBTr", "DIFF", "TRM1", "SFLP", "BUTT", "MxVR"}, {"FLPR", "REVO", "PIT"}},
      {16, {"SBTr", "ELVN"}, {"REVO"}},  // ACRO
      {32, {"SBTr", "REVO", "PCrv", "HOLD", "SWSH", "MxVR"}, {"DIFF", "TRM1", "NAME"}},
  };
  for (int version : test::kVersions) {
    for (const Case& c : cases) {
      const ModellSpeicherTyp mem = MakeMemory(c.mask);
      SCOPED_TRACE("type " + std::to_string(c.mask) + " V" + std::to_string(version));
      const std::vector<std::string> smix = BuildMenuTabRow(1, &mem, version, "", 0).captions;
      const std::vector<std::string> row = BuildMenuTabRow(0, &mem, version, "", 0).captions;
      EXPECT_EQ(row, BuildMenuTabRow(0, nullptr, version, "", 0).captions);
      if (version == 32) {
        EXPECT_EQ(row, system);
      }
      for (const auto& code : c.present)
        EXPECT_NE(std::find(smix.begin(), smix.end(), code), smix.end()) << code;
      for (const auto& code : c.absent)
        EXPECT_EQ(std::find(smix.begin(), smix.end(), code), smix.end()) << code;
    }
  }
  const ModellSpeicherTyp standard = MakeMemory(1);
  EXPECT_EQ(BuildMenuTabRow(1, &standard, 32, "", 0).captions,
            (std::vector<std::string>{"MxTY", "MxSW", "MTRM"}));  // COPY: a candidate without rows
  const MenuTabRow none = BuildMenuTabRow(-1, nullptr, 32, "ATV", 3);
  EXPECT_EQ(std::tuple(none.captions.size(), none.selected), std::tuple(0u, -1));
  // Reselection: by caption, then by index.
  const std::vector<std::string> row = {"SBTr", "DIFF", "AFR", "MxTY"};
  EXPECT_EQ(ReselectMenuTab(row, "AFR", 0), 2);  // same caption wins
  EXPECT_EQ(ReselectMenuTab(row, "ATV", 1), 1);  // else the index
  EXPECT_EQ(ReselectMenuTab(row, "ATV", 5), 3);  // at most the last
  EXPECT_EQ(ReselectMenuTab(row, "", -1), 0);
  EXPECT_EQ(ReselectMenuTab({}, "AFR", 2), -1);
  // ACRO -> HELI with AFR selected keeps AFR in the System row.
  const ModellSpeicherTyp heli = MakeMemory(32);
  const MenuTabRow r = BuildMenuTabRow(0, &heli, 32, "AFR", 0);
  EXPECT_EQ(r.captions[static_cast<std::size_t>(r.selected)], "AFR");
}

TEST(MenuTable, ParamListFollowsTheOrderingRule) {
  const ModellSpeicherTyp acro = MakeMemory(16);
  using Rows = std::vector<std::string>;
  // TIMR: by order 1..5, 11..14, then "TIMER 2 P/C" (no order) in table order.
  EXPECT_EQ(Names(BuildMenuParamList(3, &acro, 32)),
            (Rows{"TIMER 1 TIME", "TIMER 1 MODE", "TIMER 1 ON SWITCH", "TIMER 1 OFF SWITCH",
                  "TIMER 1 P/C", "TIMER 2 TIME", "TIMER 2 MODE", "TIMER 2 ON SWITCH",
                  "TIMER 2 OFF SWITCH", "TIMER 2 P/C"}));
  EXPECT_EQ(BuildMenuParamList(3, &acro, 30).size(), 8u);  // V3.0 has no P/C rows
  // MxTY: its own rows first, the rows that have it as second menu ($FLIGHT1$.. with order
  // 1..4 in MxSW) last, whatever their order; in a heli memory HELITYP is such a row.
  EXPECT_EQ(Names(BuildMenuParamList(13, &acro, 32)),
            (Rows{"MODELLTYP", "NAME NORMAL", "NAME FLIGHT1", "NAME FLIGHT2", "NAME FLIGHT3",
                  "NAME FLIGHT4", "$FLIGHT1$", "$FLIGHT2$", "$FLIGHT3$", "$FLIGHT4$"}));
  const ModellSpeicherTyp heli = MakeMemory(32);
  EXPECT_EQ(Names(BuildMenuParamList(13, &heli, 30)),
            (Rows{"MODELLTYP", "$FLIGHT1$", "$FLIGHT2$", "$FLIGHT3$", "$FLIGHT4$", "HELITYP"}));
  // No memory: every model type.
  EXPECT_FALSE(BuildMenuParamList(261, nullptr, 32).empty());
}

TEST(ValueEdit, ButtonMasksByRange) {
  struct Case {
    int formula;
    double min, max;
    int mask;
  };
  const Case cases[] = {
      {0, -100, 100, 0x03F},                            // - + +/- 0 50 100
      {0, 0, 100, 0x03B},                               // - + 0 50 100
      {0, 0, 50, 0x00B},                                // - + 0
      {0, -110, 110, 0x03F}, {40, -3599, 3599, 0x3C0},  // a time: M+ M- S+ S-
  };
  for (const Case& c : cases)
    EXPECT_EQ(StepButtonMask(c.formula, c.min, c.max), c.mask) << c.min << ".." << c.max;
}

TEST(ValueEdit, StepTexts) {
  struct Case {
    StepButton b;
    const char* t;
    double min, max;
    const char* unit;
    const char* expected;
  };
  const Case cases[] = {
      {StepButton::Up, "110 %", -110, 110, "%", "110"},
      {StepButton::Up, "1,5 %", -110, 110, "%", "2.5"},
      {StepButton::Down, "-110 %", -110, 110, "%", "-110"},
      {StepButton::Inv, "-20 %", -10, 100, "%", "20"},
      {StepButton::Inv, "50", -10, 100, "", "-10"},
      {StepButton::Zero, "7", 0, 1, "%", "0 %"},
      {StepButton::Fifty, "-20 %", -100, 100, "%", "-50 %"},
      {StepButton::Fifty, "-20", -100, 100, "", "-50"},
      {StepButton::Hundred, "0", -100, 100, "%", "100 %"},
      {StepButton::MInc, "59:30 min:s", 0, 0, "min:s", "0:30 min:s"},
      {StepButton::MDec, "00:10 min:s", 0, 0, "min:s", "59:10 min:s"},
      {StepButton::SDec, "5:00 min:s", 0, 0, "min:s", "5:59"},
      {StepButton::SInc, "05:59 min:s", 0, 0, "min:s", "05:00"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(StepText(c.b, c.t, c.min, c.max, c.unit), c.expected)
        << StepButtonOf(c.b).caption << " on " << c.t;
  EXPECT_EQ(DecimalText(1.0 / 3), "0.3333333333");
  EXPECT_EQ(DecimalText(-0.0), "0");
}

TEST(ValueEdit, PlacesButtonsAboveOrBelowTheCell) {
  auto place = [](const ButtonPlace& p) { return std::tuple(p.id, p.left, p.top, p.width); };
  const auto above = PlaceStepButtons(0x03F, 100, 50, 16, false);
  ASSERT_EQ(above.size(), 6u);
  EXPECT_EQ(place(above[0]), std::tuple(StepButton::Down, 102, 50 + 2 - 17, 17));
  EXPECT_EQ(above[5].left, 102 + 17 + 17 + 25 + 17 + 17);  // "+/-" is 17 * 3 / 2 wide
  const auto below = PlaceStepButtons(0x3C0, 0, 0, 16, true);
  ASSERT_EQ(below.size(), 4u);
  EXPECT_EQ(place(below[0]), std::tuple(StepButton::MInc, 2, 2 + 17, 17 * 4 / 3));
}

class EditAcro : public ::testing::Test {
 protected:
  ModellSpeicherTyp mem = test::MakeMemory(kAcro);
  GridFill atv = FillGrid("ATV", &mem, 32, {false, true});
  GridFill timr = FillGrid("TIMR", &mem, 32, {});
};

TEST_F(EditAcro, EditorKindsAndLists) {
  EXPECT_EQ(EditorKindOf(atv, 2, 1, &mem, 32), EditorKind::Buttons);
  EXPECT_EQ(EditorKindOf(atv, 2, 2, &mem, 32), EditorKind::None);  // default value
  EXPECT_EQ(EditorKindOf(atv, 7, 1, &mem, 32), EditorKind::List);  // MODE
  EXPECT_EQ(EditorKindOf(atv, 0, 0, &mem, 32), EditorKind::None);
  EXPECT_EQ(ButtonMask(timr, 1, 0, &mem, 32), 0x3C0);
}

TEST_F(EditAcro, TypedTextsAreNormalizedAndClamped) {
  struct Case {
    int col, row;
    const char* typed;
    const char* normalized;
  };
  const Case cases[] = {
      {2, 1, "1,5", "1.5"},         {2, 1, "junk", "0"}, {2, 1, "999 %", "110"},
      {2, 1, "-1e9", "-110"},       {2, 2, "30", "30"},  // default cells normalize too
      {0, 0, "Zustand", "Zustand"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(NormalizeCellText(atv, c.col, c.row, c.typed, &mem, 32), c.normalized) << c.typed;
  // A time keeps its minutes: an unchanged "10:00 min:s" is not read as 10 seconds.
  const std::string time = timr.Text(1, 0);
  EXPECT_EQ(NormalizeCellText(timr, 1, 0, time, &mem, 32) + " min:s", time);
  EXPECT_EQ(NormalizeCellText(timr, 1, 0, "99:99", &mem, 32), "59:59");
}

TEST_F(EditAcro, ApplyAndStepStoreThroughTheModel) {
  const auto image = mem.image;
  // A default cell stores nothing; a cell without layout cell is emptied.
  EXPECT_EQ(ApplyCellText(atv, 2, 2, "5", &mem, 32).result, kUnchanged);
  EXPECT_EQ(ApplyCellText(atv, 0, 0, "5", &mem, 32).cellText, "");
  // "+" at the maximum changes nothing.
  ASSERT_EQ(ApplyCellText(atv, 2, 1, "110", &mem, 32).result, kChanged);
  const auto atMax = mem.image;
  ApplyOutcome o = StepCell(atv, 2, 1, StepButton::Up, &mem, 32);
  EXPECT_EQ(o.result, kUnchanged);
  EXPECT_EQ(mem.image, atMax);
  o = StepCell(atv, 2, 1, StepButton::Fifty, &mem, 32);
  EXPECT_EQ(o.cellText, "50 %");
  // Time steps.
  ASSERT_EQ(ApplyCellText(timr, 1, 0, "59:30", &mem, 32).result, kChanged);
  EXPECT_EQ(StepCell(timr, 1, 0, StepButton::MInc, &mem, 32).cellText, "00:30 min:s");
  EXPECT_NE(mem.image, image);
}

TEST(ValueEdit, HeldButtonRepeatsFromTheThirdTick) {
  ButtonRepeat r;
  EXPECT_FALSE(r.AnyHeld());
  r.Press(StepButton::Up);
  r.Press(StepButton::Zero);  // no repeat
  EXPECT_TRUE(r.AnyHeld());
  r.Tick(), r.Tick(), r.Tick();  // "+" repeats from now on
  r.Press(StepButton::SDec);
  EXPECT_EQ(r.Tick(), std::vector<StepButton>{StepButton::Up});
  EXPECT_EQ(r.Tick(), std::vector<StepButton>{StepButton::Up});
  EXPECT_EQ(r.Tick(), (std::vector<StepButton>{StepButton::Up, StepButton::SDec}));  // its third
  r.Release(StepButton::Up);
  r.Release(StepButton::SDec);
  EXPECT_FALSE(r.AnyHeld());
  EXPECT_TRUE(r.Tick().empty());
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
