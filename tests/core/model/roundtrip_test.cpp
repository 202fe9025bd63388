// The two properties every write must keep, over every visible row of every model type and version.

#include <gtest/gtest.h>

#include <vector>

#include "core/model/numtext.h"
#include "core/model/storage.h"
#include "core/model/valuelist.h"
#include "core/util/text.h"
#include "tests/core/model/model_fixture.h"

namespace core {
namespace {

using Image = std::array<std::uint8_t, kImageSize>;

std::string WithoutUnit(const std::string& text, std::string_view unit) {
  if (!unit.empty() && text.size() >= unit.size() &&
      text.compare(text.size() - unit.size(), unit.size(), unit) == 0)
    return TrimBlanks(std::string_view(text).substr(0, text.size() - unit.size()));
  return text;
}

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

// The row's value is within its limits as the editor sees them.
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
          const std::string bare = WithoutUnit(text, def.unit);
          if (!WithinLimits(def, v, bare)) continue;
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

}  // namespace
}  // namespace core
