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

// Read through the decoders, so a mistyped byte of the listings shows as a wrong setting.
TEST(DefaultImages, HoldTheFactorySettingsOfEveryKind) {
  for (DefaultKind kind : kAllKinds) {
    const DefaultImage& img = DefaultImageData(kind);
    SCOPED_TRACE(static_cast<int>(kind));
    for (int a = 302; a <= 305; ++a) EXPECT_EQ(Value(img, a, 0), 100);   // TRIM RATE F
    for (int a = 306; a <= 312; a += 2) EXPECT_EQ(Value(img, a, 2), 0);  // TRIM MEMORY F
    for (int n = 0; n < 8; ++n) {
      EXPECT_EQ(img[120 + n], n);              // SOURCE CHn: function n on its own input
      EXPECT_EQ(Value(img, 144 + n, 5), 100);  // ATV RATE
      EXPECT_EQ(Value(img, 160 + n, 0), 100);  // ATV LIMIT
      EXPECT_EQ(Value(img, 188 + n, 0), 100);  // AFR RATE1
    }
    // PMXn masters function n onto function n + 1; the PMX1 curve points are equally spaced.
    for (int m = 0; m < 6; ++m) EXPECT_EQ(Value(img, 238 + 8 * m, 20), m + 1);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(Value(img, 324 + i, 4), 88 - 22 * i);
    EXPECT_EQ(Value(img, 44, 2), 60);  // TIMER 1 TIME 01:00
  }
  const DefaultImage& heli = DefaultImageData(DefaultKind::Heli);
  EXPECT_EQ(Value(heli, 1797, 12), 0);   // HOLD "TRIM" active
  EXPECT_EQ(Value(heli, 1798, 1), -70);  // HOLD "POSITION"
  EXPECT_EQ(Value(DefaultImageData(DefaultKind::Acro), 390, 5), -100);
  EXPECT_EQ(Value(DefaultImageData(DefaultKind::Glider), 398, 22), 49);  // DOWN towards ELE
}

}  // namespace
}  // namespace core
