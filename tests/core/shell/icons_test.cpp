#include "core/shell/icons.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "tests/core/util/temp_dir.h"

namespace core {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempDir;

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t U16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

struct Pixel {
  int r, g, b;
  auto operator<=>(const Pixel&) const = default;
};

// Parses a 16x16 uncompressed BMP of 4 or 24 bits; fails the test on any fault.
std::vector<Pixel> Parse(std::span<const std::uint8_t> b, int bpp, std::size_t size) {
  std::vector<Pixel> pixels;
  EXPECT_EQ(b.size(), size);
  if (b.size() != size) return pixels;
  EXPECT_EQ(std::string(b.begin(), b.begin() + 2), "BM");
  EXPECT_EQ(U32(b, 2), size);
  EXPECT_EQ(U32(b, 6), 0u);
  const std::uint32_t paletteEntries = bpp == 4 ? 16 : 0;
  const std::uint32_t offset = U32(b, 10);
  EXPECT_EQ(offset, 14 + 40 + 4 * paletteEntries);
  EXPECT_EQ(U32(b, 14), 40u);
  EXPECT_EQ(static_cast<std::int32_t>(U32(b, 18)), 16);
  EXPECT_EQ(static_cast<std::int32_t>(U32(b, 22)), 16);
  EXPECT_EQ(U16(b, 26), 1);
  EXPECT_EQ(U16(b, 28), bpp);
  EXPECT_EQ(U32(b, 30), 0u);  // uncompressed
  const std::uint32_t stride = (16 * bpp / 8 + 3) / 4 * 4;
  EXPECT_TRUE(U32(b, 34) == 0 || U32(b, 34) == stride * 16);
  EXPECT_LE(U32(b, 46), paletteEntries);
  EXPECT_EQ(offset + stride * 16, size);
  if (::testing::Test::HasFailure()) return pixels;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const std::size_t row = offset + stride * (15 - y);
      if (bpp == 4) {
        const int index = x % 2 == 0 ? b[row + x / 2] >> 4 : b[row + x / 2] & 0xF;
        const std::size_t p = 54 + 4 * index;
        pixels.push_back({b[p + 2], b[p + 1], b[p]});
      } else {
        const std::size_t p = row + 3 * x;
        pixels.push_back({b[p + 2], b[p + 1], b[p]});
      }
    }
  }
  return pixels;
}

