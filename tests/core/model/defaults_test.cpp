#include "core/model/defaults.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/model/names.h"
#include "core/model/partab_keys.h"
#include "tests/core/model/model_fixture.h"
#include "core/store/model_memory.h"
#include "core/store/store.h"

namespace core {
namespace {

using test::MakeMemory;

std::string Names(const ModellSpeicherTyp& m) {
  std::string out;
  for (int n = 1; n <= 8; ++n) out += (n > 1 ? " " : "") + ChannelName(n, &m);
  return out;
}

// Each type's image carries its type bytes: EveryTypeInEveryVersion reads them back.
TEST(DefaultImages, TypeTextsComparedExactly) {
  EXPECT_EQ(ModelTypeMaskOfText("GLIDER 5 SERVOS"), 8);
  EXPECT_EQ(ModelTypeMaskOfText("HELI HN3"), 512);
  EXPECT_EQ(ModelTypeMaskOfText("heli hn3"), 1);  // compared exactly
  EXPECT_EQ(ModelTypeMaskOfText("Segler"), 1);
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
      {512, NewMemoryLanguage::Franzoesisch, "AIL PRO GAZ DIR GYR PAS AU1 AU2", "FRANZÖSISCH",
       "DEF HELI HN3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mask);
    const auto m = MakeMemory(c.mask, c.language);
    EXPECT_EQ(ModelTypeMask(&m), c.mask);
    EXPECT_EQ(Names(m), c.names);
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
  const auto glider2 = MakeMemory(2), heliHn3 = MakeMemory(512);
  EXPECT_EQ(GetTextByKey(key::kServoType, -1, 0, &glider2, 32), "2 SERVOS");
  EXPECT_EQ(GetTextByKey(key::kHeliType, -1, 0, &heliHn3, 32), "HN3");
}

TEST(NewMemory, EveryTypeInEveryVersion) {
  for (int version : test::kVersions)
    for (int mask : test::kTypeMasks) {
      const auto m = MakeMemory(mask, NewMemoryLanguage::Englisch, version);
      EXPECT_EQ(ModelTypeMask(&m), mask) << version;
      EXPECT_EQ(GetTextByKey(key::kLanguage, -1, 0, &m, version), "ENGLISCH");
    }
}

TEST(NewMemory, CreatedInTheStoreAndMadeActive) {
  const auto dir = std::filesystem::temp_directory_path() / "veltrano_model_new_test";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  NullStoreHost host;
  ModelMemoryStore store(host);
  store.SetModelMemoryDir(dir.string() + "/");
  ModellSpeicherTyp* m = CreateDefaultMemory(store, "ACRO", NewMemoryLanguage::Deutsch, 32);
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(store.GetActive(), m);
  EXPECT_EQ(ModelTypeMask(m), 16);
  EXPECT_EQ(m->fileName, dir.string() + "/DEFACRO.FC");
  EXPECT_EQ(ModelTypeName(m), "ACRO");
  std::filesystem::remove_all(dir);
  const auto heli = MakeMemory(256);
  EXPECT_EQ(ModelTypeName(&heli), "HELI HR3");
  EXPECT_EQ(ModelTypeName(nullptr), "STANDARD");
}

TEST(DefaultSource, SixteenBytesALine) {
  const auto m = MakeMemory(1);
  const std::string text = DefaultSourceText(m);
  std::vector<std::string> lines;
  for (std::size_t from = 0, at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
    lines.push_back(text.substr(from, at - from));
  ASSERT_EQ(lines.size(), 128u);
  EXPECT_EQ(lines[0].substr(0, 9 + 16), "{ $000 } $04,$05,$06,$00,");
  EXPECT_EQ(lines[127].substr(0, 9), "{ $7F0 } ");
  EXPECT_EQ(lines[127].substr(9), std::string("$FF,") + "$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF,");
  for (const auto& line : lines) EXPECT_EQ(line.size(), 9u + 16 * 4);

  const auto path = std::filesystem::temp_directory_path() / "veltrano_defaultdaten_test.pas";
  ASSERT_TRUE(WriteDefaultSource(m, path.string()));
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), text);
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace core
