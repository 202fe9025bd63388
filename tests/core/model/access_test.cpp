#include "core/model/access.h"

#include <gtest/gtest.h>

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

TEST(ModelTypeMask, FromTheTwoTypeBytes) {
  ModellSpeicherTyp m;
  const struct {
    int b118, b119, mask;
  } rows[] = {{0, 9, 1},   {1, 2, 2},   {1, 1, 4},   {1, 0, 8},   {1, 3, 1023}, {2, 7, 16},
              {3, 0, 32},  {3, 1, 64},  {3, 2, 128}, {3, 3, 256}, {3, 4, 512},  {3, 5, 1023},
              {7, 0, 1023}, {255, 255, 1023}};
  for (const auto& r : rows) {
    m.image[118] = static_cast<std::uint8_t>(r.b118);
    m.image[119] = static_cast<std::uint8_t>(r.b119);
    EXPECT_EQ(ModelTypeMask(&m), r.mask) << r.b118 << "/" << r.b119;
  }
  EXPECT_EQ(ModelTypeMask(nullptr), 1023);
  const int bits[][2] = {{30, 1}, {31, 2}, {32, 4}, {0, 4}};
  for (const auto& b : bits) EXPECT_EQ(VersionBit(b[0]), b[1]) << b[0];
}

TEST(RowQueries, TypesComeFromTheRowOrItsMenuAndVersions) {
  const int atv = RowNamed(144, "$CHNAME1$-$CHNR1$ RATE RIGHT/UP");
  const int nameFlight1 = RowNamed(813, "NAME FLIGHT1");
  EXPECT_EQ(ParameterTypeMask(atv, 30), 1023);  // system menu widened
  EXPECT_EQ(ParameterTypeMask(RowNamed(378, "RATE $CHNAME1$"), 32), 0x3FE);  // its menu's
  EXPECT_EQ(ParameterTypeMask(nameFlight1, 31), 0);  // V3.2 only
  EXPECT_TRUE(ParameterInVersion(nameFlight1, 32));
  EXPECT_FALSE(ParameterInVersion(0, 32));
  EXPECT_EQ(ParameterTypeMask(667, 32), 0);
  EXPECT_EQ(ParameterByteCount(0), 0);
  EXPECT_TRUE(HasValueList(0));
  EXPECT_FALSE(HasValueList(RowNamed(0, "NAME")));
}

TEST(FindParameter, TheLookupsOfTheTelltaleRows) {
  const auto standard = MakeMemory(1);
  EXPECT_EQ(FindParameter(19, 2, &standard, 32), RowNamed(19, "DIRECTION $CHNAME3$-$CHNR3$"));
  EXPECT_EQ(FindParameter(19, -1, &standard, 32), RowNamed(19, "DIRECTION $CHNAME1$-$CHNR1$"));
  EXPECT_EQ(FindParameter(19, 8, &standard, 32), 0);
  const int atv = RowNamed(144, "$CHNAME1$-$CHNR1$ RATE RIGHT/UP");
  EXPECT_EQ(FindParameter(1194, -1, &standard, 32), atv);
  EXPECT_EQ(ConditionOfAddress(1194, &standard, 32), 3);
  EXPECT_EQ(ConditionOfAddress(1194 | kDefaultMarker, &standard, 32), 16);
  EXPECT_EQ(FindParameter(1194 | kDefaultMarker, -1, &standard, 32), atv);
  // Condition names are rows of their own, in V3.2 only.
  EXPECT_EQ(FindParameter(813, -1, &standard, 32), RowNamed(813, "NAME FLIGHT1"));
  EXPECT_EQ(ConditionOfAddress(813, &standard, 32), 0);
  EXPECT_EQ(FindParameter(813, -1, &standard, 30), 0);
  EXPECT_EQ(GetParameterText(813, -1, &standard, 30), "00");
  // HOLD lies inside block 4 but is global.
  const auto heli = MakeMemory(32);
  EXPECT_EQ(FindParameter(1797, 6, &heli, 32), RowOfMenu(kHold, "TRIM"));
  EXPECT_EQ(ConditionOfAddress(1797, &heli, 32), 0);
  EXPECT_EQ(FindParameter(1797, -1, &standard, 32), 0);
  EXPECT_EQ(GetParameterText(1797, 6, &standard, 32), "64(100)");
  // For a glider 1797 is block 4's twin of 397, where the glider's ELEV rows live.
  const auto glider = MakeMemory(4);
  EXPECT_EQ(FindParameter(1797, 6, &glider, 32), RowNamed(397, "$CHNAME2$->$CHNAME5$ UP"));
  EXPECT_EQ(ConditionOfAddress(1797, &glider, 32), 4);
  // 1447: nothing at 1447..397 for Standard; "TIMER 2 TIME" at 46 is no condition row.
  EXPECT_EQ(FindParameter(1447, -1, &standard, 32), 0);
  EXPECT_EQ(ConditionOfAddress(1447, &standard, 32), -1);
  // Shared bytes: the first fitting row in table order.
  const auto acro = MakeMemory(16);
  EXPECT_EQ(FindParameter(388, -1, &acro, 32), RowOfMenu(kDiff, "$CHNAME1$ LEFT"));
  ModellSpeicherTyp unknown = standard;
  unknown.image[118] = 7;
  EXPECT_EQ(FindParameter(388, -1, &unknown, 32), RowOfMenu(kDiff, "$CHNAME1$ LEFT"));
  EXPECT_EQ(FindParameter(119, -1, &unknown, 32), RowNamed(119, "SERVOTYP"));
}