bool SameBytes(const std::vector<std::uint8_t>& a, std::span<const std::uint8_t> b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

TEST(IconsTest, BuiltInBitmapsAreValidFilesOfTheirSizeAndDepth) {
  const Pixel white{255, 255, 255}, green{0, 128, 0}, darkRed{128, 0, 0};
  std::set<std::vector<std::uint8_t>> distinct;
  ASSERT_EQ(BuiltInIcons().size(), 12u);
  for (const IconBitmap& icon : BuiltInIcons()) {
    SCOPED_TRACE(icon.fileName);
    const std::string name = icon.fileName;
    const bool folder = name.starts_with("Ordner");
    const std::vector<Pixel> pixels = Parse(icon.bytes, folder ? 24 : 4, folder ? 822 : 246);
    ASSERT_EQ(pixels.size(), 256u);
    const std::set<Pixel> colours(pixels.begin(), pixels.end());
    if (name == "Leer.bmp") {
      EXPECT_EQ(colours, std::set<Pixel>{white});
    } else {
      EXPECT_GT(colours.size(), 1u);
      EXPECT_EQ(pixels[0].r + pixels[0].g + pixels[0].b, 3 * 255) << "corner not white";
    }
    EXPECT_EQ(colours.count(green) > 0,
              name.find("Ok") != std::string::npos && name != "NichtOk.bmp");
    EXPECT_EQ(colours.count(darkRed) > 0, name == "NichtOk.bmp");
    distinct.insert({icon.bytes.begin(), icon.bytes.end()});
    EXPECT_TRUE(BuiltInIcon(name).has_value());
  }
  EXPECT_EQ(distinct.size(), 12u);
  for (const char* file : kImageListFiles) EXPECT_TRUE(BuiltInIcon(file)) << file;
  EXPECT_FALSE(BuiltInIcon("ok.bmp"));
}

TEST(IconsTest, SearchOrderOfTheIconDirectory) {
  TempDir tmp;
  const fs::path cwd = tmp.path() / "work";
  const fs::path exe = tmp.path() / "bin";
  const std::vector<fs::path> dirs = IconSearchDirs(cwd, exe);
  ASSERT_GE(dirs.size(), 4u);
  EXPECT_EQ(dirs[0], cwd);
  EXPECT_EQ(dirs[1], cwd / "..");
  EXPECT_EQ(dirs[2], cwd / "exe");
  EXPECT_EQ(dirs.back(), exe);
  EXPECT_EQ(IconSearchDirs(cwd, {}).size(), dirs.size() - 1);

  fs::create_directories(cwd / "exe");
  fs::create_directories(exe);
  EXPECT_FALSE(FindIconDirectory(dirs));
  std::ofstream(exe / "Ok.bmp") << "x";
  EXPECT_EQ(FindIconDirectory(dirs), exe);
  std::ofstream(cwd / "exe" / "Ok.bmp") << "x";
  EXPECT_EQ(FindIconDirectory(dirs), cwd / "exe");
  std::ofstream(tmp.path() / "Ok.bmp") << "x";
  EXPECT_EQ(FindIconDirectory(dirs), cwd / "..");
  std::ofstream(cwd / "Ok.bmp") << "x";
  EXPECT_EQ(FindIconDirectory(dirs), cwd);
}

TEST(IconsTest, FilesAreWrittenOnceAndSkippedWhenPresent) {
  TempDir tmp;
  const fs::path cwd = tmp.path() / "work";
  fs::create_directories(cwd);
  const std::vector<fs::path> dirs = IconSearchDirs(cwd, {});
  EXPECT_FALSE(ReadIconFiles(cwd));

  ASSERT_TRUE(WriteIconFiles(cwd, dirs));
  for (const IconBitmap& icon : BuiltInIcons())
    EXPECT_TRUE(SameBytes(ReadBytes(cwd / icon.fileName), icon.bytes)) << icon.fileName;
  const auto files = ReadIconFiles(cwd);
  ASSERT_TRUE(files);
  EXPECT_EQ((*files)[0], (*files)[2]);
  EXPECT_TRUE(SameBytes((*files)[12], *BuiltInIcon("Leer.bmp")));

  // A file the user put there stays; a missing one comes back.
  std::ofstream(cwd / "Leer.bmp", std::ios::trunc) << "mine";
  fs::remove(cwd / "Modell.bmp");
  ASSERT_TRUE(WriteIconFiles(cwd, dirs));
  EXPECT_EQ(ReadBytes(cwd / "Leer.bmp"), (std::vector<std::uint8_t>{'m', 'i', 'n', 'e'}));
  EXPECT_TRUE(SameBytes(ReadBytes(cwd / "Modell.bmp"), *BuiltInIcon("Modell.bmp")));
  fs::remove(cwd / "Modell.bmp");
  EXPECT_FALSE(ReadIconFiles(cwd));
}

TEST(IconsTest, OkFoundElsewhereIsNotWrittenAgain) {
  TempDir tmp;
  const fs::path cwd = tmp.path() / "work";
  fs::create_directories(cwd);
  std::ofstream(tmp.path() / "Ok.bmp") << "x";  // in ".."
  std::ofstream(tmp.path() / "Klammer.bmp") << "x";
  ASSERT_TRUE(WriteIconFiles(cwd, IconSearchDirs(cwd, {})));
  EXPECT_FALSE(fs::exists(cwd / "Ok.bmp"));
  EXPECT_FALSE(fs::exists(cwd / "Klammer.bmp"));  // present in the icon directory
  EXPECT_TRUE(fs::exists(cwd / "Leer.bmp"));
  EXPECT_TRUE(fs::exists(cwd / "OrdnerOffen.bmp"));
}

TEST(IconsTest, WritingStopsAtTheFirstFailure) {
  TempDir tmp;
  const fs::path cwd = tmp.path() / "missing";
  EXPECT_FALSE(WriteIconFiles(cwd, IconSearchDirs(cwd, {})));
  EXPECT_FALSE(fs::exists(cwd));
  // The third file fails: the first two are written, nothing after the failure.
  const fs::path work = tmp.path() / "work";
  fs::create_directories(work);
  std::vector<std::string> tried;
  bool failed = false;
  auto failThird = [&](const fs::path& file, std::span<const std::uint8_t> bytes) {
    tried.push_back(file.filename().string());
    if (tried.size() == 3 && !failed) {
      failed = true;
      return false;
    }
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return true;
  };
  EXPECT_FALSE(WriteIconFiles(work, IconSearchDirs(work, {}), failThird));
  EXPECT_EQ(tried, (std::vector<std::string>{"Ok.bmp", "Leer.bmp", "NichtOk.bmp"}));
  // The next run goes on where it failed, in the order of the list.
  tried.clear();
  EXPECT_TRUE(WriteIconFiles(work, IconSearchDirs(work, {}), failThird));
  EXPECT_EQ(tried, (std::vector<std::string>{"NichtOk.bmp", "Klammer.bmp", "MuellEimer.bmp",
                                             "Modell.bmp", "KlammerUndMuell.bmp", "KlammerOk.bmp",
                                             "MuellEimerOk.bmp", "KlammerUndMuellOk.bmp",
                                             "OrdnerModell.bmp", "OrdnerOffen.bmp"}));
}

}  // namespace
}  // namespace core
