#include "model/partab.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/partab_keys.h"
#include "model/partab_table.h"

namespace core {
namespace {

// Menu ids used below.
constexpr int kTimr = 3, kMxSw = 9, kMxTy = 13, kAtv = 14, kAfr = 15, kRevr = 12, kFunc = 21;
constexpr int kPara = 28, kSbtr = 51, kPcrv = 157, kSwsh = 60;

int FirstRowWithKey(int key) {
  for (int k = 1; k <= kParamCount; ++k) {
    if (ParamDef(k).key == key) return k;
  }
  return 0;
}

int CountRowsWithKey(int key) {
  int n = 0;
  for (int k = 1; k <= kParamCount; ++k) n += ParamDef(k).key == key ? 1 : 0;
  return n;
}

struct Expected {
  const char* name;
  int address, key;
  const char* unit;
  int menu, menu2, order, types, storage, formula, versions, minimum, maximum;
};

void ExpectRow(const MemApplMapTyp& d, const Expected& e) {
  SCOPED_TRACE(e.name);
  EXPECT_EQ(std::string(d.name), e.name);
  EXPECT_EQ(d.address, e.address);
  EXPECT_EQ(d.key, e.key);
  EXPECT_EQ(std::string(d.unit), e.unit);
  EXPECT_EQ(d.menu, e.menu);
  EXPECT_EQ(d.menu2, e.menu2);
  EXPECT_EQ(d.order, e.order);
  EXPECT_EQ(d.types, e.types);
  EXPECT_EQ(d.storage, e.storage);
  EXPECT_EQ(d.formula, e.formula);
  EXPECT_EQ(d.versions, e.versions);
  EXPECT_EQ(d.minimum, e.minimum);
  EXPECT_EQ(d.maximum, e.maximum);
}

TEST(ParamTable, HasTheTellingRowsInFull) {
  static_assert(sizeof(kParamTable) / sizeof(kParamTable[0]) == 666);
  ExpectRow(ParamDef(FirstRowWithKey(key::kAtvRateRightUp)),
            {"$CHNAME1$-$CHNR1$ RATE RIGHT/UP", 144, 92, "%", kAtv, 0, 2, 0, 5, 0, 7, -110, 110});
  ExpectRow(ParamDef(FirstRowWithKey(key::kSubTrimRate1)),
            {"RATE $CHNAME1$", 378, 57, "%", kSbtr, 0, -1, 0, 1, 0, 7, -125, 125});
  ExpectRow(ParamDef(FirstRowWithKey(key::kPitchCurvePoint1)),
            {"POINT 1", 422, 153, "%", kPcrv, 0, 2, 0, 4, 22, 7, 0, 100});
  ExpectRow(ParamDef(FirstRowWithKey(key::kFunctionName1)),
            {"NAME 1", 76, 70, "", kFunc, 0, -1, 0, 14, 16, 7, 0, 1});
  ExpectRow(ParamDef(FirstRowWithKey(key::kAfrType)),
            {"$CHNAME1$-$CHNR1$ TYPE", 186, 102, "", kAfr, 0, 3, 0, 26, 11, 7, 0, 256});
  ExpectRow(ParamDef(FirstRowWithKey(key::kConditionSwitch1)),
            {"$FLIGHT1$", 114, 83, "", kMxSw, kMxTy, 1, 0, 0, 15, 7, 0, 128});
  ExpectRow(ParamDef(FirstRowWithKey(key::kHeliType)),
            {"HELITYP", 119, 81, "", kSwsh, kMxTy, -1, 992, 0, 9, 7, 0, 4});
  ExpectRow(ParamDef(FirstRowWithKey(key::kLanguage)),
            {"SPRACHE", 108, 78, "", kPara, 0, -1, 0, 3, 46, 7, 0, 2302233});

  // Rows without a key: found by name and menu.
  auto byName = [](const char* name, int menu) -> const MemApplMapTyp* {
    for (const auto& d : kParamTable)
      if (d.menu == menu && std::string(d.name) == name) return &d;
    return nullptr;
  };
  const MemApplMapTyp* onSwitch = byName("TIMER 1 ON SWITCH", kTimr);
  ASSERT_NE(onSwitch, nullptr);
  ExpectRow(*onSwitch, {"TIMER 1 ON SWITCH", 42, 0, "", kTimr, 0, 3, 0, 24, 2, 7, 0, 64});
  const MemApplMapTyp* dir = byName("DIRECTION $CHNAME1$-$CHNR1$", kRevr);
  ASSERT_NE(dir, nullptr);
  ExpectRow(*dir, {"DIRECTION $CHNAME1$-$CHNR1$", 19, 0, "", kRevr, 0, 1, 0, 6, 14, 7, 0, 1});
  const MemApplMapTyp* time = byName("TIMER 1 TIME", kTimr);
  ASSERT_NE(time, nullptr);
  ExpectRow(*time, {"TIMER 1 TIME", 44, 0, "min:s", kTimr, 0, 1, 0, 2, 40, 7, -3599, 3599});
}

TEST(ParamTable, StartsAndEndsWhereTheTableDoes) {
  EXPECT_STREQ(ParamDef(1).name, "NAME");
  EXPECT_EQ(ParamDef(1).address, 0);
  EXPECT_EQ(ParamDef(1).storage, 16);
  EXPECT_STREQ(ParamDef(666).name, "POSITION");
  EXPECT_EQ(ParamDef(666).address, 1798);
  EXPECT_EQ(ParamDef(666).menu, 256);
  // The HOLD bytes lie in block 4 but are global rows of their own.
  EXPECT_EQ(ParamDef(664).address, 1797);
  EXPECT_EQ(ParamDef(665).address, 1797);
}

TEST(ParamTable, KeysNameTheRowsCodeReliesOn) {
  struct {
    int key;
    const char* name;
    int menu;
  } const cases[] = {
      {1, "FLPRN->$CHNAME2$ DOWN", 275},
      {4, "FLPRN->$CHNAME2$ UP", 275},
      {2, "$CHNAME5$->$CHNAME2$ DOWN", 175},
      {5, "$CHNAME5$->$CHNAME2$ UP", 175},
      {3, "$CHNAME8$->$CHNAME2$ DOWN", 75},
      {6, "$CHNAME8$->$CHNAME2$ UP", 75},
      {7, "$CHNAME5$->$CHNAME1$ DOWN", 175},
      {9, "$CHNAME5$->$CHNAME1$ UP", 175},
      {8, "$CHNAME8$->$CHNAME1$ DOWN", 75},
      {10, "$CHNAME8$->$CHNAME1$ UP", 75},
      {11, "$CHNAME3$->$CHNAME2$ HI", 61},
      {12, "$CHNAME3$->$CHNAME2$ LO", 61},
      {13, "$CHNAME1$ DOWN", 72},
      {14, "$CHNAME1$ UP", 72},
      {15, "$CHNAME5$ DOWN", 72},
      {16, "$CHNAME5$ UP", 72},
      {17, "DOWN", 73},
      {18, "UP", 73},
      {19, "$CHNAME1$ LEFT", 65},
      {20, "$CHNAME1$ RIGHT", 65},
      {21, "2nd$CHNAME1$ LEFT", 65},
      {22, "2nd$CHNAME1$ RIGHT", 65},
      {23, "$CHNAME1$ LEFT", 56},
      {24, "$CHNAME1$ RIGHT", 56},
      {25, "$CHNAME1$2 LEFT", 56},
      {26, "$CHNAME1$2 RIGHT", 56},
      {27, "$CHNAME1$ LEFT", 59},
      {28, "$CHNAME1$ RIGHT", 59},
      {29, "$CHNAME1$2 LEFT", 59},
      {30, "$CHNAME1$2 RIGHT", 59},
      {31, "$CHNAME1$ 3rdLEFT", 172},
      {32, "$CHNAME1$ 3rdRIGHT", 172},
      {33, "$CHNAME1$ 4rdLEFT", 172},
      {34, "$CHNAME1$ 4rdRIGHT", 172},
      {35, "$CHNAME8$->$CHNAME5$ DOWN", 75},
      {36, "$CHNAME8$->$CHNAME5$ UP", 75},
      {37, "MODE", 21},
      {38, "MODE", 29},
      {39, "MODE", 51},
      {40, "MODE", 66},
      {41, "$CHNAME1$ SOURCE CH1", 21},
      {48, "$CHNAME8$ SOURCE CH8", 21},
      {49, "RATE F1", 29},
      {52, "RATE F4", 29},
      {53, "TRIM MEMORY F1", 29},
      {56, "TRIM MEMORY F4", 29},
      {57, "RATE $CHNAME1$", 51},
      {64, "RATE $CHNAME8$", 51},
      {65, "$CHNAME5$ ON/OFF", 66},
      {66, "$CHNAME1$ ON/OFF", 66},
      {67, "ON/OFF", 56},
      {68, "FLAPERON ON/OFF", 65},
      {69, "ON/OFF", 59},
      {70, "NAME 1", 21},
      {77, "NAME 8", 21},
      {78, "SPRACHE", 28},
      {79, "SERVOTYP", 13},
      {80, "MODELLTYP", 13},
      {81, "HELITYP", 60},
      {82, "NAME", 10},
      {83, "$FLIGHT1$", 9},
      {86, "$FLIGHT4$", 9},
      {87, "NAME NORMAL", 13},
      {91, "NAME FLIGHT4", 13},
      {93, "$CHNAME1$-$CHNR1$ RATE LEFT/DOWN", 14},
      {94, "$CHNAME1$-$CHNR1$ LIMIT RIGHT/UP", 14},
      {95, "$CHNAME1$-$CHNR1$ LIMIT LEFT/DOWN", 14},
      {96, "$CHNAME1$-$CHNR1$ CENTER", 14},
      {97, "$CHNAME1$-$CHNR1$ MODE", 14},
      {98, "$CHNAME1$-$CHNR1$ RATE1 RIGHT/UP", 15},
      {101, "$CHNAME1$-$CHNR1$ RATE2 LEFT/DOWN", 15},
      {103, "D/R1 CH", 16},
      {104, "D/R1 RATE1 RIGHT/UP", 16},
      {105, "D/R1 RATE1 LEFT/DOWN", 16},
      {106, "D/R1 RATE2 RIGHT/UP", 16},
      {107, "D/R1 RATE2 LEFT/DOWN", 16},
      {108, "D/R1 TYPE", 16},
      {113, "D/R2 CH", 16},
      {118, "D/R2 TYPE", 16},
      {123, "D/R3 CH", 16},
      {128, "D/R3 TYPE", 16},
      {129, "MASTER FUNCTION", 40},
      {130, "POINT 1", 40},
      {138, "POINT 9", 40},
      {139, "POINT 1", 261},
      {147, "POINT 9", 261},
      {148, "RATE UP", 261},
      {149, "RATE DOWN", 261},
      {150, "EXP UP", 261},
      {151, "EXP DOWN", 261},
      {152, "MODE", 261},
      {153, "POINT 1", 157},
      {161, "POINT 9", 157},
      {162, "HI", 157},
      {163, "LO", 157},
      {164, "RANGE", 156},
      {165, "RATE", 156},
      {166, "POINT 1", 54},
      {174, "POINT 9", 54},
      {175, "HI", 54},
      {176, "LO", 54},
      {177, "RANGE", 52},
      {178, "RATE", 52},
      {179, "POSI", 272},
      {180, "EXP", 272},
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
  for (int set = 0; set < 3; ++set) {
    for (int n = 0; n < 8; ++n) {
      const MemApplMapTyp& d = ParamDef(first + 8 * set + n);
      EXPECT_EQ(d.address, 120 + n);
      EXPECT_EQ(d.key, key::kSourceCh1 + n);
      EXPECT_EQ(d.formula, set == 0 ? 12 : 5);
      EXPECT_EQ(d.versions, set == 0 ? 4 : set == 1 ? 2 : 1);
    }
  }
}

TEST(ParamTable, SharedAddressesKeepTableOrder) {
  // At 388 DIFF comes before FLPR, ELVN and SWMx; at 19 channel 1 comes first.
  int at388[4] = {};
  int n = 0;
  for (int k = 1; k <= kParamCount && n < 4; ++k)
    if (ParamDef(k).address == 388) at388[n++] = ParamDef(k).menu;
  EXPECT_EQ(at388[0], 56);
  EXPECT_EQ(at388[1], 65);
  EXPECT_EQ(at388[2], 59);
  EXPECT_EQ(at388[3], 69);
  for (int k = 1; k <= kParamCount; ++k) {
    if (ParamDef(k).address == 19) {
      EXPECT_STREQ(ParamDef(k).name, "DIRECTION $CHNAME1$-$CHNR1$");
      break;
    }
  }
}

TEST(ParamTable, EveryRowIsWellFormed) {
  for (int k = 1; k <= kParamCount; ++k) {
    const MemApplMapTyp& d = ParamDef(k);
    SCOPED_TRACE(k);
    EXPECT_GE(d.storage, 0);
    EXPECT_LE(d.storage, 34);
    EXPECT_NE(d.storage, 25);
    EXPECT_GE(d.versions, 1);
    EXPECT_LE(d.versions, 7);
    EXPECT_LE(d.minimum, d.maximum);
    EXPECT_LT(d.address, 1870);
    EXPECT_EQ(d.types & ~0x3FF, 0);
    EXPECT_TRUE(d.order == -1 || (d.order >= 1 && d.order <= 665));
  }
}

}  // namespace
}  // namespace core

// Storage types and the image address model live beside the table.
#include "model/partab_layout.h"
#include "model/storage.h"

namespace core {
namespace {

TEST(StorageTypes, ByteCountsMasksAndFirstBits) {
  EXPECT_EQ(StorageBytes(0), 1);
  EXPECT_EQ(StorageBytes(2), 2);
  EXPECT_EQ(StorageBytes(3), 3);
  EXPECT_EQ(StorageBytes(14), 3);
  EXPECT_EQ(StorageBytes(15), 7);
  EXPECT_EQ(StorageBytes(16), 12);
  EXPECT_EQ(StorageBytes(26), 2);
  EXPECT_EQ(StorageBytes(25), 0);
  EXPECT_EQ(StorageBytes(-1), 0);
  EXPECT_EQ(StorageBytes(35), 0);
  for (int t = 6; t <= 13; ++t) {
    EXPECT_EQ(StorageMask(t), 1 << (t - 6));
    EXPECT_EQ(StorageFirstBit(t), t - 6);
    EXPECT_TRUE(IsBitStorage(t));
  }
  for (int t = 26; t <= 33; ++t) {
    EXPECT_EQ(StorageMask(t), 1 << (t - 26));
    EXPECT_EQ(StorageFirstBit(t), t - 26);
    EXPECT_EQ(StorageRawMask(t), (1u << (t - 26)) * 257u);
    EXPECT_TRUE(IsBitStorage(t));
  }
  EXPECT_EQ(StorageMask(17), 254);
  EXPECT_EQ(StorageFirstBit(17), 1);
  EXPECT_EQ(StorageMask(18), 56);
  EXPECT_EQ(StorageFirstBit(18), 3);
  EXPECT_EQ(StorageMask(19), 48);
  EXPECT_EQ(StorageMask(20), 7);
  EXPECT_EQ(StorageMask(21), 224);
  EXPECT_EQ(StorageFirstBit(21), 5);
  EXPECT_EQ(StorageMask(23), 112);
  EXPECT_EQ(StorageMask(24), 63);
  EXPECT_EQ(StorageMask(34), 127);
  EXPECT_EQ(StorageRawMask(3), 0xFFFFFFu);
  EXPECT_FALSE(IsBitStorage(14));
  EXPECT_FALSE(IsBitStorage(34));
}

TEST(StorageTypes, EdgeCasesOfTheEncodings) {
  EXPECT_EQ(DecodeStorage(5, 200), -72);
  EXPECT_EQ(EncodeStorage(5, -72), 200u);
  EXPECT_EQ(DecodeStorage(5, 100), 100);
  EXPECT_EQ(DecodeStorage(4, 200), 56);
  EXPECT_EQ(DecodeStorage(4, 30), -30);
  EXPECT_EQ(EncodeStorage(4, 56), 200u);
  EXPECT_EQ(EncodeStorage(4, -30), 30u);
  EXPECT_EQ(EncodeStorage(4, 0), 0u);
  EXPECT_EQ(DecodeStorage(22, 0), -1);
  EXPECT_EQ(DecodeStorage(22, 1), 0);
  EXPECT_EQ(DecodeStorage(22, 128), 127);
  EXPECT_EQ(DecodeStorage(22, 131), -2);
  EXPECT_EQ(EncodeStorage(22, -1), 0u);
  EXPECT_EQ(EncodeStorage(22, -2), 131u);
  EXPECT_EQ(DecodeStorage(17, 255), 127);
  EXPECT_EQ(EncodeStorage(17, 127), 254u);
  EXPECT_EQ(MergeRaw(17, 0x01, EncodeStorage(17, 127)), 0xFFu);  // bit 0 keeps its value
  EXPECT_EQ(MergeRaw(17, 0x00, EncodeStorage(17, 127)), 0xFEu);
  EXPECT_EQ(DecodeStorage(26, 0x0100), 256);  // "VTR"
  EXPECT_EQ(DecodeStorage(26, 0x0101), 257);
  EXPECT_EQ(DecodeStorage(27, 0x0100), 0);
  EXPECT_EQ(DecodeStorage(18, 0x2F), 5);
  EXPECT_EQ(MergeRaw(18, 0xFF, EncodeStorage(18, 2)), 0xD7u);
  EXPECT_EQ(DecodeStorage(1, 200), -56);
  EXPECT_EQ(DecodeStorage(2, 0xFF38), -200);
  EXPECT_EQ(EncodeStorage(2, -200), 0xFF38u);
  EXPECT_EQ(DecodeStorage(3, 2302233), 2302233);
  EXPECT_EQ(EncodeStorage(3, 2302233), 2302233u);
  EXPECT_EQ(DecodeStorage(0, 0x1FF), 255);  // bytes beyond the type are ignored
  EXPECT_EQ(EncodeStorage(0, -1), 255u);
  EXPECT_EQ(EncodeStorage(15, 65), 0u);
  EXPECT_EQ(DecodeStorage(25, 7), 0);
}

// Value range of a numeric type over which value -> raw -> value is the identity.
struct Range {
  int type, lo, hi;
};

TEST(StorageTypes, EveryValueOfEveryTypeRoundTrips) {
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
  for (int t = 26; t <= 33; ++t) {
    for (int v : {0, 1, 256, 257}) {
      EXPECT_EQ(DecodeStorage(t, EncodeStorage(t, v)), v);
      EXPECT_EQ(DecodeStorage(t, MergeRaw(t, 0xFFFF, EncodeStorage(t, v))), v);
    }
  }
  for (int v : {0, 1, 65535, 2302233, 0xFFFFFF})
    EXPECT_EQ(DecodeStorage(3, EncodeStorage(3, v)), v);
  // Raw -> value -> raw: every byte is canonical but the second forms of 0 (type 5 raw 128,
  // type 22 raw 129) and of -1 (type 22 raw 130), which the transmitter's encoding never writes.
  EXPECT_EQ(DecodeStorage(5, 128), 0);
  EXPECT_EQ(DecodeStorage(22, 129), 0);
  EXPECT_EQ(DecodeStorage(22, 130), -1);
  for (std::uint32_t raw = 0; raw < 256; ++raw) {
    for (int t : {0, 1, 4, 5, 22, 34}) {
      const std::uint32_t again = EncodeStorage(t, DecodeStorage(t, raw));
      if ((t == 5 && raw == 128) || (t == 22 && (raw == 129 || raw == 130))) continue;
      EXPECT_EQ(again, raw & StorageRawMask(t)) << t << " " << raw;
    }
  }
}

TEST(StorageTypes, RawBytesAreBigEndian) {
  std::uint8_t bytes[3] = {0x12, 0x34, 0x56};
  EXPECT_EQ(ReadRaw(bytes, 1), 0x12u);
  EXPECT_EQ(ReadRaw(bytes, 2), 0x1234u);
  EXPECT_EQ(ReadRaw(bytes, 3), 0x123456u);
  WriteRaw(bytes, 2, 0xABCD);
  EXPECT_EQ(bytes[0], 0xAB);
  EXPECT_EQ(bytes[1], 0xCD);
  EXPECT_EQ(bytes[2], 0x56);
}

TEST(ImageLayout, AddressesMasksAndVersions) {
  EXPECT_FALSE(IsConditionImageAddress(119));
  EXPECT_TRUE(IsConditionImageAddress(120));
  EXPECT_TRUE(IsConditionImageAddress(462));
  EXPECT_FALSE(IsConditionImageAddress(463));
  EXPECT_TRUE(IsConditionImageAddress(469));
  EXPECT_FALSE(IsConditionImageAddress(470));
  EXPECT_EQ(ConditionBlockBase(0), 120);
  EXPECT_EQ(ConditionBlockBase(4), 1520);
  EXPECT_EQ(ConditionBlockBase(1) + kConditionNameOffset, 813);
  EXPECT_EQ(BlockOfImageAddress(119), -1);
  EXPECT_EQ(BlockOfImageAddress(469), 0);
  EXPECT_EQ(BlockOfImageAddress(470), 1);
  EXPECT_EQ(BlockOfImageAddress(1797), 4);
  EXPECT_EQ(BlockOfImageAddress(1870), -1);

  EXPECT_EQ(ModelTypeMaskFromBytes(0, 9), 1);
  EXPECT_EQ(ModelTypeMaskFromBytes(1, 2), 2);
  EXPECT_EQ(ModelTypeMaskFromBytes(1, 1), 4);
  EXPECT_EQ(ModelTypeMaskFromBytes(1, 0), 8);
  EXPECT_EQ(ModelTypeMaskFromBytes(1, 3), 1023);
  EXPECT_EQ(ModelTypeMaskFromBytes(2, 200), 16);
  EXPECT_EQ(ModelTypeMaskFromBytes(3, 0), 32);
  EXPECT_EQ(ModelTypeMaskFromBytes(3, 1), 64);
  EXPECT_EQ(ModelTypeMaskFromBytes(3, 2), 128);
  EXPECT_EQ(ModelTypeMaskFromBytes(3, 3), 256);
  EXPECT_EQ(ModelTypeMaskFromBytes(3, 4), 512);
  EXPECT_EQ(ModelTypeMaskFromBytes(3, 5), 1023);
  EXPECT_EQ(ModelTypeMaskFromBytes(7, 0), 1023);
  EXPECT_EQ(ModelTypeMaskFromBytes(255, 255), 1023);

  EXPECT_EQ(WidenMenuTypeMask(0x400), 1023);
  EXPECT_EQ(WidenMenuTypeMask(0x800), 1023);
  EXPECT_EQ(WidenMenuTypeMask(0x3E0), 0x3E0);
  EXPECT_EQ(VersionBitFor(30), 1);
  EXPECT_EQ(VersionBitFor(31), 2);
  EXPECT_EQ(VersionBitFor(32), 4);
  EXPECT_EQ(VersionBitFor(0), 4);
}

TEST(ParamTable, EveryRowFitsItsStorageType) {
  for (int k = 1; k <= kParamCount; ++k) {
    const MemApplMapTyp& d = ParamDef(k);
    SCOPED_TRACE(k);
    EXPECT_GT(StorageBytes(d.storage), 0);
    EXPECT_LE(d.address + StorageBytes(d.storage), 1870);
    // Rows in a condition block lie wholly inside block 0 (or are the global HOLD rows).
    if (IsConditionImageAddress(d.address)) {
      EXPECT_LE(d.address + StorageBytes(d.storage), 470);
    }
  }
}

}  // namespace
}  // namespace core

// What the editor may offer for a row must be a value the row's bytes can hold.
#include "model/valuelist.h"

namespace core {
namespace {

int RowNamed(int menu, const char* name, int from = 1) {
  for (int k = from; k <= kParamCount; ++k)
    if (ParamDef(k).menu == menu && std::string(ParamDef(k).name) == name) return k;
  return 0;
}

TEST(ParamTable, ReadingsOfTheRowListHold) {
  constexpr int kTrim = 29, kPmx1 = 40, kRevo = 261, kChsw = 35;
  // Three SOURCE sets each carry the GLOBAL keys, so the FUNC rule works in every version.
  EXPECT_EQ(CountRowsWithKey(key::kSourceCh1 + 7), 3);
  // "TRIM MEMORY F1".."F3" share order 10; F4 has 13.
  for (const char* n : {"TRIM MEMORY F1", "TRIM MEMORY F2", "TRIM MEMORY F3"})
    EXPECT_EQ(ParamDef(RowNamed(kTrim, n)).order, 10) << n;
  EXPECT_EQ(ParamDef(RowNamed(kTrim, "TRIM MEMORY F4")).order, 13);
  // The order list names no "TIMER 2 P/C".
  EXPECT_EQ(ParamDef(RowNamed(kTimr, "TIMER 2 P/C")).order, -1);
  // After the six mixers come their six SWITCH rows, then the nine curve points of PMX1.
  for (int i = 0; i < 6; ++i) {
    const MemApplMapTyp& d = ParamDef(393 + i);
    EXPECT_STREQ(d.name, "SWITCH");
    EXPECT_EQ(d.menu, kPmx1 + i);
    EXPECT_EQ(d.address, 286 + i);
    EXPECT_EQ(d.order, 9);
  }
  for (int i = 0; i < 9; ++i) {
    const MemApplMapTyp& d = ParamDef(399 + i);
    EXPECT_EQ(d.menu, kPmx1);
    EXPECT_EQ(d.address, 324 + i);
    EXPECT_EQ(d.key, key::kPmx1Point1 + i);
    EXPECT_EQ(d.versions, 4);
    EXPECT_EQ(d.order, -1);
  }
  // AFR counts its orders per channel as ATV does: ten per channel.
  EXPECT_EQ(ParamDef(RowNamed(kAfr, "$CHNAME8$-$CHNR8$ TYPE")).order, 73);
  EXPECT_EQ(ParamDef(RowNamed(kAfr, "$CHNAME8$-$CHNR8$ RATE2 RIGHT/UP")).order, 75);
  // Mended limits: the editor stops where the bytes stop.
  const MemApplMapTyp& revoMode = ParamDef(RowNamed(kRevo, "MODE"));
  EXPECT_EQ(revoMode.address, 447);
  EXPECT_EQ(revoMode.storage, 13);
  EXPECT_EQ(revoMode.formula, 11);
  EXPECT_EQ(revoMode.minimum, 0);
  EXPECT_EQ(revoMode.maximum, 1);
  for (const char* sw : {"E", "F", "G", "H", "I", "J", "K", "L"}) {
    const MemApplMapTyp& d = ParamDef(RowNamed(kChsw, (std::string("OFFSET SW ") + sw).c_str()));
    EXPECT_EQ(d.storage, 1) << sw;
    EXPECT_EQ(d.formula, 22) << sw;
    EXPECT_EQ(d.minimum, -21) << sw;
    EXPECT_EQ(d.maximum, 100) << sw;
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