TEST(FindParameter, StaysInsideTheImageAndItsFiveBlocks) {
  const auto standard = MakeMemory(1);
  for (int address : {-1, -350, 2048, 2048 + 350, 9000, 0xFFFF, kDefaultMarker | 2048}) {
    EXPECT_EQ(FindParameter(address, -1, &standard, 32), 0) << address;
    EXPECT_EQ(ConditionOfAddress(address & ~kDefaultMarker, &standard, 32), -1) << address;
    EXPECT_EQ(GetParameterText(address, -1, &standard, 32), "") << address;
  }
  // 1870..2047 are no sixth block: 1990 would reach PMX1's rates at 240 only after five steps.
  for (int address = 1870; address < 2048; ++address)
    EXPECT_EQ(FindParameter(address, -1, &standard, 32), 0) << address;
  EXPECT_EQ(GetParameterText(1990, -1, &standard, 32), "FF(us8:255)(s8:-1)");
}

TEST(FindParameter, IndexEqualsThePlainWalk) {
  std::vector<ModellSpeicherTyp> memories;
  for (int mask : test::kTypeMasks) memories.push_back(MakeMemory(mask));
  memories.push_back(memories[0]);
  memories.back().image[118] = 9;  // unrecognised: all types
  for (int version : test::kVersions)
    for (const auto& m : memories)
      for (int address = 0; address < kImageSize; ++address)
        for (int bit = -1; bit <= 8; ++bit) {
          const int indexed = FindParameter(address, bit, &m, version);
          const int walked = FindParameterByWalk(address, bit, &m, version);
          if (indexed != walked) {
            ADD_FAILURE() << "address " << address << " bit " << bit << " mask "
                          << ModelTypeMask(&m) << " version " << version << ": " << indexed
                          << " != " << walked;
            return;
          }
        }
}

TEST(GetParameterText, RawBytesOutsideEveryRow) {
  auto m = MakeMemory(1);
  const struct {
    std::uint8_t byte;
    const char* text;
  } rows[] = {{0, "00"}, {5, "05(%)"}, {65, "41(65)"}, {0x21, "21(33)(A)"}, {10, "0A(10)(*)"},
              {200, "C8(us8:200)(s8:-56)"}, {128, "80(us8:128)(s8:-128)"}, {105, "69(105)(Ä)"}};
  for (const auto& r : rows) {
    m.image[72] = r.byte;
    EXPECT_EQ(GetParameterText(72, -1, &m, 32), r.text);
  }
  EXPECT_EQ(GetParameterText(72, -1, nullptr, 32), "");
}

