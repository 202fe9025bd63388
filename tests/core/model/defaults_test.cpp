#include "core/model/defaults.h"

#include <gtest/gtest.h>

#include "core/model/defaults_data.h"
#include "core/model/partab_keys.h"
#include "core/model/storage.h"
#include "core/store/model_memory.h"
#include "tests/core/model/model_fixture.h"
#include "tests/core/util/temp_dir.h"

namespace core {
namespace {

using test::MakeMemory;

constexpr DefaultKind kAllKinds[] = {DefaultKind::Standard, DefaultKind::Acro, DefaultKind::Glider,
                                     DefaultKind::Heli};

int Value(const DefaultImage& img, int address, int storage) {
  return DecodeStorage(storage, ReadRaw(&img[address], StorageBytes(storage)));
}

// Read through the decoders, so a mistyped byte of the listings shows as a wrong setting.
TEST(DefaultImages, HoldTheFactorySettingsInFiveEqualBlocksAndAnFFTail) {
  for (DefaultKind kind : kAllKinds) {
    const DefaultImage& img = DefaultImageData(kind);
    SCOPED_TRACE(static_cast<int>(kind));
    for (int k = 1; k < 5; ++k)
      for (int i = 0; i < 350; ++i)
        ASSERT_EQ(img[120 + 350 * k + i], img[120 + i]) << k << " " << i;
    for (int i = 1870; i < 2048; ++i) ASSERT_EQ(img[i], 0xFF) << i;
    for (int k = 0; k < 5; ++k) EXPECT_EQ(img[463 + 350 * k], 0) << "condition name " << k;
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
    EXPECT_EQ(Value(img, 44, 2), 60);  // TIMER 1 TIME 01:00, big-endian
  }
  const DefaultImage& heli = DefaultImageData(DefaultKind::Heli);
  EXPECT_EQ(Value(heli, 1797, 12), 0);   // HOLD "TRIM" active
  EXPECT_EQ(Value(heli, 1798, 1), -70);  // HOLD "POSITION"
  EXPECT_EQ(Value(DefaultImageData(DefaultKind::Acro), 390, 5), -100);
  EXPECT_EQ(Value(DefaultImageData(DefaultKind::Glider), 398, 22), 49);  // DOWN towards ELE
}

TEST(NewMemory, TypeLanguageNamesAndTheRestFromTheImage) {
  const struct {
    int mask;
    NewMemoryLanguage language;
    const char *names, *languageText, *name;
  } cases[] = {
      {1, NewMemoryLanguage::Englisch, "AIL ELE THR RUD AUX AUX AUX AUX", "ENGLISCH",
       "DEF STANDARD"},  // the name code has no "_"
      {2, NewMemoryLanguage::Deutsch, "QUE HOE BRE SEI ZUS ZUS QU2 ZUS", "DEUTSCH", "DEF GLIDER 2"},
      {32, NewMemoryLanguage::Deutsch, "QUE HOE MOT SEI KRE PIT ZU1 ZU2", "DEUTSCH", "DEF HELI H1"},
      {512, NewMemoryLanguage::Franzoesisch, "AIL PRO GAZ DIR GYR PAS AU1 AU2", "FRANZÖSISCH",
       "DEF HELI HN3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mask);
    const auto m = MakeMemory(c.mask, c.language);
    EXPECT_EQ(ModelTypeMask(&m), c.mask);
    EXPECT_EQ(test::FunctionNames(m), c.names);
    EXPECT_EQ(GetTextByKey(key::kLanguage, -1, 0, &m, 32), c.languageText);
    EXPECT_EQ(TrimmedName(&m), c.name);
    // Everything else is the type's image: sub type, function names and language aside.
    const auto& image = DefaultImageFor(c.mask);
    for (int i = 12; i < kImageSize; ++i) {
      if (i == 119 || (i >= 76 && i <= 110)) continue;
      ASSERT_EQ(m.image[static_cast<std::size_t>(i)], image[static_cast<std::size_t>(i)]) << i;
    }
    EXPECT_FALSE(m.imageSaved);  // header and length: the command line's new memory test
  }
  // The dialog's type texts compare exactly.
  EXPECT_EQ(ModelTypeMaskOfText("GLIDER 5 SERVOS"), 8);
  EXPECT_EQ(ModelTypeMaskOfText("HELI HN3"), 512);
  EXPECT_EQ(ModelTypeMaskOfText("heli hn3"), 1);
  EXPECT_EQ(ModelTypeMaskOfText("Segler"), 1);
}

TEST(DefaultSource, SixteenBytesALine) {
  const auto m = MakeMemory(1);
  const std::string text = DefaultSourceText(m);
  std::string last = "{ $7F0 } ";
  for (int i = 0; i < 16; ++i) last += "$FF,";
  EXPECT_EQ(text.size(), 128u * (9 + 16 * 4 + 2));
  EXPECT_EQ(text.substr(0, 9 + 16), "{ $000 } $04,$05,$06,$00,");
  EXPECT_EQ(text.substr(text.size() - last.size() - 2), last + "\r\n");
  testing::TempDir dir;
  ASSERT_TRUE(WriteDefaultSource(m, dir.file("Defaultdaten.pas")));
  EXPECT_EQ(testing::ReadText(dir.file("Defaultdaten.pas")), text);
}

}  // namespace
}  // namespace core
