#include "core/model/partab.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/model/partab_keys.h"
#include "core/model/partab_layout.h"
#include "core/model/partab_table.h"
#include "core/model/storage.h"
#include "core/model/valuelist.h"
#include "tests/core/model/model_fixture.h"

namespace core {
namespace {

using test::RowOfMenu;

// Menu ids used below.
constexpr int kTimr = 3, kMxSw = 9, kMxTy = 13, kAtv = 14, kAfr = 15, kRevr = 12, kFunc = 21;
constexpr int kPara = 28, kSbtr = 51, kPcrv = 157, kSwsh = 60;

int FirstRowWithKey(int key) {
  for (int k = 1; k <= kParamCount; ++k)
    if (ParamDef(k).key == key) return k;
  return 0;
}

int CountRowsWithKey(int key) {
  int n = 0;
  for (int k = 1; k <= kParamCount; ++k) n += ParamDef(k).key == key ? 1 : 0;
  return n;
}

// name, address, key, unit, menu, menu2, order, types, storage, formula, versions, min, max
using Fields = std::tuple<std::string, int, int, std::string, int, int, int, int, int, int, int,
                          int, int>;

Fields FieldsOf(const MemApplMapTyp& d) {
  return {d.name,    d.address, d.key,     d.unit,     d.menu,    d.menu2,  d.order,
          d.types,   d.storage, d.formula, d.versions, d.minimum, d.maximum};
}

TEST(ParamTable, HasTheTellingRowsInFull) {
  static_assert(sizeof(kParamTable) / sizeof(kParamTable[0]) == 666);
  const Fields telling[] = {
      {"$CHNAME1$-$CHNR1$ RATE RIGHT/UP", 144, 92, "%", kAtv, 0, 2, 0, 5, 0, 7, -110, 110},
      {"RATE $CHNAME1$", 378, 57, "%", kSbtr, 0, -1, 0, 1, 0, 7, -125, 125},
      {"POINT 1", 422, 153, "%", kPcrv, 0, 2, 0, 4, 22, 7, 0, 100},
      {"NAME 1", 76, 70, "", kFunc, 0, -1, 0, 14, 16, 7, 0, 1},
      {"$CHNAME1$-$CHNR1$ TYPE", 186, 102, "", kAfr, 0, 3, 0, 26, 11, 7, 0, 256},
      {"$FLIGHT1$", 114, 83, "", kMxSw, kMxTy, 1, 0, 0, 15, 7, 0, 128},
      {"HELITYP", 119, 81, "", kSwsh, kMxTy, -1, 992, 0, 9, 7, 0, 4},
      {"SPRACHE", 108, 78, "", kPara, 0, -1, 0, 3, 46, 7, 0, 2302233},
      {"TIMER 1 ON SWITCH", 42, 0, "", kTimr, 0, 3, 0, 24, 2, 7, 0, 64},
      {"DIRECTION $CHNAME1$-$CHNR1$", 19, 0, "", kRevr, 0, 1, 0, 6, 14, 7, 0, 1},
      {"TIMER 1 TIME", 44, 0, "min:s", kTimr, 0, 1, 0, 2, 40, 7, -3599, 3599},
  };
  for (const Fields& e : telling) {
    const int k = RowOfMenu(std::get<4>(e), std::get<0>(e));
    ASSERT_NE(k, 0) << std::get<0>(e);
    EXPECT_EQ(FieldsOf(ParamDef(k)), e);
  }
  EXPECT_STREQ(ParamDef(1).name, "NAME");
  EXPECT_EQ(ParamDef(1).storage, 16);
  EXPECT_STREQ(ParamDef(666).name, "POSITION");
  EXPECT_EQ(ParamDef(666).address, 1798);
  EXPECT_EQ(ParamDef(666).menu, 256);
  // The HOLD bytes lie in block 4 but are global rows of their own.
  EXPECT_EQ(ParamDef(664).address, 1797);
  EXPECT_EQ(ParamDef(665).address, 1797);
}

TEST(ParamTable, KeysNameTheRowsCodeReliesOn) {
  // The first and last key of each run, and the single keys.
  const struct {
    int key, menu;
    const char* name;
  } cases[] = {
      {1, 275, "FLPRN->$CHNAME2$ DOWN"}, {4, 275, "FLPRN->$CHNAME2$ UP"},
      {3, 75, "$CHNAME8$->$CHNAME2$ DOWN"}, {10, 75, "$CHNAME8$->$CHNAME1$ UP"},
      {11, 61, "$CHNAME3$->$CHNAME2$ HI"}, {13, 72, "$CHNAME1$ DOWN"}, {18, 73, "UP"},
      {21, 65, "2nd$CHNAME1$ LEFT"}, {26, 56, "$CHNAME1$2 RIGHT"}, {27, 59, "$CHNAME1$ LEFT"},
      {34, 172, "$CHNAME1$ 4rdRIGHT"}, {36, 75, "$CHNAME8$->$CHNAME5$ UP"}, {37, 21, "MODE"},
      {38, 29, "MODE"}, {39, 51, "MODE"}, {40, 66, "MODE"}, {48, 21, "$CHNAME8$ SOURCE CH8"},
      {52, 29, "RATE F4"}, {56, 29, "TRIM MEMORY F4"}, {64, 51, "RATE $CHNAME8$"},
      {65, 66, "$CHNAME5$ ON/OFF"}, {66, 66, "$CHNAME1$ ON/OFF"}, {67, 56, "ON/OFF"},
      {68, 65, "FLAPERON ON/OFF"}, {69, 59, "ON/OFF"}, {77, 21, "NAME 8"}, {79, 13, "SERVOTYP"},
      {80, 13, "MODELLTYP"}, {82, 10, "NAME"}, {86, 9, "$FLIGHT4$"}, {87, 13, "NAME NORMAL"},
      {91, 13, "NAME FLIGHT4"}, {97, 14, "$CHNAME1$-$CHNR1$ MODE"},
      {101, 15, "$CHNAME1$-$CHNR1$ RATE2 LEFT/DOWN"}, {103, 16, "D/R1 CH"},
      {118, 16, "D/R2 TYPE"}, {128, 16, "D/R3 TYPE"}, {129, 40, "MASTER FUNCTION"},
      {138, 40, "POINT 9"}, {139, 261, "POINT 1"}, {152, 261, "MODE"}, {161, 157, "POINT 9"},
      {163, 157, "LO"}, {165, 156, "RATE"}, {174, 54, "POINT 9"}, {178, 52, "RATE"},
      {179, 272, "POSI"}, {180, 272, "EXP"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    const int k = FirstRowWithKey(c.key);
    ASSERT_NE(k, 0);
    EXPECT_STREQ(ParamDef(k).name, c.name);
    EXPECT_EQ(ParamDef(k).menu, c.menu);
  }
  // Shared keys: the three SOURCE sets, the eight ATV channels; unused keys stay unused.
  EXPECT_EQ(CountRowsWithKey(key::kSourceCh1), 3);
  EXPECT_EQ(CountRowsWithKey(key::kAtvRateRightUp), 8);
  EXPECT_EQ(CountRowsWithKey(key::kAfrType), 8);
  EXPECT_EQ(CountRowsWithKey(key::kDualRate1Ch + 6), 0);
  EXPECT_EQ(CountRowsWithKey(181), 0);
  for (int k = 1; k <= 36; ++k) EXPECT_EQ(CountRowsWithKey(k), 1) << k;
}

TEST(ParamTable, PartnerTablesPairRowsOfOneKind) {
  // Every key of a pair exists; the two rows of a sign pair lie in the same menu.
  for (const auto& p : kSignPartners) {
    const int a = FirstRowWithKey(p.first), b = FirstRowWithKey(p.second);
    ASSERT_NE(a, 0);
    ASSERT_NE(b, 0);
    EXPECT_EQ(ParamDef(a).menu, ParamDef(b).menu) << p.first;
  }
  for (const auto& p : kGlobalPairs) {
    EXPECT_STREQ(ParamDef(FirstRowWithKey(p.first)).name, "MODE");
    EXPECT_NE(FirstRowWithKey(p.second), 0);
  }
  EXPECT_EQ(kActPairs[0].first, key::kDiffOnOff);
  EXPECT_EQ(kActPairs[1].first, key::kFlaperonOnOff);
  EXPECT_EQ(kActPairs[2].first, key::kElevonOnOff);
  EXPECT_EQ(kActPairs[2].second, key::kDiffOnOff);
}

TEST(ParamTable, SourceRowsComeThreeTimesByVersion) {
  const int first = FirstRowWithKey(key::kSourceCh1);
  for (int set = 0; set < 3; ++set)
    for (int n = 0; n < 8; ++n) {
      const MemApplMapTyp& d = ParamDef(first + 8 * set + n);
      EXPECT_EQ(d.address, 120 + n);
      EXPECT_EQ(d.key, key::kSourceCh1 + n);
      EXPECT_EQ(d.formula, set == 0 ? 12 : 5);
      EXPECT_EQ(d.versions, set == 0 ? 4 : set == 1 ? 2 : 1);
    }
}

TEST(ParamTable, SharedAddressesKeepTableOrder) {
  // At 388 DIFF comes before FLPR, ELVN and SWMx.
  std::vector<int> menus;
  for (int k = 1; k <= kParamCount; ++k)
    if (ParamDef(k).address == 388) menus.push_back(ParamDef(k).menu);
  ASSERT_GE(menus.size(), 4u);
  EXPECT_EQ(std::vector<int>(menus.begin(), menus.begin() + 4), (std::vector<int>{56, 65, 59, 69}));
}

TEST(ParamTable, EveryRowIsWellFormedAndFitsItsStorageType) {
  for (int k = 1; k <= kParamCount; ++k) {
    const MemApplMapTyp& d = ParamDef(k);
    SCOPED_TRACE(k);
    EXPECT_GT(StorageBytes(d.storage), 0);  // 0..34 without 25
    EXPECT_GE(d.versions, 1);
    EXPECT_LE(d.versions, 7);
    EXPECT_LE(d.minimum, d.maximum);
    EXPECT_EQ(d.types & ~0x3FF, 0);
    EXPECT_TRUE(d.order == -1 || (d.order >= 1 && d.order <= 665));
    EXPECT_LE(d.address + StorageBytes(d.storage), 1870);
    // Rows in a condition block lie wholly inside block 0 (or are the global HOLD rows).
    if (IsConditionImageAddress(d.address)) {
      EXPECT_LE(d.address + StorageBytes(d.storage), 470);
    }
  }
}

TEST(StorageTypes, ByteCountsMasksAndFirstBits) {
  const int bytes[][2] = {{0, 1},  {2, 2},  {3, 3},  {14, 3},  {15, 7}, {16, 12},
                          {26, 2}, {25, 0}, {-1, 0}, {35, 0}};
  for (const auto& b : bytes) EXPECT_EQ(StorageBytes(b[0]), b[1]) << b[0];
  const int masks[][3] = {{17, 254, 1}, {18, 56, 3}, {19, 48, 4}, {20, 7, 0},  {21, 224, 5},
                          {23, 112, 4}, {24, 63, 0}, {34, 127, 0}, {0, 255, 0}};
  for (const auto& m : masks) {
    EXPECT_EQ(StorageMask(m[0]), m[1]) << m[0];
    EXPECT_EQ(StorageFirstBit(m[0]), m[2]) << m[0];
  }
  for (int t = 6; t <= 13; ++t) {
    EXPECT_EQ(StorageMask(t), 1 << (t - 6));
    EXPECT_EQ(StorageFirstBit(t), t - 6);
    EXPECT_TRUE(IsBitStorage(t));
  }
  for (int t = 26; t <= 33; ++t) {
    EXPECT_EQ(StorageFirstBit(t), t - 26);
    EXPECT_EQ(StorageRawMask(t), (1u << (t - 26)) * 257u);
    EXPECT_TRUE(IsBitStorage(t));
  }
  EXPECT_EQ(StorageRawMask(3), 0xFFFFFFu);
  EXPECT_FALSE(IsBitStorage(14));
  EXPECT_FALSE(IsBitStorage(34));
}

TEST(StorageTypes, EdgeCasesOfTheEncodings) {
  const struct {
    int type;
    std::uint32_t raw;
    int value;
  } bothWays[] = {{5, 200, -72},  {5, 100, 100},  {4, 200, 56},        {4, 30, -30},
                  {4, 0, 0},      {22, 0, -1},    {22, 1, 0},          {22, 128, 127},
                  {22, 131, -2},  {17, 254, 127}, {1, 200, -56},       {2, 0xFF38, -200},
                  {0, 255, 255},  {26, 0x0101, 257}, {3, 2302233, 2302233}};
  for (const auto& c : bothWays) {
    EXPECT_EQ(DecodeStorage(c.type, c.raw), c.value) << c.type << " " << c.raw;
    EXPECT_EQ(EncodeStorage(c.type, c.value), c.raw) << c.type << " " << c.value;
  }
  // Foreign bits and bytes are ignored; the second forms of 0 and -1 the transmitter never writes.
  EXPECT_EQ(DecodeStorage(17, 255), 127);
  EXPECT_EQ(DecodeStorage(26, 0x0100), 256);  // "VTR"
  EXPECT_EQ(DecodeStorage(27, 0x0100), 0);
  EXPECT_EQ(DecodeStorage(18, 0x2F), 5);
  EXPECT_EQ(DecodeStorage(0, 0x1FF), 255);
  EXPECT_EQ(DecodeStorage(5, 128), 0);
  EXPECT_EQ(DecodeStorage(22, 129), 0);
  EXPECT_EQ(DecodeStorage(22, 130), -1);
  EXPECT_EQ(EncodeStorage(0, -1), 255u);
  EXPECT_EQ(EncodeStorage(15, 65), 0u);
  EXPECT_EQ(DecodeStorage(25, 7), 0);
  EXPECT_EQ(MergeRaw(17, 0x01, EncodeStorage(17, 127)), 0xFFu);  // bit 0 keeps its value
  EXPECT_EQ(MergeRaw(17, 0x00, EncodeStorage(17, 127)), 0xFEu);
  EXPECT_EQ(MergeRaw(18, 0xFF, EncodeStorage(18, 2)), 0xD7u);
}

TEST(StorageTypes, EveryValueOfEveryTypeRoundTrips) {
  // Value range of a numeric type over which value -> raw -> value is the identity.
  struct Range {
    int type, lo, hi;
  };
  std::vector<Range> ranges = {{0, 0, 255},    {1, -128, 127}, {2, -32768, 32767}, {4, -127, 128},
                               {5, -127, 127}, {17, 0, 127},   {18, 0, 7},         {19, 0, 3},
                               {20, 0, 7},     {21, 0, 7},     {22, -126, 127},    {23, 0, 7},
                               {24, 0, 63},    {34, 0, 127}};
  for (int t = 6; t <= 13; ++t) ranges.push_back({t, 0, 1});
  for (const Range& r : ranges) {
    for (int v = r.lo; v <= r.hi; ++v) {
      const std::uint32_t raw = EncodeStorage(r.type, v);
      ASSERT_EQ(raw & ~StorageRawMask(r.type), 0u) << r.type << " " << v;
      ASSERT_EQ(DecodeStorage(r.type, raw), v) << r.type << " " << v;
      // Foreign bits of the byte neither change the value nor survive in the encoding.
      ASSERT_EQ(DecodeStorage(r.type, MergeRaw(r.type, 0xFFFFFF, raw)), v) << r.type << " " << v;
    }
  }
  for (int t = 26; t <= 33; ++t)
    for (int v : {0, 1, 256, 257}) {
      EXPECT_EQ(DecodeStorage(t, EncodeStorage(t, v)), v);
      EXPECT_EQ(DecodeStorage(t, MergeRaw(t, 0xFFFF, EncodeStorage(t, v))), v);
    }
  for (int v : {0, 1, 65535, 2302233, 0xFFFFFF})
    EXPECT_EQ(DecodeStorage(3, EncodeStorage(3, v)), v);
  // Raw -> value -> raw: every byte is canonical but the second forms of 0 and -1.
  for (std::uint32_t raw = 0; raw < 256; ++raw)
    for (int t : {0, 1, 4, 5, 22, 34}) {
      if ((t == 5 && raw == 128) || (t == 22 && (raw == 129 || raw == 130))) continue;
      EXPECT_EQ(EncodeStorage(t, DecodeStorage(t, raw)), raw & StorageRawMask(t))
          << t << " " << raw;
    }
}

TEST(StorageTypes, RawBytesAreBigEndian) {
  std::uint8_t bytes[3] = {0x12, 0x34, 0x56};
  EXPECT_EQ(ReadRaw(bytes, 1), 0x12u);
  EXPECT_EQ(ReadRaw(bytes, 3), 0x123456u);
  WriteRaw(bytes, 2, 0xABCD);
  EXPECT_EQ(ReadRaw(bytes, 3), 0xABCD56u);
}

TEST(ImageLayout, AddressesAndMenuMasks) {
  EXPECT_FALSE(IsConditionImageAddress(119));
  EXPECT_TRUE(IsConditionImageAddress(120));
  EXPECT_TRUE(IsConditionImageAddress(462));
  EXPECT_FALSE(IsConditionImageAddress(463));
  EXPECT_TRUE(IsConditionImageAddress(469));
  EXPECT_FALSE(IsConditionImageAddress(470));
  EXPECT_EQ(ConditionBlockBase(4), 1520);
  EXPECT_EQ(ConditionBlockBase(1) + kConditionNameOffset, 813);
  const int blocks[][2] = {{119, -1}, {469, 0}, {470, 1}, {1797, 4}, {1870, -1}};
  for (const auto& b : blocks) EXPECT_EQ(BlockOfImageAddress(b[0]), b[1]) << b[0];
  EXPECT_EQ(WidenMenuTypeMask(0x400), 1023);
  EXPECT_EQ(WidenMenuTypeMask(0x800), 1023);
  EXPECT_EQ(WidenMenuTypeMask(0x3E0), 0x3E0);
}

TEST(ParamTable, ReadingsOfTheRowListHold) {
  constexpr int kTrim = 29, kPmx1 = 40, kRevo = 261, kChsw = 35;
  // "TRIM MEMORY F1".."F3" share order 10; F4 has 13.
  for (const char* n : {"TRIM MEMORY F1", "TRIM MEMORY F2", "TRIM MEMORY F3"})
    EXPECT_EQ(ParamDef(RowOfMenu(kTrim, n)).order, 10) << n;
  EXPECT_EQ(ParamDef(RowOfMenu(kTrim, "TRIM MEMORY F4")).order, 13);
  // After the six mixers come their six SWITCH rows, then the nine curve points of PMX1.
  for (int i = 0; i < 6; ++i) {
    EXPECT_STREQ(ParamDef(393 + i).name, "SWITCH");
    EXPECT_EQ(ParamDef(393 + i).menu, kPmx1 + i);
    EXPECT_EQ(ParamDef(393 + i).address, 286 + i);
  }
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(ParamDef(399 + i).address, 324 + i);
    EXPECT_EQ(ParamDef(399 + i).key, key::kPmx1Point1 + i);
  }
  // AFR counts its orders per channel as ATV does: ten per channel.
  EXPECT_EQ(ParamDef(RowOfMenu(kAfr, "$CHNAME8$-$CHNR8$ TYPE")).order, 73);
  EXPECT_EQ(ParamDef(RowOfMenu(kAfr, "$CHNAME8$-$CHNR8$ RATE2 RIGHT/UP")).order, 75);
  // Mended limits: the editor stops where the bytes stop.
  const MemApplMapTyp& revoMode = ParamDef(RowOfMenu(kRevo, "MODE"));
  EXPECT_EQ(std::tuple(revoMode.address, revoMode.storage, revoMode.formula, revoMode.minimum,
                       revoMode.maximum),
            std::tuple(447, 13, 11, 0, 1));
  for (const char* sw : {"E", "F", "G", "H", "I", "J", "K", "L"}) {
    const MemApplMapTyp& d = ParamDef(RowOfMenu(kChsw, std::string("OFFSET SW ") + sw));
    EXPECT_EQ(std::tuple(d.storage, d.formula, d.minimum, d.maximum), std::tuple(1, 22, -21, 100))
        << sw;
  }
}

bool Storable(int storage, std::int32_t value) {
  return DecodeStorage(storage, EncodeStorage(storage, value)) == value;
}

TEST(ParamTable, EveryValueTheEditorOffersFitsTheRowsBytes) {
  for (int k = 1; k <= kParamCount; ++k) {
    const MemApplMapTyp& d = ParamDef(k);
    if (d.formula == 16) continue;  // names
    SCOPED_TRACE(std::to_string(k) + " " + d.name);
    if (const ListeTyp* list = FindValueList(d.formula)) {
      int offered = 0;
      for (const ListItem& item : list->items) {
        if (item.value == kFallbackValue || !IsOfferedValue(item.value, d.minimum, d.maximum))
          continue;
        ++offered;
        EXPECT_TRUE(Storable(d.storage, item.value)) << item.text;
      }
      EXPECT_GT(offered, 0);
    } else if (d.formula == 40) {
      EXPECT_TRUE(Storable(d.storage, d.minimum));
      EXPECT_TRUE(Storable(d.storage, d.maximum));
    } else {
      // Every whole percentage the buttons can reach within the limits.
      for (int shown = d.minimum; shown <= d.maximum; ++shown) {
        const std::int32_t v = TextToFormula(d.formula, std::to_string(shown), 0, nullptr);
        if (!Storable(d.storage, v)) {
          ADD_FAILURE() << shown << " gives " << v;
          break;
        }
      }
    }
  }
}

}  // namespace
}  // namespace core
