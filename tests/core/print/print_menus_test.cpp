#include "core/print/print_menus.h"

#include <gtest/gtest.h>

#include "core/model/access.h"
#include "core/model/partab.h"
#include "core/model/names.h"
#include "core/model/partab_keys.h"
#include "tests/core/print/print_test_util.h"

namespace core {
namespace {

// Address of the first row with this key whose name names channel 1.
int AddressOfKey(int keyValue, const ModellSpeicherTyp& mem) {
  for (int k = 1; k <= kParamCount; ++k) {
    const MemApplMapTyp& def = ParamDef(k);
    if (def.key == keyValue && ChannelOfParameter(def.address, ParameterFirstBit(def), &mem, 32) == 1)
      return def.address;
  }
  return -1;
}

TEST(PrintMenus, OfferedMenusFollowTheModelType) {
  const ModellSpeicherTyp heli = DefaultMemory("HELI H1");
  const ModellSpeicherTyp glider = DefaultMemory("GLIDER 4 SERVOS");
  for (const auto* mem : {&heli, &glider}) {
    const auto menus = PrintOfferedMenus(mem, 32);
    ASSERT_FALSE(menus.empty());
    EXPECT_LE(menus.size(), static_cast<std::size_t>(kPreviewBoxes));
    for (const MdlMenuTyp* m : menus) {
      EXPECT_NE(m->Id, kMenuIdName);
      EXPECT_NE(m->TypeMask & (ModelTypeMask(mem) | kMenuSystemBits), 0) << m->Code;
    }
  }
  auto has = [](const ModellSpeicherTyp& mem, std::string_view code) {
    for (const MdlMenuTyp* m : PrintOfferedMenus(&mem, 32))
      if (code == m->Code) return true;
    return false;
  };
  EXPECT_TRUE(has(heli, "THOV"));
  EXPECT_FALSE(has(heli, "BUTT"));
  EXPECT_TRUE(has(glider, "BUTT"));
}

TEST(PrintMenus, ChangedMenusOfADefaultAndOfOneAtvChange) {
  ModellSpeicherTyp mem = DefaultMemory("HELI H1");
  EXPECT_TRUE(ChangedMenuCodes(&mem, 32).empty());

  const int rate = AddressOfKey(key::kAtvRateRightUp, mem);
  ASSERT_GT(rate, 0);
  ASSERT_TRUE(IsConditionAddress(rate));
  const std::string before = GetParameterText(ConditionAddress(rate, 2), 0, &mem, 32);
  SetParameterText(ConditionAddress(rate, 2), 0, &mem, true, "77", 32);
  ASSERT_NE(GetParameterText(ConditionAddress(rate, 2), 0, &mem, 32), before);
  EXPECT_EQ(ChangedMenuCodes(&mem, 32), std::vector<std::string>{"ATV"});
}

TEST(PrintMenus, CommandLineMenuLists) {
  const ModellSpeicherTyp mem = DefaultMemory("HELI H1");
  struct Case {
    std::string text;
    bool ok;
    std::vector<std::string> codes;
    std::string bad;
  };
  const Case cases[] = {
      {"", true, {}, ""},
      {"ATV", true, {"ATV"}, ""},
      {"ATV,D/R,THOV", true, {"ATV", "D/R", "THOV"}, ""},
      {"changed", true, {}, ""},
      {"BUTT", false, {}, "BUTT"},  // a glider menu
      {"ATV,XYZ", false, {}, "XYZ"},
      {"NAME", false, {}, "NAME"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("menus '" + c.text + "'");
    std::string bad;
    const auto codes = ParsePrintMenus(c.text, &mem, 32, &bad);
    ASSERT_EQ(codes.has_value(), c.ok);
    if (c.ok) EXPECT_EQ(*codes, c.codes);
    else EXPECT_EQ(bad, c.bad);
  }
  EXPECT_EQ(ParsePrintMenus("all", &mem, 32)->size(), PrintOfferedMenus(&mem, 32).size());
}

}  // namespace
}  // namespace core
