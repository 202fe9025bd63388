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

int FirstRowWithKey(int key) {
  for (int k = 1; k <= kParamCount; ++k)
    if (ParamDef(k).key == key) return k;
  return 0;
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
  // Every key of a pair exists; the two rows of a sign pair lie in the same menu.
  for (const auto& p : kSignPartners) {
    const int a = FirstRowWithKey(p.first), b = FirstRowWithKey(p.second);
    ASSERT_NE(a * b, 0);
    EXPECT_EQ(ParamDef(a).menu, ParamDef(b).menu) << p.first;
  }
  for (const auto& p : kGlobalPairs) {
    EXPECT_STREQ(ParamDef(FirstRowWithKey(p.first)).name, "MODE");
    EXPECT_NE(FirstRowWithKey(p.second), 0);
  }
}

TEST(ParamTable, EveryValueTheEditorOffersFitsTheRowsBytes) {
  // Mended limits: REVO MODE offers what its bit holds, OFFSET SW stops where its signed byte does.
  const MemApplMapTyp& revoMode = ParamDef(RowOfMenu(261, "MODE"));
  EXPECT_EQ(std::tuple(revoMode.storage, revoMode.maximum), std::tuple(13, 1));
  EXPECT_EQ(ParamDef(RowOfMenu(35, "OFFSET SW E")).minimum, -21);
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
        EXPECT_TRUE(FitsStorage(d.storage, item.value)) << item.text;
      }
      EXPECT_GT(offered, 0);
    } else if (d.formula == 40) {
      EXPECT_TRUE(FitsStorage(d.storage, d.minimum));
      EXPECT_TRUE(FitsStorage(d.storage, d.maximum));
    } else {
      // Every whole percentage the buttons can reach within the limits.
      for (int shown = d.minimum; shown <= d.maximum; ++shown) {
        const std::int32_t v = TextToFormula(d.formula, std::to_string(shown), 0, nullptr);
        if (!FitsStorage(d.storage, v)) {
          ADD_FAILURE() << shown << " gives " << v;
          break;
        }
      }
    }
  }
}

struct Encoding {
  int type;
  std::uint32_t raw;
  int value;
};

TEST(StorageTypes, EdgeCasesOfTheEncodings) {
  const Encoding bothWays[] = {
      {5, 200, -72}, {5, 100, 100},     {4, 200, 56},   {4, 30, -30},      {4, 0, 0},
      {22, 0, -1},   {22, 1, 0},        {22, 128, 127}, {22, 131, -2},     {17, 254, 127},
      {1, 200, -56}, {2, 0xFF38, -200}, {0, 255, 255},  {26, 0x0101, 257}, {3, 2302233, 2302233}};
  for (const auto& c : bothWays) {
    EXPECT_EQ(DecodeStorage(c.type, c.raw), c.value) << c.type << " " << c.raw;
    EXPECT_EQ(EncodeStorage(c.type, c.value), c.raw) << c.type << " " << c.value;
  }
  // Foreign bits and bytes are ignored; the second forms of 0 and -1 the transmitter never writes.
  const Encoding decoded[] = {{17, 255, 127}, {26, 0x0100, 256}, {27, 0x0100, 0},
                              {18, 0x2F, 5},  {0, 0x1FF, 255},   {5, 128, 0},
                              {22, 129, 0},   {22, 130, -1},     {25, 7, 0}};
  for (const auto& c : decoded) EXPECT_EQ(DecodeStorage(c.type, c.raw), c.value) << c.type;
  EXPECT_EQ(EncodeStorage(0, -1), 255u);
  EXPECT_EQ(EncodeStorage(15, 65), 0u);
  // A write keeps the bits of the byte that are not the type's.
  EXPECT_EQ(MergeRaw(17, 0x01, EncodeStorage(17, 127)), 0xFFu);
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

}  // namespace
}  // namespace core
