#include "model/defaults_data.h"

#include <gtest/gtest.h>

#include "model/partab_layout.h"
#include "model/storage.h"

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
  const DefaultImage& std = DefaultImageData(DefaultKind::Standard);
  const DefaultImage& acro = DefaultImageData(DefaultKind::Acro);
  const DefaultImage& glider = DefaultImageData(DefaultKind::Glider);
  const DefaultImage& heli = DefaultImageData(DefaultKind::Heli);
  // First and last listed bytes of each image, and the first byte of a middle line.
  EXPECT_EQ(std[0], 0x04);
  EXPECT_EQ(std[6], 0x13);
  EXPECT_EQ(acro[6], 0x01);
  EXPECT_EQ(glider[6], 0x07);
  EXPECT_EQ(heli[6], 0x08);
  EXPECT_EQ(std[320], 0x64);
  EXPECT_EQ(std[338], 0xF7);  // the Standard listing keeps its own layout from 334 on
  EXPECT_EQ(acro[338], 0x84);
  EXPECT_EQ(heli[335], 0x63);
  EXPECT_EQ(heli[398], 0xBA);
  EXPECT_EQ(glider[439], 0x1E);
  EXPECT_EQ(std[469], 0x00);
  // Model type bytes 118 and 119 and the masks they give.
  EXPECT_EQ(ModelTypeMaskFromBytes(std[118], std[119]), kTypeStandard);
  EXPECT_EQ(ModelTypeMaskFromBytes(acro[118], acro[119]), kTypeAcro);
  EXPECT_EQ(ModelTypeMaskFromBytes(glider[118], glider[119]), kTypeGlider4);
  EXPECT_EQ(ModelTypeMaskFromBytes(heli[118], heli[119]), kTypeHeliH1);
  // The same 2048 bytes on every call.
  EXPECT_EQ(&DefaultImageData(DefaultKind::Heli), &heli);
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
    EXPECT_EQ(Value(img, 220, 20), 0);
    EXPECT_EQ(Value(img, 226, 20), 1);
    EXPECT_EQ(Value(img, 232, 20), 3);
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

TEST(DefaultImages, KindForEveryTypeMask) {
  EXPECT_EQ(DefaultKindForTypeMask(1), DefaultKind::Standard);
  EXPECT_EQ(DefaultKindForTypeMask(1023), DefaultKind::Standard);
  EXPECT_EQ(DefaultKindForTypeMask(0), DefaultKind::Standard);
  EXPECT_EQ(DefaultKindForTypeMask(16), DefaultKind::Acro);
  for (int m : {2, 4, 8}) EXPECT_EQ(DefaultKindForTypeMask(m), DefaultKind::Glider);
  for (int m : {32, 64, 128, 256, 512}) EXPECT_EQ(DefaultKindForTypeMask(m), DefaultKind::Heli);
}

}  // namespace
}  // namespace core
