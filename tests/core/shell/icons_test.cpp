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
  for (const char* file : kImageListFiles) EXPECT_TRUE(BuiltInIcon(file)) << file;
  EXPECT_FALSE(BuiltInIcon("ok.bmp"));
}

TEST(IconsTest, SearchOrderOfTheIconDirectory) {
  TempDir tmp;
  const fs::path cwd = tmp.path() / "work";
  const fs::path exe = tmp.path() / "bin";
  const std::vector<fs::path> dirs = IconSearchDirs(cwd, exe);
  ASSERT_GE(dirs.size(), 4u);  // the order is what the finds below meet
  EXPECT_EQ(dirs.back(), exe / "../share/veltrano");
  EXPECT_EQ(IconSearchDirs(cwd, {}).size(), dirs.size() - 2);

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

// Installed under /usr: the icons come from /usr/share/veltrano, and nothing is written.
TEST(IconsTest, InstalledProgramReadsItsDataFolderAndWritesNothing) {
  TempDir tmp;
  const fs::path exe = tmp.path() / "usr" / "bin";
  const fs::path share = tmp.path() / "usr" / "share" / "veltrano";
  const fs::path cwd = tmp.path() / "home";
  for (const fs::path& dir : {exe, share, cwd}) fs::create_directories(dir);
  ASSERT_TRUE(WriteIconFiles(share, {}));

  const std::vector<fs::path> dirs = IconSearchDirs(cwd, exe);
  ASSERT_TRUE(FindIconDirectory(dirs));
  EXPECT_TRUE(fs::equivalent(*FindIconDirectory(dirs), share));
  EXPECT_TRUE(ReadIconFiles(*FindIconDirectory(dirs)));
  std::vector<fs::path> written;
  EXPECT_TRUE(WriteIconFiles(cwd, dirs, [&](const fs::path& file, auto) {
    written.push_back(file);
    return false;
  }));
  EXPECT_TRUE(written.empty()) << written.front();
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
  ASSERT_EQ(tried.size(), 10u);
  EXPECT_EQ(tried.front(), "NichtOk.bmp");
}

}  // namespace
}  // namespace core
