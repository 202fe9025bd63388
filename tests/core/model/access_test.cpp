#include "core/model/access.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/model/names.h"
#include "core/model/partab_keys.h"
#include "tests/core/model/model_fixture.h"

namespace core {
namespace {

using test::MakeMemory;
using test::RowNamed;
using test::RowOfMenu;
using test::Set;
using test::Text;

constexpr int kDiff = 56, kFlpr = 65, kElvn = 59, kButm = 73, kSbtr = 51, kFunc = 21, kHold = 256;

TEST(ModelTypeMask, FromTheTwoTypeBytesAndConditionsInUseFromTheirSwitch) {
  ModellSpeicherTyp m;
  // The bytes of each type: the round trip's new memories. Standard ignores the sub type.
  const struct {
    int b118, b119, mask;
  } rows[] = {{0, 9, 1}, {1, 3, 1023}, {2, 7, 16}, {3, 5, 1023}, {7, 0, 1023}, {255, 255, 1023}};
  for (const auto& r : rows) {
    m.image[118] = static_cast<std::uint8_t>(r.b118);
    m.image[119] = static_cast<std::uint8_t>(r.b119);
    EXPECT_EQ(ModelTypeMask(&m), r.mask) << r.b118 << "/" << r.b119;
  }
  EXPECT_EQ(ModelTypeMask(nullptr), 1023);
  const int bits[][2] = {{30, 1}, {31, 2}, {32, 4}, {0, 4}};
  for (const auto& b : bits) EXPECT_EQ(VersionBit(b[0]), b[1]) << b[0];
  // A condition is in use while its switch byte is below 53.
  m = MakeMemory(1);
  EXPECT_FALSE(ConditionInUse(1, &m));  // default "INH" (128)
  m.image[115] = 52;
  EXPECT_TRUE(ConditionInUse(2, &m));
  m.image[115] = 53;
  EXPECT_FALSE(ConditionInUse(2, &m));
  EXPECT_TRUE(ConditionInUse(0, &m) && ConditionInUse(5, &m) && ConditionInUse(1, nullptr));
}

TEST(FindParameter, TheLookupsOfTheTelltaleRowsAndNothingOutsideTheImage) {
  const int atv = RowNamed(144, "$CHNAME1$-$CHNR1$ RATE RIGHT/UP");
  const struct {
    int mask;  // 1023: an unrecognised type byte, all types
    int address, bit, version, row, condition;
    const char* what;
  } lookups[] = {
      {1, 19, 2, 32, RowNamed(19, "DIRECTION $CHNAME3$-$CHNR3$"), 0, "a bit picks its row"},
      {1, 19, -1, 32, RowNamed(19, "DIRECTION $CHNAME1$-$CHNR1$"), 0, "any bit: the first"},
      {1, 19, 8, 32, 0, 0, "no bit 8"},
      {1, 1194, -1, 32, atv, 3, "block 3"},
      {1, 1194 | kDefaultMarker, -1, 32, atv, kDefaultCondition, "the default column"},
      {1, 813, -1, 32, RowNamed(813, "NAME FLIGHT1"), 0, "condition names are rows of their own"},
      {1, 813, -1, 30, 0, -1, "condition names are V3.2 only"},
      {32, 1797, 6, 32, RowOfMenu(kHold, "TRIM"), 0, "HOLD lies inside block 4 but is global"},
      {1, 1797, -1, 32, 0, -1, "HOLD is heli only"},
      {4, 1797, 6, 32, RowNamed(397, "$CHNAME2$->$CHNAME5$ UP"), 4, "a glider's twin of 397"},
      {1, 1447, -1, 32, 0, -1, "nothing at 1447..397; TIMER 2 TIME at 46 is no condition row"},
      {16, 388, -1, 32, RowOfMenu(kDiff, "$CHNAME1$ LEFT"), 0, "shared bytes: the first in order"},
      {1023, 119, -1, 32, RowNamed(119, "SERVOTYP"), 0, "unknown type"},
  };
  for (const auto& l : lookups) {
    SCOPED_TRACE(l.what);
    auto m = MakeMemory(l.mask == 1023 ? 1 : l.mask);
    if (l.mask == 1023) m.image[118] = 7;
    EXPECT_EQ(FindParameter(l.address, l.bit, &m, l.version), l.row);
    EXPECT_EQ(ConditionOfAddress(l.address, &m, l.version), l.condition);
  }
  // Types come from the row or its menu (system menus widened to all), versions from the row.
  EXPECT_EQ(ParameterTypeMask(atv, 30), 1023);
  EXPECT_EQ(ParameterTypeMask(RowNamed(378, "RATE $CHNAME1$"), 32), 0x3FE);
  for (int k : {0, kParamCount + 1}) {
    EXPECT_EQ(ParameterTypeMask(k, 32), 0);
    EXPECT_EQ(ParameterByteCount(k), 0);
    EXPECT_FALSE(ParameterInVersion(k, 32));
  }
  // Nothing outside the image and its five blocks.
  const auto standard = MakeMemory(1);
  for (int address : {-1, -350, 2048, 2048 + 350, 9000, 0xFFFF, kDefaultMarker | 2048}) {
    EXPECT_EQ(FindParameter(address, -1, &standard, 32), 0) << address;
    EXPECT_EQ(ConditionOfAddress(address & ~kDefaultMarker, &standard, 32), -1) << address;
    EXPECT_EQ(GetParameterText(address, -1, &standard, 32), "") << address;
  }
  // 1870..2047 are no sixth block: 1990 would reach PMX1's rates at 240 only after five steps.
  for (int address = 1870; address < 2048; ++address)
    EXPECT_EQ(FindParameter(address, -1, &standard, 32), 0) << address;
}

TEST(FindParameter, IndexEqualsThePlainWalk) {
  std::vector<ModellSpeicherTyp> memories;
  for (int mask : test::kTypeMasks) memories.push_back(MakeMemory(mask));
  memories.push_back(memories[0]);
  memories.back().image[118] = 9;  // unrecognised: all types
  for (int version : test::kVersions)
    for (const auto& m : memories)
      for (int address = 0; address < kImageSize; ++address)
        for (int bit = -1; bit <= 8; ++bit)
          ASSERT_EQ(FindParameter(address, bit, &m, version),
                    FindParameterByWalk(address, bit, &m, version))
              << "address " << address << " bit " << bit << " mask " << ModelTypeMask(&m)
              << " version " << version;
}

// Rows' units and default values are the round trip's and the default images' business.
TEST(GetParameterText, ValuesDefaultsRawBytesAndByKey) {
  auto m = MakeMemory(1);
  EXPECT_EQ(GetParameterText(45, -1, &m, 32), "01:00 min:s");  // inside the 2-byte row
  // The default column of a Glider 2 servos memory shows the Glider image: 4 servos, not 2.
  const auto glider2 = MakeMemory(2);
  EXPECT_EQ(GetParameterText(119 | kDefaultMarker, 0, &glider2, 32), "4 SERVOS");
  // A byte outside every row: hex, decimal from 10, both readings from 128, its character.
  const auto raw = [&m](std::uint8_t byte) {
    m.image[72] = byte;
    return GetParameterText(72, -1, &m, 32);
  };
  EXPECT_EQ(raw(0) + " " + raw(5) + " " + raw(10), "00 05(%) 0A(10)(*)");
  EXPECT_EQ(raw(65) + " " + raw(0x21) + " " + raw(105), "41(65) 21(33)(A) 69(105)(Ä)");
  EXPECT_EQ(raw(200) + " " + raw(128), "C8(us8:200)(s8:-56) 80(us8:128)(s8:-128)");
  EXPECT_EQ(GetParameterText(72, -1, nullptr, 32), "");
  const int atv = RowNamed(144, "$CHNAME1$-$CHNR1$ RATE RIGHT/UP");
  EXPECT_EQ(Set(m, atv, "-37", false, 2), kChanged);
  EXPECT_EQ(GetParameterText(144 + 700, 0, &m, 32), "-37 %");
  EXPECT_EQ(GetParameterText(144 + 700 + kDefaultMarker, 0, &m, 32), "100 %");
  EXPECT_EQ(FormatParameterValue(atv, 9, false, &m, false), "");  // beyond the image
  EXPECT_EQ(FormatParameterValue(0, 0, false, &m, false), "");
  EXPECT_EQ(FormatParameterValue(atv, 0, false, nullptr, false), "");
  // By key: the first row with the key and channel.
  EXPECT_EQ(GetTextByKey(key::kLanguage, -1, 3, &m, 32), "ENGLISCH");  // a global row stays put
  const int atv4 = RowNamed(150, "$CHNAME4$-$CHNR4$ RATE RIGHT/UP");
  ASSERT_EQ(Set(m, atv4, "-55", false, 2), kChanged);
  EXPECT_EQ(GetTextByKey(key::kAtvRateRightUp, 4, 2, &m, 32), "-55 %");
  EXPECT_EQ(GetTextByKey(key::kAtvRateRightUp, 4, 1, &m, 32), "100 %");
  EXPECT_EQ(GetTextByKey(999, -1, 0, &m, 32), "");
  EXPECT_EQ(GetTextByKey(key::kLanguage, -1, 0, nullptr, 32), "");
}

// That a write keeps every bit outside its row is the round trip's property over every row.
TEST(SetParameterText, WritesOnlyWhereARowIsAndWhatItsBytesHold) {
  auto m = MakeMemory(1);
  const int limit = RowNamed(160, "$CHNAME1$-$CHNR1$ LIMIT RIGHT/UP");
  const int offset = RowNamed(49, "OFFSET SW E");
  EXPECT_EQ(Set(m, limit, "12,5 %", false), kChanged);
  EXPECT_EQ(m.image[160], 12);
  // Names write all their bytes, padded with blanks.
  EXPECT_EQ(SetParameterText(0, 0, &m, false, "  asw 28 ", 32), kChanged);
  EXPECT_EQ(GetParameterText(0, 0, &m, 32), "ASW 28");
  EXPECT_EQ(m.image[11], 0);
  const auto before = m.image;
  EXPECT_EQ(Set(m, limit, " 12 ", true), kUnchanged);
  // OFFSET SW E: a signed byte shown through the curve formula reaches only -21..123 %;
  // a plain byte holds nothing above 255.
  EXPECT_EQ(Set(m, offset, "-100 %", true), kUnchanged);
  EXPECT_EQ(Set(m, offset, "124", true), kUnchanged);
  EXPECT_EQ(Set(m, limit, "300", true), kUnchanged);                   // would read back as 44 %
  EXPECT_EQ(SetParameterText(72, -1, &m, true, "5", 32), kUnchanged);  // no row
  EXPECT_EQ(SetParameterText(144 | kDefaultMarker, 0, &m, true, "5", 32), kUnchanged);
  EXPECT_EQ(SetParameterText(144, 0, nullptr, true, "5", 32), kUnchanged);
  EXPECT_EQ(SetParameterText(9999, 0, &m, true, "5", 32), kUnchanged);
  // A list with a fallback item names no value for an unknown text.
  EXPECT_EQ(SetParameterText(42, 0, &m, true, "SWITCH +Z", 32), kUnchanged);
  EXPECT_EQ(m.image, before);
}

TEST(SetParameterText, OwnDisplayTextChangesNoByte) {
  // The editor commits a cell's text whenever its editor closes: writing back what a value
  // shows must leave every byte alone, whatever byte showed it.
  for (int mask : test::kTypeMasks) {
    for (int k = 1; k <= kParamCount; ++k) {
      if ((ParameterTypeMask(k, 32) & mask) == 0 || ParameterByteCount(k) == 0) continue;
      const int address = test::AddressIn(k, 1);
      for (int raw : {0, 3, 37, 101, 128, 200, 255}) {
        auto m = MakeMemory(mask);
        m.image[static_cast<std::size_t>(address)] = static_cast<std::uint8_t>(raw);
        const auto before = m.image;
        const std::string shown = GetParameterText(address, test::FirstBit(k), &m, 32);
        EXPECT_EQ(SetParameterText(address, test::FirstBit(k), &m, true, shown, 32), kUnchanged)
            << "type " << mask << " row " << k << " byte " << raw << " text " << shown;
        EXPECT_EQ(m.image, before) << "type " << mask << " row " << k << " byte " << raw;
      }
    }
  }
}

TEST(DependencyRules, SignPartnersActMixesAndGlobalModes) {
  auto glider = MakeMemory(4), acro = MakeMemory(16);  // BUTm: 4 and 5 servos; SBTr GLOBAL
  const int down = RowOfMenu(kButm, "DOWN"), up = RowOfMenu(kButm, "UP");
  const int diff = RowOfMenu(kDiff, "ON/OFF"), flpr = RowOfMenu(kFlpr, "FLAPERON ON/OFF");
  const int elvn = RowOfMenu(kElvn, "ON/OFF"), source1 = RowOfMenu(kFunc, "$CHNAME1$ SOURCE CH1");
  const int rate3 = RowOfMenu(kSbtr, "RATE $CHNAME3$"), mode = RowOfMenu(kSbtr, "MODE");
  ASSERT_EQ(test::Texts(acro, diff) + " " + Text(acro, mode), "ACT, ACT, ACT, ACT, ACT GLOBAL");
  // One write each, and what a watched row then shows in conditions 0..4.
  const struct {
    ModellSpeicherTyp* m;
    int row, condition;
    const char* text;
    bool dependents;
    int version, result, watched;
    const char* shows;
  } steps[] = {
      {&glider, up, 1, "30", false, 32, kChanged, up, "50 %, 30 %, 50 %, 50 %, 50 %"},
      {&glider, down, 1, "-20", true, 32, kChangedMore, up, "50 %, -30 %, 50 %, 50 %, 50 %"},
      {&glider, down, 1, "5", true, 32, kChangedMore, up, "50 %, 30 %, 50 %, 50 %, 50 %"},
      {&glider, down, 1, "6", true, 32, kChanged, up, "50 %, 30 %, 50 %, 50 %, 50 %"},
      {&glider, down, 1, "-6", false, 32, kChanged, up, "50 %, 30 %, 50 %, 50 %, 50 %"},
      // One of three mixes is ACT; DIFF is not FLPR's menu, so the result stays 1.
      {&acro, flpr, 2, "ACT", true, 32, kChanged, diff, "ACT, ACT, INH, ACT, ACT"},
      {&acro, elvn, 2, "ACT", true, 32, kChanged, flpr, "INH, INH, INH, INH, INH"},
      {&acro, diff, 2, "ACT", false, 32, kChanged, elvn, "INH, INH, ACT, INH, INH"},
      // V3.0 has no GLOBAL rule; from V3.1 a GLOBAL mode copies to every condition.
      {&acro, rate3, 2, "10", true, 30, kChanged, rate3, "0 %, 0 %, 10 %, 0 %, 0 %"},
      {&acro, rate3, 3, "10", true, 32, kChangedMore, rate3, "10 %, 10 %, 10 %, 10 %, 10 %"},
      {&acro, rate3, 1, "10", true, 32, kUnchanged, rate3, "10 %, 10 %, 10 %, 10 %, 10 %"},
      {&acro, mode, 0, "SEPARATE", true, 32, kChanged, rate3, "10 %, 10 %, 10 %, 10 %, 10 %"},
      {&acro, rate3, 4, "-7", true, 32, kChanged, rate3, "10 %, 10 %, 10 %, 10 %, -7 %"},
      {&acro, mode, 0, "GLOBAL", true, 32, kChangedMore, rate3, "10 %, 10 %, 10 %, 10 %, 10 %"},
      // The three SOURCE rows by version share one GLOBAL mode.
      {&acro, source1, 1, "SWITCH +A", true, 32, kChangedMore, source1,
       "SWITCH +A, SWITCH +A, SWITCH +A, SWITCH +A, SWITCH +A"},
      {&acro, source1, 0, "FUNC -2", true, 31, kChangedMore, source1,
       "FUNC -2, FUNC -2, FUNC -2, FUNC -2, FUNC -2"},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(std::string(ParamDef(s.row).name) + " = " + s.text);
    EXPECT_EQ(Set(*s.m, s.row, s.text, s.dependents, s.condition, s.version), s.result);
    EXPECT_EQ(test::Texts(*s.m, s.watched, s.version), s.shows);
  }
}

TEST(DependencyRules, ModelTypeChangeFillsWhatTheTypeGains) {
  auto m = MakeMemory(1);
  const int atv = RowNamed(144, "$CHNAME1$-$CHNR1$ RATE RIGHT/UP");
  ASSERT_EQ(Set(m, atv, "-37", false, 3), kChanged);
  m.image[1797] = 0x11;  // HOLD bytes hold Standard garbage before the change
  m.image[390 + 350 * 2] = 0x77;
  const int modelType = RowNamed(118, "MODELLTYP");
  EXPECT_EQ(Set(m, modelType, "HELI", true), kChangedMore);
  EXPECT_EQ(ModelTypeMask(&m), 32);
  const auto& heli = DefaultImageFor(32);
  EXPECT_EQ(Text(m, atv, 3), "-37 %");                 // shared parameters keep their values
  EXPECT_EQ(m.image[390 + 350 * 2], heli[390]);        // GYRO "POSI" of every condition
  EXPECT_EQ(m.image[1797] & 0xC0, heli[1797] & 0xC0);  // HOLD "TRIM"/"MODE" once
  EXPECT_EQ(m.image[1797] & 0x3F, 0x11);               // bits of no heli row stay
  EXPECT_EQ(m.image[1798], heli[1798]);
  EXPECT_EQ(ChannelName(5, &m) + ChannelName(8, &m), "GYRAU2");
  // Without dependents only the type byte changes (the round trip's property), still a 2.
  auto plain = MakeMemory(1);
  EXPECT_EQ(Set(plain, modelType, "ACRO", false), kChangedMore);
}

// Condition 0's default name and channel 9's name and number: the expanded names below.
TEST(ChannelAndConditionNames, DecodeTheNameBytesAndNumbersFollowTheSources) {
  // Characters are stored as their Windows-1252 byte less 32.
  const std::pair<char32_t, int> encoded[] = {{U'Œ', 0x8C - 32}, {U'€', 0x80 - 32},
                                              {U'é', 0xE9 - 32}, {U'ł', '?' - 32},
                                              {U'ö', 106},       {U'H', 'H' - 32}};
  for (const auto& [c, code] : encoded) EXPECT_EQ(EncodeFunctionChar(c), code) << code;
  auto m = MakeMemory(1);
  EXPECT_EQ(ChannelName(0, &m) + ChannelName(10, &m), "AILAIL");  // out of range counts as 1
  EXPECT_EQ(ChannelName(1, nullptr) + ChannelNumberText(1, 0, nullptr), "");
  m.image[76] = 33, m.image[77] = 0, m.image[78] = 34;  // "A", blank, "B"
  EXPECT_EQ(ChannelName(1, &m), "AB");
  EXPECT_EQ(Set(m, RowOfMenu(kFunc, "NAME 1"), "höh", false), kChanged);
  EXPECT_EQ(ChannelName(1, &m), "HÖH");
  auto glider = MakeMemory(4);  // function 5 is stored as "SF1" and shown as "SFL"
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
  // Condition names: "DEFAULT", the FLIGHTn and heli names are the expanded names' business.
  EXPECT_EQ(ConditionName(1, &glider) + " " + ConditionName(4, &glider), "START LANDING");
  EXPECT_EQ(ConditionName(7, &glider), "NORMAL");
  EXPECT_EQ(ConditionName(1, nullptr) + ConditionName(16, nullptr), "DEFAULT");
  const int name2 = RowNamed(1163, "NAME FLIGHT2");
  EXPECT_EQ(Set(glider, name2, "A B", true), kChangedMore);
  EXPECT_EQ(ConditionName(2, &glider), "AB");
}

// With the channel a row names: the largest one in its placeholders, -1 for none.
TEST(ExpandedParameterName, JoinsConditionMenuAndNameAndNamesTheChannel) {
  const auto standard = MakeMemory(1), heli = MakeMemory(32), glider = MakeMemory(8);
  auto named = MakeMemory(1);
  ASSERT_EQ(Set(named, RowNamed(813, "NAME FLIGHT1"), "$CHNR1$", true), kChangedMore);
  const struct {
    const ModellSpeicherTyp* m;
    int address, bit;
    bool hideChannel;
    const char* name;
    int channel;
  } cases[] = {
      {&standard, 144, 0, true, "NORMAL\\ATV\\- RATE RIGHT/UP", 1},
      {&standard, 118, 0, false, "GLOBAL\\MODEL TYPE\\MODELLTYP", -1},
      // The condition comes from the address passed in, the test from the row's own address.
      {&standard, 144 + 3 * 350, 0, false, "FLIGHT3\\ATV\\AIL-1 RATE RIGHT/UP", 1},
      {&standard, 144 | kDefaultMarker, 0, false, "DEFAULT\\ATV\\AIL-1 RATE RIGHT/UP", 1},
      {&standard, 127, -1, false, "NORMAL\\FUNCTION CHANGE\\AUX SOURCE CH8", 8},
      {&standard, 2047, -1, false, "$7FF", -1},
      {&standard, 18, 0, false, "GLOBAL\\SERVO REVERSE\\DIRECTION CH9-9", 9},
      {&standard, 19, 2, false, "GLOBAL\\SERVO REVERSE\\DIRECTION THR-3", 3},
      {&heli, 117, 0, false, "GLOBAL\\MIX SWITCH\\TH-HOLD", -1},
      {&heli, 1797, 6, false, "GLOBAL\\HOLD\\TRIM", -1},
      {&glider, 398, 0, false, "NORMAL\\BREAK FLAP\\BFL->ELE DOWN", 8},  // "$CHNAME8$->$CHNAME2$"
      // A condition named like a placeholder is filled in too: the whole joined name is searched.
      {&named, 144 + 350, 0, false, "1\\ATV\\AIL-$CHNR1$ RATE RIGHT/UP", 1},
      {&named, 144 + 350, 0, true, "\\ATV\\-$CHNR1$ RATE RIGHT/UP", 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExpandedParameterName(c.address, c.bit, c.hideChannel, c.m, 32), c.name) << c.address;
    EXPECT_EQ(ChannelOfParameter(c.address, c.bit, c.m, 32), c.channel) << c.address;
  }
}

TEST(FunctionNames, FollowLanguageAndModelType) {
  auto heli = MakeMemory(32, NewMemoryLanguage::Deutsch);  // names: the new memory's test
  const int language = RowNamed(108, "SPRACHE");
  // A language change renames the functions everywhere: 2, so the window refreshes as for a
  // structure change, for every model type and language.
  for (int mask : test::kTypeMasks) {
    auto m = MakeMemory(mask);
    for (const char* text : {"DEUTSCH", "FRANZÖSISCH", "ENGLISCH"})
      EXPECT_EQ(Set(m, language, text, true), kChangedMore) << mask << " " << text;
  }
  // Without dependents the names stay.
  EXPECT_EQ(Set(heli, language, "ENGLISCH", false), kChanged);
  EXPECT_EQ(ChannelName(1, &heli), "QUE");
  EXPECT_TRUE(ApplyFunctionNames(&heli, 32));
  EXPECT_EQ(ChannelName(5, &heli), "GYR");
  EXPECT_FALSE(ApplyFunctionNames(&heli, 32));
  EXPECT_FALSE(ApplyFunctionNames(nullptr, 32));

  // A change of the heli type alone keeps the names, even one that differs from the set.
  auto heliDe = MakeMemory(32, NewMemoryLanguage::Deutsch);
  heliDe.image[76] = 0;
  EXPECT_EQ(Set(heliDe, RowNamed(119, "HELITYP"), "H-2", true), kChangedMore);
  EXPECT_EQ(ChannelName(1, &heliDe), "UE");

  auto glider = MakeMemory(4);
  const int servo = RowNamed(119, "SERVOTYP");
  EXPECT_EQ(Set(glider, servo, "5 SERVOS", true), kChangedMore);
  EXPECT_EQ(ChannelName(8, &glider), "BFL");
  EXPECT_EQ(glider.image[94], 'L' - 32);  // rewritten as "SFL" now
}

}  // namespace
}  // namespace core
