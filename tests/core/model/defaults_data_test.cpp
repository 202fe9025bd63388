#include "core/model/defaults_data.h"

#include <gtest/gtest.h>

#include "core/model/partab_layout.h"
#include "core/model/storage.h"

namespace core {
namespace {

constexpr DefaultKind kAllKinds[] = {DefaultKind::Standard, DefaultKind::Acro, DefaultKind::Glider,
                                     DefaultKind::Heli};

int Value(const DefaultImage& img, int address, int storage) {
  return DecodeStorage(storage, ReadRaw(&img[address], StorageBytes(storage)));
}

TEST(DefaultImages, BlocksRepeatAndTheTailIsFF) {
  for (DefaultKind kind : kAllKinds) {
    const DefaultImage& img = DefaultImageData(kind);
    SCOPED_TRACE(static_cast<int>(kind));
    for (int k = 1; k < 5; ++k)
      for (int i = 0; i < 350; ++i)
        ASSERT_EQ(img[120 + 350 * k + i], img[120 + i]) << k << " " << i;
    for (int i = 1870; i < 2048; ++i) ASSERT_EQ(img[i], 0xFF) << i;
    for (int k = 0; k < 5; ++k) EXPECT_EQ(img[463 + 350 * k], 0) << "condition name " << k;
  }
}

TEST(DefaultImages, ListedBytesAtTheirOffsets) {
  using K = DefaultKind;
  // First and last listed bytes of the images, and first bytes of middle lines; the Standard
  // listing keeps its own layout from 334 on.
  const struct {
    DefaultKind kind;
    int offset, byte;
  } listed[] = {{K::Standard, 0, 0x04}, {K::Standard, 6, 0x13}, {K::Acro, 6, 0x01},
                {K::Glider, 6, 0x07},   {K::Heli, 6, 0x08},     {K::Standard, 320, 0x64},
                {K::Standard, 338, 0xF7}, {K::Acro, 338, 0x84}, {K::Heli, 335, 0x63},
                {K::Heli, 398, 0xBA},   {K::Glider, 439, 0x1E}, {K::Standard, 469, 0x00}};
  for (const auto& l : listed)
    EXPECT_EQ(DefaultImageData(l.kind)[l.offset], l.byte)
        << static_cast<int>(l.kind) << " " << l.offset;
  // Model type bytes 118 and 119 and the masks they give.
  const int masks[] = {kTypeStandard, kTypeAcro, kTypeGlider4, kTypeHeliH1};
  for (int i = 0; i < 4; ++i) {
    const DefaultImage& img = DefaultImageData(kAllKinds[i]);
    EXPECT_EQ(ModelTypeMaskFromBytes(img[118], img[119]), masks[i]) << i;
  }
}

TEST(DefaultImages, HoldTheDescribedValues) {
  for (DefaultKind kind : kAllKinds) {
    const DefaultImage& img = DefaultImageData(kind);
    SCOPED_TRACE(static_cast<int>(kind));
    for (int a = 302; a <= 305; ++a) EXPECT_EQ(Value(img, a, 0), 100);   // TRIM RATE F
    for (int a = 306; a <= 312; a += 2) EXPECT_EQ(Value(img, a, 2), 0);  // TRIM MEMORY F
    for (int n = 0; n < 8; ++n) {
      EXPECT_EQ(img[120 + n], n);              // SOURCE CHn: function n on its own input
      EXPECT_EQ(Value(img, 144 + n, 5), 100);  // ATV RATE
      EXPECT_EQ(Value(img, 160 + n, 0), 100);  // ATV LIMIT
      EXPECT_EQ(Value(img, 176 + n, 4), 0);    // ATV CENTER
      EXPECT_EQ(Value(img, 188 + n, 0), 100);  // AFR RATE1
      EXPECT_EQ(Value(img, 204 + n, 5), 0);    // AFR RATE2
      EXPECT_EQ(Value(img, 314 + n, 0), 100);  // MTRM TRIM RATE
    }
    // D/R1, D/R2, D/R3 on channels 1, 2 and 4, switched off (bit 7 set: "INH").
    for (int d : {0, 1, 2}) EXPECT_EQ(Value(img, 220 + 6 * d, 20), d == 2 ? 3 : d);
    EXPECT_EQ(Value(img, 220, 13), 1);
    // PMXn masters function n onto function n + 1.
    for (int m = 0; m < 6; ++m) {
      EXPECT_EQ(Value(img, 238 + 8 * m, 18), m);
      EXPECT_EQ(Value(img, 238 + 8 * m, 20), m + 1);
      EXPECT_EQ(Value(img, 240 + 8 * m, 5), 50);
    }
    // The nine PMX1 curve points, equally spaced from one end to the other.
    for (int i = 0; i < 9; ++i) EXPECT_EQ(Value(img, 324 + i, 4), 88 - 22 * i);
    EXPECT_EQ(Value(img, 44, 2), 60);  // TIMER 1 TIME 01:00
  }
  const DefaultImage& acro = DefaultImageData(DefaultKind::Acro);
  EXPECT_EQ(Value(acro, 334, 9), 0);  // DIFF "ON/OFF" active
  EXPECT_EQ(Value(acro, 388, 5), 100);
  EXPECT_EQ(Value(acro, 390, 5), -100);
  const DefaultImage& heli = DefaultImageData(DefaultKind::Heli);
  EXPECT_EQ(Value(heli, 1797, 13), 0);   // HOLD "MODE"
  EXPECT_EQ(Value(heli, 1797, 12), 0);   // HOLD "TRIM" active
  EXPECT_EQ(Value(heli, 1798, 1), -70);  // HOLD "POSITION"
  EXPECT_EQ(Value(heli, 394, 5), 50);    // SWSH channel rows
  const DefaultImage& glider = DefaultImageData(DefaultKind::Glider);
  EXPECT_EQ(Value(glider, 439, 5), 30);   // FLPR "TRIM"
  EXPECT_EQ(Value(glider, 398, 22), 49);  // DOWN towards $CHNAME2$
}

}  // namespace
}  // namespace core