TEST(GetParameterText, ValuesUnitsAndDefaults) {
  auto m = MakeMemory(1);
  const int atv = RowNamed(144, "$CHNAME1$-$CHNR1$ RATE RIGHT/UP");
  EXPECT_EQ(GetParameterText(144, 0, &m, 32), "100 %");
  EXPECT_EQ(GetParameterText(44, 0, &m, 32), "01:00 min:s");
  EXPECT_EQ(GetParameterText(45, -1, &m, 32), "01:00 min:s");  // inside the 2-byte row
  EXPECT_EQ(GetParameterText(0, 0, &m, 32), "DEF STANDARD");   // no "_" in the name code
  EXPECT_EQ(GetParameterText(76, 0, &m, 32), "AIL");
  EXPECT_EQ(Set(m, atv, "-37", false, 2), kChanged);
  EXPECT_EQ(GetParameterText(144 + 700, 0, &m, 32), "-37 %");
  EXPECT_EQ(GetParameterText(144 + 700 + kDefaultMarker, 0, &m, 32), "100 %");
  EXPECT_EQ(FormatParameterValue(atv, 2, false, &m, true), "-37");
  EXPECT_EQ(FormatParameterValue(atv, 2, true, &m, false), "100 %");
  EXPECT_EQ(FormatParameterValue(atv, 9, false, &m, false), "");  // beyond the image
  EXPECT_EQ(FormatParameterValue(0, 0, false, &m, false), "");
  EXPECT_EQ(FormatParameterValue(atv, 0, false, nullptr, false), "");
  // The default column of a Glider 2 servos memory shows the Glider image: 4 servos.
  const auto glider2 = MakeMemory(2);
  EXPECT_EQ(GetParameterText(119, 0, &glider2, 32), "2 SERVOS");
  EXPECT_EQ(GetParameterText(119 | kDefaultMarker, 0, &glider2, 32), "4 SERVOS");
}

// That a write keeps every bit outside its row is the round trip's property over every row.
TEST(SetParameterText, ReadsTheTextAndWritesOnlyWhereARowIs) {
  auto m = MakeMemory(1);
  const int limit = RowNamed(160, "$CHNAME1$-$CHNR1$ LIMIT RIGHT/UP");
  ASSERT_NE(limit, 0);
  EXPECT_EQ(Set(m, limit, "12,5 %", false), kChanged);
  EXPECT_EQ(m.image[160], 12);
  EXPECT_EQ(Set(m, limit, " 12 ", false), kUnchanged);
  // Names write all their bytes, padded with blanks.
  EXPECT_EQ(SetParameterText(0, 0, &m, false, "  asw 28 ", 32), kChanged);
  EXPECT_EQ(GetParameterText(0, 0, &m, 32), "ASW 28");
  EXPECT_EQ(m.image[11], 0);
  // Nothing there, no memory, the default image: nothing written.
  const auto before = m.image;
  EXPECT_EQ(SetParameterText(72, -1, &m, true, "5", 32), kUnchanged);
  EXPECT_EQ(SetParameterText(144 | kDefaultMarker, 0, &m, true, "5", 32), kUnchanged);
  EXPECT_EQ(SetParameterText(144, 0, nullptr, true, "5", 32), kUnchanged);
  EXPECT_EQ(SetParameterText(9999, 0, &m, true, "5", 32), kUnchanged);
  // A list with a fallback item names no value for an unknown text.
  EXPECT_EQ(SetParameterText(42, 0, &m, true, "SWITCH +Z", 32), kUnchanged);
  EXPECT_EQ(m.image, before);
}

