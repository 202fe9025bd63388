#include "core/model/partab.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "core/model/defaults.h"
#include "core/model/defaults_data.h"
#include "core/model/numtext.h"
#include "core/model/partab_keys.h"
#include "core/model/partab_layout.h"
#include "core/model/partab_table.h"
#include "core/model/storage.h"
#include "core/model/valuelist.h"
#include "core/store/model_memory.h"
#include "tests/core/model/model_fixture.h"
#include "tests/core/util/temp_dir.h"

namespace core {
namespace {

int FirstRowWithKey(int key) {
  for (int k = 1; k <= kParamCount; ++k)
    if (ParamDef(k).key == key) return k;
  return 0;
}

TEST(ParamTable, EveryRowIsWellFormedAndFitsItsStorageType) {
  for (int k = 1; k <= kParamCount; ++k) {
    const MemApplMapTyp& d = ParamDef(k);
    SCOPED_TRACE(k);
    // Storage 0..34 without 25, versions 1..7, type bits 0..9, order -1 or 1..665.
    EXPECT_TRUE(StorageBytes(d.storage) > 0 && d.versions >= 1 && d.versions <= 7 &&
                d.minimum <= d.maximum && (d.types & ~0x3FF) == 0 &&
                (d.order == -1 || (d.order >= 1 && d.order <= 665)));
    // Rows in a condition block lie wholly inside block 0 (or are the global HOLD rows).
    EXPECT_LE(d.address + StorageBytes(d.storage), IsConditionImageAddress(d.address) ? 470 : 1870);
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
  // Catches the mended limits: REVO MODE's list beyond its bit, OFFSET SW below its signed byte.
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
  // Foreign bytes are ignored (foreign bits: the property below); the second forms of 0 and -1
  // the transmitter never writes.
  const Encoding decoded[] = {{26, 0x0100, 256}, {27, 0x0100, 0}, {5, 128, 0},
                              {22, 129, 0},      {22, 130, -1},   {25, 7, 0}};
  for (const auto& c : decoded) EXPECT_EQ(DecodeStorage(c.type, c.raw), c.value) << c.type;
  EXPECT_EQ(EncodeStorage(0, -1), 255u);
  EXPECT_EQ(EncodeStorage(15, 65), 0u);
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

// The two properties every write must keep, over every visible row of every model type and version.

using Image = std::array<std::uint8_t, kImageSize>;

// Keys whose writes have dependents of their own.
bool HasRule(int key) {
  return (key >= 1 && key <= 69) || key == 78 || key == 79 || key == 80;
}

// Candidate decoded values of a row: what its bits can hold (2-byte rows over a wide window).
std::vector<std::int32_t> CandidateValues(const MemApplMapTyp& def) {
  std::vector<std::int32_t> values;
  const int bytes = StorageBytes(def.storage);
  if (bytes == 1) {
    for (int raw = 0; raw < 256; ++raw)
      values.push_back(DecodeStorage(def.storage, static_cast<std::uint32_t>(raw)));
  } else if (bytes == 2) {
    for (std::int32_t v = -4000; v <= 4000; ++v) values.push_back(v);
    values.insert(values.end(), {256, 257});
  } else if (const ListeTyp* list = FindValueList(def.formula)) {
    for (const auto& item : list->items) values.push_back(item.value);
  }
  return values;
}

// Roughly the number a numeric formula shows (offset + scale * value), to skip far-off
// candidates cheaply; the others show the value itself.
constexpr struct {
  int formula;
  double offset, scale;
} kApproxShown[] = {
    {4, 0, 0.25}, {20, 0, 0.825}, {22, 50.3, -0.568}, {31, 0, 108.0 / 512}, {33, 50, -0.1}};

double ApproxShown(int formula, std::int32_t v) {
  for (const auto& f : kApproxShown)
    if (f.formula == formula) return f.offset + f.scale * v;
  return v;
}

// The row's value is within its limits as the editor sees them (the number leads its unit).
bool WithinLimits(const MemApplMapTyp& def, std::int32_t value, const std::string& text) {
  if (const ListeTyp* list = FindValueList(def.formula)) {
    for (const auto& item : list->items)
      if (item.value == value) return IsOfferedValue(value, def.minimum, def.maximum);
    return false;
  }
  if (def.formula == 40) return value >= def.minimum && value <= def.maximum;
  const double shown = DecimalNumberOfText(text);
  return shown >= def.minimum && shown <= def.maximum;
}

// True when a byte outside [start, start + count) or a bit outside the mask differs.
bool ForeignBitsChanged(Image a, Image b, int start, int count, int mask) {
  for (auto i = static_cast<std::size_t>(start); i < static_cast<std::size_t>(start + count); ++i) {
    a[i] &= static_cast<std::uint8_t>(~mask);
    b[i] &= static_cast<std::uint8_t>(~mask);
  }
  return a != b;
}

TEST(RoundTrip, EveryOfferedValueReadsBackTheSame) {
  long checked = 0;
  for (int version : test::kVersions) {
    for (int mask : test::kTypeMasks) {
      ModellSpeicherTyp m = test::MakeMemory(mask, NewMemoryLanguage::Englisch, version);
      ASSERT_EQ(ModelTypeMask(&m), mask) << "a new memory in version " << version;
      for (int k = 1; k <= kParamCount; ++k) {
        if ((ParameterTypeMask(k, version) & mask) == 0) continue;
        const MemApplMapTyp& def = ParamDef(k);
        const int bit = ParameterFirstBit(def);
        // Shared bytes: only the row that a lookup finds is the one that is shown and written.
        if (FindParameter(def.address, bit, &m, version) != k) continue;
        const int count = StorageBytes(def.storage);
        if (IsCharacterStorage(def.storage)) continue;  // names: see NamesRoundTrip
        std::uint8_t* p = m.image.data() + def.address;
        for (std::int32_t v : CandidateValues(def)) {
          if (!FindValueList(def.formula)) {
            const double shown = ApproxShown(def.formula, v);
            if (shown < def.minimum - 2 || shown > def.maximum + 2) continue;
          }
          const std::uint32_t encoded = EncodeStorage(def.storage, v);
          if (DecodeStorage(def.storage, encoded) != v) continue;
          WriteRaw(p, count, MergeRaw(def.storage, ReadRaw(p, count), encoded));
          const std::string text = GetParameterText(def.address, bit, &m, version);
          if (!WithinLimits(def, v, text)) continue;
          const auto before = m.image;
          // With dependents where the row has none: its write must still stay inside its own bits.
          SetParameterText(def.address, bit, &m, !HasRule(def.key), text, version);
          const std::string again = GetParameterText(def.address, bit, &m, version);
          ++checked;
          ASSERT_TRUE(again == text && !ForeignBitsChanged(before, m.image, def.address, count,
                                                           StorageMask(def.storage)))
              << "version " << version << " type " << mask << " row " << k << " (" << def.name
              << ") value " << v << ": \"" << text << "\" -> \"" << again << "\"";
        }
      }
    }
  }
  EXPECT_GT(checked, 100000);
}

TEST(RoundTrip, NamesReadBackTheSame) {
  for (int version : test::kVersions) {
    for (int mask : test::kTypeMasks) {
      ModellSpeicherTyp m = test::MakeMemory(mask, NewMemoryLanguage::Franzoesisch, version);
      for (int k = 1; k <= kParamCount; ++k) {
        const MemApplMapTyp& def = ParamDef(k);
        if ((ParameterTypeMask(k, version) & mask) == 0 || !IsCharacterStorage(def.storage))
          continue;
        for (const char* name : {"", "A", "ÄÖÜ-9", "LONGER THAN TWELVE"}) {
          SetParameterText(def.address, 0, &m, false, name, version);
          const std::string text = GetParameterText(def.address, 0, &m, version);
          const auto before = m.image;
          EXPECT_EQ(SetParameterText(def.address, 0, &m, false, text, version), kUnchanged)
              << def.name;
          EXPECT_EQ(m.image, before);
          EXPECT_EQ(GetParameterText(def.address, 0, &m, version), text);
        }
      }
    }
  }
}

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
      EXPECT_EQ(Value(img, 160 + n, 0), 100);  // ATV LIMIT
      EXPECT_EQ(Value(img, 188 + n, 0), 100);  // AFR RATE1
    }
    // PMXn masters function n onto function n + 1; the PMX1 curve points are equally spaced.
    for (int m = 0; m < 6; ++m) EXPECT_EQ(Value(img, 238 + 8 * m, 20), m + 1);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(Value(img, 324 + i, 4), 88 - 22 * i);
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
    const auto m = test::MakeMemory(c.mask, c.language);
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
  // The dialog's type texts compare exactly (found ones: the command line's new memories).
  EXPECT_EQ(ModelTypeMaskOfText("heli hn3"), 1);
  EXPECT_EQ(ModelTypeMaskOfText("Segler"), 1);
}

TEST(DefaultSource, SixteenBytesALine) {
  const auto m = test::MakeMemory(1);
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

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

struct FormulaText {
  int formula, value;
  const char* text;
};

// Which text a list item spells is the list table's; these are how items are found and shown.
TEST(Formulas, NumbersAndListItemsBothWaysOfferedAndExpanded) {
  auto m = test::MakeMemory(1);
  // Lists: runs of letters, "$CHNAME(n)" expanded.
  const FormulaText both[] = {
      {0, -37, "-37"},     {1, -37, "37"},       {4, 120, "30"},     {22, 0, "50"},
      {22, 88, "0"},       {22, -88, "100"},     {31, 512, "108"},   {33, 0, "50"},
      {33, 5, "49.5"},     {33, 88, "41.2"},     {40, 600, "10:00"}, {40, -30, "-00:30"},
      {2, 9, "SWITCH +B"}, {2, 51, "SWITCH -L"}, {2, 128, "INH"},    {24, 1, "ELE-2"}};
  // Numbers round half away; a value no item names shows the fallback item.
  const FormulaText shown[] = {{20, 100, "83"},         {36, 0, "THR"},
                               {2, 25, "INH"},          {35, 1, "VTR"},
                               {46, 12345, "ENGLISCH"}, {46, 2302233, "FRANZÖSISCH"}};
  // A time without ":" is minutes; lists match upper-case texts only, else 0.
  const FormulaText read[] = {{20, 100, "82.5"},   {33, 0, "50,0"}, {0, 12, "12abc"},
                              {40, 300, "5"},      {16, 0, "ABC"},  {99, 0, "12"},
                              {2, 0, "Switch +B"}, {13, 0, "ppm"},  {46, 2302233, "FRANZÖSISCH"}};
  for (const auto& c : both) {
    EXPECT_EQ(FormulaToText(c.formula, c.value, 0, &m), c.text) << c.formula;
    EXPECT_EQ(TextToFormula(c.formula, c.text, 0, &m), c.value) << c.formula;
  }
  for (const auto& c : shown) EXPECT_EQ(FormulaToText(c.formula, c.value, 0, &m), c.text);
  for (const auto& c : read) EXPECT_EQ(TextToFormula(c.formula, c.text, 0, &m), c.value) << c.text;
  EXPECT_EQ(FormulaToText(11, 257, 0, &m), "UNBEKANNTER INHALT");  // no item and no fallback
  EXPECT_EQ(FormulaToText(99, 5, 0, &m), "unbekannte Formel 99");
  EXPECT_EQ(TextToFormula(0, "99999999999999999999", 0, &m), 999999999);
  EXPECT_EQ(TextToFormulaChecked(2, "Switch +B", 0, &m), std::nullopt);  // list with fallback
  EXPECT_EQ(FormulaToText(36, 0, 0, nullptr), "");                       // no memory: no name
  for (int id : {0, 16, -1, 1000}) EXPECT_EQ(FindValueList(id), nullptr) << id;
  // Offered items respect the limits and skip the fallback item.
  auto fill = [&m](int formula, int lo, int hi) {
    std::vector<std::string> items;
    FillValueList(formula, items, 0, &m, lo, hi);
    return items;
  };
  EXPECT_EQ(fill(37, 5, 7), (std::vector<std::string>{"CH6", "CH5", "CH7"}));
  EXPECT_EQ(fill(35, 0, 3), (std::vector<std::string>{"EXP1", "EXP2", "VTR"}));
  EXPECT_TRUE(fill(0, 0, 100).empty());
  EXPECT_EQ(ValueListWidth(24, 0, &m, 0, 7), 5);         // "AIL-1", expanded
  EXPECT_EQ(ValueListWidth(46, 0, &m, 0, 2302233), 11);  // characters, not bytes
  EXPECT_EQ(ValueListWidth(3, 0, &m, 0, 1), 7);          // "digital", not upper-cased
  EXPECT_EQ(ValueListWidth(0, 0, &m, 0, 100), 0);
  EXPECT_EQ(ValueListWidth(37, 0, &m, 20, 30), 0);
  // Expanding replaces the first placeholder of each kind.
  EXPECT_EQ(ExpandListText("$CHNAME(1)-$CHNR(1)", 0, &m), "AIL-1");
  EXPECT_EQ(ExpandListText("$CHNAME(2)/$CHNAME(3)", 0, &m), "ELE/$CHNAME(3)");
  EXPECT_EQ(ExpandListText("$CHNAME(12", 0, &m), "AIL");  // unclosed, 12 counts as 1
  m.image[120 + 350 * 2] = 130;  // function 1 on switch input in condition 2
  EXPECT_EQ(ExpandListText("$CHNR(1)", 2, &m), "3");
}

TEST(FormulaCheck, ListsOneToHundredPercentAndWritesThem) {
  const std::string text = FormulaCheckText(nullptr);
  EXPECT_EQ(text.substr(0, 22), "   0%,    0,    0%, ok");
  EXPECT_NE(text.find("\r\n  57%,   57,   57%, ok\r\n"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 24), " 100%,  100,  100%, ok\r\n");
  testing::TempDir dir;
  ASSERT_TRUE(WriteFormulaCheck(nullptr, dir.file("Formel.txt")));
  EXPECT_EQ(testing::ReadText(dir.file("Formel.txt")), text);
  EXPECT_FALSE(WriteFormulaCheck(nullptr, dir.file("missing/Formel.txt")));
}

TEST(NumText, RoundsHalfAwayReadsTheLeadingNumberAndShowsMinutesAndHours) {
  // -0.4 shows no "-0"; infinity and more than 12 characters show hashes.
  const std::pair<double, const char*> shown[] = {
      {-2.5, "-3"},
      {-0.4, "0"},
      {123456789012.0, "123456789012"},
      {1234567890123.0, "############"},
      {-123456789012.5, "############"},
      {std::numeric_limits<double>::infinity(), "############"}};
  for (const auto& [v, text] : shown) EXPECT_EQ(FormatNumber(v, 0), text) << v;
  EXPECT_EQ(RoundHalfAway(2.4999, 0), 2);
  EXPECT_DOUBLE_EQ(RoundHalfAway(0.15, 1), 0.2);  // 0.15 is stored just below the half
  EXPECT_DOUBLE_EQ(RoundHalfAway(-1.25, 1), -1.3);
  EXPECT_EQ(RoundToInt(-0.35), 0);
  EXPECT_EQ(RoundToInt(1e300), kMax);
  EXPECT_EQ(RoundToInt(-1e300), kMin);
  const std::pair<const char*, std::int32_t> whole[] = {
      {"12abc", 12}, {"12,5", 12},          {"abc", 0},          {"", 0}, {"-", 0}, {"-17", -17},
      {"+17", 17},   {"-2147483648", kMin}, {"2147483648", kMax}};
  for (const auto& [text, v] : whole) EXPECT_EQ(WholeNumberOfText(text), v) << text;
  const std::pair<const char*, double> decimal[] = {{"12,5", 12.5}, {"-3.25 x", -3.25}, {"  7", 7},
                                                    {".5", 0.5},    {"5.", 5},          {"abc", 0},
                                                    {"-", 0},       {"1e999", 0}};  // not finite
  for (const auto& [text, v] : decimal) EXPECT_DOUBLE_EQ(DecimalNumberOfText(text), v) << text;
  const std::pair<int, const char*> both[] = {
      {600, "10:00"}, {-90, "-01:30"}, {3599, "59:59"}, {3600, "01:00:00"}, {0, "00:00"}};
  for (const auto& [seconds, text] : both) {
    EXPECT_EQ(TimeText(seconds), text);
    EXPECT_EQ(TimeOfText(text), seconds);
  }
  EXPECT_EQ(TimeText(kMin), "-596523:14:08");
  // Without ":" a time is minutes: "5" is 5:00.
  const std::pair<const char*, std::int32_t> read[] = {
      {"-10:30", -630}, {"5:7", 307},    {"1:00:00", 3600}, {"-0:30", -30},
      {"5", 5 * 60},    {"45", 45 * 60}, {"-5", -300},      {"999999999:0:0", kMax}};
  for (const auto& [text, v] : read) EXPECT_EQ(TimeOfText(text), v) << text;
}

}  // namespace
}  // namespace core
