#include "core/model/names.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/model/partab_keys.h"
#include "tests/core/model/model_fixture.h"

namespace core {
namespace {

using test::MakeMemory;

constexpr int kAtv = 14, kFunc = 21;

TEST(FunctionCharacters, EncodeTheWindows1252Byte) {
  const std::pair<char32_t, int> encoded[] = {{U'Œ', 0x8C - 32}, {U'€', 0x80 - 32},
                                              {U'é', 0xE9 - 32}, {U'ł', '?' - 32},
                                              {U'ö', 106},       {U'H', 'H' - 32}};
  for (const auto& [c, code] : encoded) EXPECT_EQ(EncodeFunctionChar(c), code) << code;
}

// Condition 0's default name and channel 9's name and number: the expanded names below.
TEST(ChannelNames, DecodeTheFunctionNameBytesAndNumbersFollowTheSources) {
  auto m = MakeMemory(1);
  EXPECT_EQ(ChannelName(0, &m) + ChannelName(10, &m), "AILAIL");  // out of range counts as 1
  EXPECT_EQ(ChannelName(1, nullptr) + ChannelNumberText(1, 0, nullptr), "");
  m.image[76] = 33, m.image[77] = 0, m.image[78] = 34;  // "A", blank, "B"
  EXPECT_EQ(ChannelName(1, &m), "AB");
  EXPECT_EQ(test::Set(m, test::RowOfMenu(kFunc, "NAME 1"), "höh", false), kChanged);
  EXPECT_EQ(ChannelName(1, &m), "HÖH");
  const auto glider = MakeMemory(4);  // function 5 is stored as "SF1" and shown as "SFL"
  EXPECT_EQ(ChannelName(5, &glider), "SFL");
  EXPECT_EQ(glider.image[94], '1' - 32);
  // Function n's source is byte n - 1 of its condition's block, without the switch bit 128.
  m.image[121] = 200;
  EXPECT_EQ(ChannelNumberText(2, 0, &m), "S65");
  m.image[121] = 135;
  m.image[121 + 350 * 4] = 8;
  EXPECT_EQ(ChannelNumberText(2, 0, &m) + " " + ChannelNumberText(2, 4, &m), "8 S1");
  // The default column and conditions out of range read condition 0.
  EXPECT_EQ(ChannelNumberText(2, 16, &m) + ChannelNumberText(2, -3, &m), "88");
  m.image[121] = 255;  // 127 + 1 as a byte
  EXPECT_EQ(ChannelNumberText(2, 0, &m), "S120");
}

// "DEFAULT", the FLIGHTn and heli names: the expanded names below.
TEST(ConditionNames, StoredNamesOrTheTypesOwn) {
  auto glider = MakeMemory(4);
  EXPECT_EQ(ConditionName(1, &glider) + " " + ConditionName(4, &glider), "START LANDING");
  EXPECT_EQ(ConditionName(7, &glider), "NORMAL");
  EXPECT_EQ(ConditionName(1, nullptr) + ConditionName(16, nullptr), "DEFAULT");
  const int name2 = test::RowNamed(1163, "NAME FLIGHT2");
  EXPECT_EQ(test::Set(glider, name2, "thermik", true), kChangedMore);
  EXPECT_EQ(ConditionName(2, &glider), "THERMIK");
  EXPECT_EQ(test::Set(glider, name2, "A B", true), kChangedMore);
  EXPECT_EQ(ConditionName(2, &glider), "AB");
}

// With the channel a row names: the largest one in its placeholders, -1 for none.
TEST(ExpandedParameterName, JoinsConditionMenuAndNameAndNamesTheChannel) {
  const auto standard = MakeMemory(1), heli = MakeMemory(32), glider = MakeMemory(8);
  const struct {
    const ModellSpeicherTyp* m;
    int address, bit;
    bool hideChannel;
    const char* name;
    int channel;
  } cases[] = {
      {&standard, 144, 0, false, "NORMAL\\ATV\\AIL-1 RATE RIGHT/UP", 1},
      {&standard, 144, 0, true, "NORMAL\\ATV\\- RATE RIGHT/UP", 1},
      {&standard, 118, 0, false, "GLOBAL\\MODEL TYPE\\MODELLTYP", -1},
      // The condition comes from the address passed in, the test from the row's own address.
      {&standard, 144 + 3 * 350, 0, false, "FLIGHT3\\ATV\\AIL-1 RATE RIGHT/UP", 1},
      {&standard, 144 | kDefaultMarker, 0, false, "DEFAULT\\ATV\\AIL-1 RATE RIGHT/UP", 1},
      {&standard, 127, -1, false, "NORMAL\\FUNCTION CHANGE\\AUX SOURCE CH8", 8},
      {&standard, 72, -1, false, "$048", -1},
      {&standard, 2047, -1, false, "$7FF", -1},
      {&standard, 114, 0, false, "GLOBAL\\MIX SWITCH\\FLIGHT1", -1},
      {&standard, 18, 0, false, "GLOBAL\\SERVO REVERSE\\DIRECTION CH9-9", 9},
      {&standard, 19, 2, false, "GLOBAL\\SERVO REVERSE\\DIRECTION THR-3", 3},
      {&heli, 117, 0, false, "GLOBAL\\MIX SWITCH\\TH-HOLD", -1},
      {&heli, 1797, 6, false, "GLOBAL\\HOLD\\TRIM", -1},
      {&glider, 398, 0, false, "NORMAL\\BREAK FLAP\\BFL->ELE DOWN", 8},  // "$CHNAME8$->$CHNAME2$"
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExpandedParameterName(c.address, c.bit, c.hideChannel, c.m, 32), c.name) << c.address;
    EXPECT_EQ(ChannelOfParameter(c.address, c.bit, c.m, 32), c.channel) << c.address;
  }
}

TEST(ExpandedParameterName, FillsPlaceholdersWhereverTheyStand) {
  // A condition named like a placeholder is filled in too: the whole joined name is searched.
  auto m = MakeMemory(1);
  ASSERT_EQ(test::Set(m, test::RowNamed(813, "NAME FLIGHT1"), "$CHNR1$", true), kChangedMore);
  EXPECT_EQ(ConditionName(1, &m), "$CHNR1$");
  EXPECT_EQ(ExpandedParameterName(144 + 350, 0, false, &m, 32),
            "1\\ATV\\AIL-$CHNR1$ RATE RIGHT/UP");
  EXPECT_EQ(ExpandedParameterName(144 + 350, 0, true, &m, 32), "\\ATV\\-$CHNR1$ RATE RIGHT/UP");
}

TEST(FunctionNames, FollowLanguageAndModelType) {
  auto heli = MakeMemory(32);
  const int language = test::RowNamed(108, "SPRACHE");
  EXPECT_EQ(test::Set(heli, language, "DEUTSCH", true), kChangedMore);
  EXPECT_EQ(test::FunctionNames(heli), "QUE HOE MOT SEI KRE PIT ZU1 ZU2");
  // A language change renames the functions everywhere: 2, so the window refreshes as for a
  // structure change, for every model type and language.
  for (int mask : test::kTypeMasks) {
    auto m = MakeMemory(mask);
    for (const char* text : {"DEUTSCH", "FRANZÖSISCH", "ENGLISCH"})
      EXPECT_EQ(test::Set(m, language, text, true), kChangedMore) << mask << " " << text;
  }
  // Without dependents the names stay.
  EXPECT_EQ(test::Set(heli, language, "ENGLISCH", false), kChanged);
  EXPECT_EQ(ChannelName(1, &heli), "QUE");
  EXPECT_TRUE(ApplyFunctionNames(&heli, 32));
  EXPECT_EQ(ChannelName(5, &heli), "GYR");
  EXPECT_FALSE(ApplyFunctionNames(&heli, 32));
  EXPECT_FALSE(ApplyFunctionNames(nullptr, 32));

  // A change of the heli type alone keeps the names, even one that differs from the set.
  auto heliDe = MakeMemory(32, NewMemoryLanguage::Deutsch);
  heliDe.image[76] = 0;
  EXPECT_EQ(test::Set(heliDe, test::RowNamed(119, "HELITYP"), "H-2", true), kChangedMore);
  EXPECT_EQ(ChannelName(1, &heliDe), "UE");

  auto glider = MakeMemory(4);
  const int servo = test::RowNamed(119, "SERVOTYP");
  EXPECT_EQ(test::Set(glider, servo, "5 SERVOS", true), kChangedMore);
  EXPECT_EQ(ChannelName(8, &glider), "BFL");
  EXPECT_EQ(ChannelName(5, &glider), "SFL");
  EXPECT_EQ(glider.image[94], 'L' - 32);  // rewritten as "SFL" now
}

}  // namespace
}  // namespace core