TEST(SetParameterText, RefusesValuesTheBytesCannotHold) {
  auto m = MakeMemory(1);
  // OFFSET SW E: a signed byte shown through the curve formula reaches only -21..123 %.
  const int offset = RowNamed(49, "OFFSET SW E");
  ASSERT_NE(offset, 0);
  EXPECT_EQ(Set(m, offset, "-21 %", false), kChanged);
  EXPECT_EQ(Text(m, offset), "-21 %");
  const auto before = m.image;
  EXPECT_EQ(Set(m, offset, "-100 %", false), kUnchanged);
  EXPECT_EQ(Set(m, offset, "124", false), kUnchanged);
  // A plain byte holds nothing above 255: 300 % would read back as 44 %.
  const int limit = RowNamed(160, "$CHNAME1$-$CHNR1$ LIMIT RIGHT/UP");
  ASSERT_NE(limit, 0);
  EXPECT_EQ(Set(m, limit, "300", false), kUnchanged);
  EXPECT_EQ(m.image, before);
}

TEST(SetParameterText, OwnDisplayTextChangesNoByte) {
  // The editor commits a cell's text whenever its editor closes: writing back what a value
  // shows must leave every byte alone, whatever byte showed it.
  for (int mask : test::kTypeMasks) {
    for (int k = 1; k <= kParamCount; ++k) {
      if ((ParameterTypeMask(k, 32) & mask) == 0 || ParameterByteCount(k) == 0) continue;
      const int address = ParamDef(k).address + (IsConditionAddress(ParamDef(k).address) ? 350 : 0);
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

TEST(DependencyRules, SignPartnerKeepsTheSign) {
  auto m = MakeMemory(4);  // BUTm exists for 4 and 5 servos
  const int down = RowOfMenu(kButm, "DOWN"), up = RowOfMenu(kButm, "UP");
  ASSERT_EQ(Set(m, up, "30", false, 1), kChanged);
  EXPECT_EQ(Set(m, down, "-20", true, 1), kChangedMore);
  EXPECT_EQ(Text(m, up, 1), "-30 %");
  EXPECT_EQ(Text(m, down, 1), "-20 %");
  EXPECT_EQ(Text(m, up, 0), "50 %");  // other conditions untouched
  EXPECT_EQ(Set(m, down, "5", true, 1), kChangedMore);
  EXPECT_EQ(Text(m, up, 1), "30 %");
  EXPECT_EQ(Set(m, down, "6", true, 1), kChanged);  // same sign: partner stays
  EXPECT_EQ(Set(m, down, "-6", false, 1), kChanged);
  EXPECT_EQ(Text(m, up, 1), "30 %");
}

TEST(DependencyRules, ActKeepsOneOfThreeMixes) {
  auto m = MakeMemory(16);
  const int diff = RowOfMenu(kDiff, "ON/OFF"), flpr = RowOfMenu(kFlpr, "FLAPERON ON/OFF");
  const int elvn = RowOfMenu(kElvn, "ON/OFF");
  ASSERT_EQ(Text(m, diff, 2), "ACT");
  EXPECT_EQ(Set(m, flpr, "ACT", true, 2), kChanged);  // DIFF is not FLPR's menu
  EXPECT_EQ(Text(m, diff, 2) + Text(m, flpr, 2) + Text(m, diff, 0), "INHACTACT");
  EXPECT_EQ(Set(m, elvn, "ACT", true, 2), kChanged);
  EXPECT_EQ(Text(m, flpr, 2) + Text(m, elvn, 2), "INHACT");
  EXPECT_EQ(Set(m, diff, "ACT", false, 2), kChanged);  // without dependents two stay ACT
  EXPECT_EQ(Text(m, elvn, 2), "ACT");
}

TEST(DependencyRules, GlobalModeCopiesToEveryCondition) {
  const int rate3 = RowOfMenu(kSbtr, "RATE $CHNAME3$");
  const int mode = RowOfMenu(kSbtr, "MODE");
  {
    auto m = MakeMemory(16);  // SBTr MODE is GLOBAL in the default
    EXPECT_EQ(Set(m, rate3, "10", true, 2, 30), kChanged);  // V3.0: no GLOBAL rule
    for (int c : {0, 1, 3, 4}) EXPECT_EQ(Text(m, rate3, c, 30), "0 %");
    EXPECT_EQ(Text(m, rate3, 2, 30), "10 %");
  }
  {
    auto m = MakeMemory(16);
    ASSERT_EQ(Text(m, mode), "GLOBAL");
    EXPECT_EQ(Set(m, rate3, "10", true, 2, 32), kChangedMore);
    for (int c = 0; c <= 4; ++c) EXPECT_EQ(Text(m, rate3, c), "10 %");
    EXPECT_EQ(Set(m, rate3, "10", true, 3, 32), kUnchanged);
    // SEPARATE: one condition only; back to GLOBAL: condition 0 goes everywhere.
    EXPECT_EQ(Set(m, mode, "SEPARATE", true), kChanged);
    EXPECT_EQ(Set(m, rate3, "-7", true, 4), kChanged);
    EXPECT_EQ(Text(m, rate3, 4), "-7 %");
    EXPECT_EQ(Set(m, mode, "GLOBAL", true), kChangedMore);
    EXPECT_EQ(Text(m, rate3, 4), "10 %");
  }
  {
    auto m = MakeMemory(1);  // the three SOURCE rows by version share one GLOBAL mode
    const int source1 = RowOfMenu(kFunc, "$CHNAME1$ SOURCE CH1");
    EXPECT_EQ(Set(m, source1, "SWITCH +A", true, 1, 32), kChangedMore);
    for (int c = 0; c <= 4; ++c) EXPECT_EQ(m.image[120 + 350 * c], 16);
    EXPECT_EQ(Set(m, source1, "FUNC -2", true, 0, 31), kChangedMore);
    for (int c = 0; c <= 4; ++c) EXPECT_EQ(m.image[120 + 350 * c], 129);
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
  EXPECT_EQ(Text(m, atv, 3), "-37 %");  // shared parameters keep their values
  EXPECT_EQ(m.image[390 + 350 * 2], heli[390]);  // GYRO "POSI" of every condition
  EXPECT_EQ(m.image[1797] & 0xC0, heli[1797] & 0xC0);  // HOLD "TRIM"/"MODE" once
  EXPECT_EQ(m.image[1797] & 0x3F, 0x11);  // bits of no heli row stay
  EXPECT_EQ(m.image[1798], heli[1798]);
  EXPECT_EQ(ChannelName(5, &m), "GYR");
  EXPECT_EQ(ChannelName(8, &m), "AU2");
  // Without dependents only the type byte changes.
  auto plain = MakeMemory(1);
  auto expected = plain.image;
  expected[118] = 2;
  EXPECT_EQ(Set(plain, modelType, "ACRO", false), kChangedMore);
  EXPECT_EQ(plain.image, expected);
}

TEST(GetTextByKey, FirstRowWithKeyAndChannel) {
  auto m = MakeMemory(1);
  EXPECT_EQ(GetTextByKey(key::kLanguage, -1, 0, &m, 32), "ENGLISCH");
  EXPECT_EQ(GetTextByKey(key::kLanguage, -1, 3, &m, 32), "ENGLISCH");  // a global row stays put
  const int atv = RowNamed(150, "$CHNAME4$-$CHNR4$ RATE RIGHT/UP");
  ASSERT_EQ(Set(m, atv, "-55", false, 2), kChanged);
  EXPECT_EQ(GetTextByKey(key::kAtvRateRightUp, 4, 2, &m, 32), "-55 %");
  EXPECT_EQ(GetTextByKey(key::kAtvRateRightUp, 4, 1, &m, 32), "100 %");
  EXPECT_EQ(GetTextByKey(999, -1, 0, &m, 32), "");
  EXPECT_EQ(GetTextByKey(key::kLanguage, -1, 0, nullptr, 32), "");
}

TEST(ConditionInUse, SwitchBelow53) {
  auto m = MakeMemory(1);
  EXPECT_FALSE(ConditionInUse(1, &m));  // default "INH" (128)
  m.image[115] = 52;
  EXPECT_TRUE(ConditionInUse(2, &m));
  m.image[115] = 53;
  EXPECT_FALSE(ConditionInUse(2, &m));
  EXPECT_TRUE(ConditionInUse(0, &m) && ConditionInUse(5, &m) && ConditionInUse(1, nullptr));
}

}  // namespace
}  // namespace core
