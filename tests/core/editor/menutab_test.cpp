#include "core/editor/menutab.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/editor/tabrow.h"
#include "core/model/partab.h"
#include "tests/core/model/model_fixture.h"

namespace core {
namespace {

using test::MakeMemory;

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
  EXPECT_TRUE(BuildMenuTabRow(-1, nullptr, 32, "ATV", 3).captions.empty());
  EXPECT_EQ(BuildMenuTabRow(-1, nullptr, 32, "ATV", 3).selected, -1);
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

}  // namespace
}  // namespace core
