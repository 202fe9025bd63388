#include "core/editor/menutab.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/access.h"
#include "core/model/defaults_data.h"
#include "core/model/partab.h"

namespace core {
namespace {

ModellSpeicherTyp MemoryOfType(DefaultKind kind, int byte119 = -1) {
  ModellSpeicherTyp mem;
  const DefaultImage& img = DefaultImageData(kind);
  std::copy(img.begin(), img.end(), mem.image.begin());
  if (byte119 >= 0) mem.image[119] = static_cast<std::uint8_t>(byte119);
  mem.setDataLength(1870);
  mem.inUse = true;
  return mem;
}

std::vector<std::string> Codes(const std::vector<const MdlMenuTyp*>& menus) {
  std::vector<std::string> codes;
  for (const MdlMenuTyp* m : menus) codes.push_back(m->Code);
  return codes;
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
  ASSERT_NE(FindMenuByCode("RD->T"), nullptr);
  EXPECT_EQ(FindMenuByCode("RD->T")->Id, 174);
  EXPECT_EQ(FindMenuByCode("rd->t"), nullptr);
  for (int k = 1; k <= kParamCount; ++k) {
    EXPECT_NE(FindMenu(ParamDef(k).menu), nullptr) << k;
    EXPECT_TRUE(ParamDef(k).menu2 == 0 || FindMenu(ParamDef(k).menu2) != nullptr) << k;
  }
}

TEST(MenuTable, Titles) {
  EXPECT_EQ(MenuTitle("REVO"), "(61) Rudder Evolution - Statischer Heckrotorausgleich");
  EXPECT_EQ(MenuTitle("TACO"), "(02) Tachometer - Drehzahlmesser");
  EXPECT_EQ(MenuTitle(""), "-.-");
  EXPECT_EQ(MenuTitle("XYZ"), "-.-");
}

TEST(MenuTable, OfferedMenusByMainTabTypeAndVersion) {
  const ModellSpeicherTyp standard = MemoryOfType(DefaultKind::Standard);
  const ModellSpeicherTyp acro = MemoryOfType(DefaultKind::Acro);
  const ModellSpeicherTyp heli = MemoryOfType(DefaultKind::Heli);
  EXPECT_TRUE(OfferedMenus(-1, &standard, 32).empty());
  EXPECT_EQ(Codes(OfferedMenus(1, &standard, 32)),
            (std::vector<std::string>{"MxTY", "MxSW", "MTRM"}));  // COPY: a candidate without rows
  // The system tab is the same for every type: the system menus with rows, never NAME.
  const std::vector<std::string> system = Codes(OfferedMenus(0, &standard, 32));
  EXPECT_EQ(system, Codes(OfferedMenus(0, &heli, 32)));
  EXPECT_EQ(system, (std::vector<std::string>{"TIMR", "ATV", "AFR", "D/R", "PMX1", "PMX2", "PMX3",
                                              "PMX4", "PMX5", "PMX6", "REVR", "TRIM", "F/S", "PARA",
                                              "FUNC", "CHSW", "MULT"}));
  const std::vector<std::string> acroTabs = Codes(OfferedMenus(1, &acro, 32));
  EXPECT_EQ(acroTabs.front(), "SBTr");
  EXPECT_NE(std::find(acroTabs.begin(), acroTabs.end(), "ELVN"), acroTabs.end());
  EXPECT_EQ(std::find(acroTabs.begin(), acroTabs.end(), "REVO"), acroTabs.end());
  const std::vector<std::string> heliTabs = Codes(OfferedMenus(1, &heli, 30));
  EXPECT_NE(std::find(heliTabs.begin(), heliTabs.end(), "HOLD"), heliTabs.end());
  EXPECT_TRUE(MenuHasParameters(69, 30));  // SWMx keeps rows in V3.0
  EXPECT_FALSE(MenuHasParameters(2, 32));  // TACO has none
  EXPECT_FALSE(MenuHasParameters(10 + 1, 32));
}

TEST(MenuTable, ParamListFollowsTheOrderingRule) {
  const ModellSpeicherTyp acro = MemoryOfType(DefaultKind::Acro);
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
  const ModellSpeicherTyp heli = MemoryOfType(DefaultKind::Heli);
  EXPECT_EQ(Names(BuildMenuParamList(13, &heli, 30)),
            (Rows{"MODELLTYP", "$FLIGHT1$", "$FLIGHT2$", "$FLIGHT3$", "$FLIGHT4$", "HELITYP"}));
  // AILE for Acro: own rows in table order, then the MxSW and MxVR rows that name it second.
  std::vector<int> aile = BuildMenuParamList(76, &acro, 32);
  ASSERT_EQ(aile.size(), 5u);
  EXPECT_STREQ(ParamDef(aile[0]).name, "$CHNAME1$->$CHNAME4$ ON/OFF");
  EXPECT_EQ(ParamDef(aile[3]).menu, 9);
  EXPECT_EQ(ParamDef(aile[4]).menu, 79);
  // ATV: channel by channel, LEFT/DOWN before RIGHT/UP.
  std::vector<int> atv = BuildMenuParamList(14, &acro, 32);
  ASSERT_EQ(atv.size(), 64u);
  EXPECT_STREQ(ParamDef(atv[0]).name, "$CHNAME1$-$CHNR1$ RATE LEFT/DOWN");
  EXPECT_STREQ(ParamDef(atv[7]).name, "$CHNAME1$-$CHNR1$ LIMIT RIGHT/UP");
  EXPECT_STREQ(ParamDef(atv[8]).name, "$CHNAME2$-$CHNR2$ RATE LEFT/DOWN");
  // No memory: every model type.
  EXPECT_FALSE(BuildMenuParamList(261, nullptr, 32).empty());
}

}  // namespace
}  // namespace core
