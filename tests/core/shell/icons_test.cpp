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

bool SameBytes(const std::vector<std::uint8_t>& a, std::span<const std::uint8_t> b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

// That they are 16 x 16 bitmaps, and their pictures, are checked where Qt reads them
// (tests/platform/icons_qt_test.cpp).
TEST(IconsTest, TwelveDistinctBitmapsFoundByTheirExactNames) {
  std::set<std::vector<std::uint8_t>> distinct;
  for (const IconBitmap& icon : BuiltInIcons())
    distinct.insert({icon.bytes.begin(), icon.bytes.end()});
  EXPECT_EQ(distinct.size(), 12u);
  EXPECT_FALSE(BuiltInIcon("ok.bmp"));
}

// Installed under /usr, the icons come from /usr/share/veltrano. Files the icon directory holds
// are not written beside the program again, the others are.
TEST(IconsTest, SearchOrderOfTheIconDirectoryAndWhatItSpares) {
  TempDir tmp;
  const fs::path cwd = tmp.path() / "work";
  const fs::path exe = tmp.path() / "usr" / "bin";
  const fs::path share = tmp.path() / "usr" / "share" / "veltrano";
  const std::vector<fs::path> dirs = IconSearchDirs(cwd, exe);
  EXPECT_EQ(IconSearchDirs(cwd, {}).size(), dirs.size() - 2);
  for (const fs::path& dir : {cwd / "exe", exe, share}) fs::create_directories(dir);
  std::ofstream(share / "Ok.bmp") << "x";
  std::ofstream(share / "Klammer.bmp") << "x";
  EXPECT_TRUE(FindIconDirectory(dirs) && fs::equivalent(*FindIconDirectory(dirs), share));
  ASSERT_TRUE(WriteIconFiles(cwd, dirs));
  EXPECT_FALSE(fs::exists(cwd / "Ok.bmp") || fs::exists(cwd / "Klammer.bmp"));
  EXPECT_TRUE(fs::exists(cwd / "Leer.bmp") && fs::exists(cwd / "OrdnerOffen.bmp"));

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

TEST(IconsTest, WritingStopsAtTheFirstFailure) {
  TempDir tmp;
  const fs::path cwd = tmp.path() / "missing";
  EXPECT_FALSE(WriteIconFiles(cwd, IconSearchDirs(cwd, {})));
  EXPECT_FALSE(fs::exists(cwd));
  // The third file fails: the first two are written, nothing after the failure.
  const fs::path work = tmp.path() / "work";
  fs::create_directories(work);
  std::vector<std::string> tried;
  std::size_t failAt = 3;
  auto writer = [&](const fs::path& file, auto) {
    tried.push_back(file.filename().string());
    if (tried.size() == failAt) return false;
    std::ofstream(file) << "x";
    return true;
  };
  EXPECT_FALSE(WriteIconFiles(work, IconSearchDirs(work, {}), writer));
  EXPECT_EQ(tried, (std::vector<std::string>{"Ok.bmp", "Leer.bmp", "NichtOk.bmp"}));
  // The next run goes on where it failed, in the order of the list.
  tried.clear();
  failAt = 0;
  EXPECT_TRUE(WriteIconFiles(work, IconSearchDirs(work, {}), writer));
  ASSERT_EQ(tried.size(), 10u);
  EXPECT_EQ(tried.front(), "NichtOk.bmp");
}

}  // namespace
}  // namespace core
