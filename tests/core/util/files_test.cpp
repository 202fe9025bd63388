#include "core/util/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/core/util/temp_dir.h"

namespace core {
namespace {

namespace fs = std::filesystem;

class FilesTest : public ::testing::Test {
 protected:
  std::string P(const std::string& name) const { return tmp_.file(name); }
  int EntryCount() const {
    return static_cast<int>(
        std::distance(fs::directory_iterator(tmp_.path()), fs::directory_iterator()));
  }
  testing::TempDir tmp_;
};

// The dots of a directory never count; the base name ends at the first dot, the stem at the last.
TEST_F(FilesTest, SplitsPathTexts) {
  EXPECT_EQ(BaseNameOf("/a/b.c/x.y.fc"), "x");
  EXPECT_EQ(StemOf("/a/b.c/ASW28.backup.fc"), "ASW28.backup");
  EXPECT_EQ(AbsoluteDirectoryOf("x.fc"), fs::current_path().string() + "/");
}

TEST_F(FilesTest, FailedWriteLeavesNothingAndSaysSo) {
  // A directory path whose parent is a regular file cannot be written, even as root.
  testing::WriteText(P("plain"), "x");
  EXPECT_FALSE(ReplaceFileAtomically(P("plain") + "/a.bin", "abc", 3));
  EXPECT_FALSE(ReadFileBytes(P("plain") + "/a.bin").has_value());
  // A directory in the way of the target is no file and stays as it is.
  fs::create_directories(P("taken") + "/inner");
  EXPECT_FALSE(ReplaceFileAtomically(P("taken"), "abc", 3));
  EXPECT_FALSE(FileExists(P("taken")) || RemoveFile(P("taken") + "/inner"));
  EXPECT_TRUE(fs::is_directory(P("taken") + "/inner"));
  EXPECT_EQ(EntryCount(), 2);
  EXPECT_FALSE(SetFileModifiedLocal(P("missing"), {2026, 1, 1, 0, 0, 0}));
  EXPECT_FALSE(FileModifiedLocal(P("missing")).has_value());
}

TEST_F(FilesTest, ReplacesAtomicallyWithTimeAndTemporaryNamesNeverBlockIt) {
  // Leftovers of crashed runs under every name the old counter would try, and a name of 255
  // bytes (the longest the file system takes), which leaves no room for a longer temporary one.
  for (int i = 0; i < 100; ++i) std::ofstream(P("m.fc.tmp" + std::to_string(i))) << "x";
  const std::string longName = P(std::string(252, 'L') + ".FC");
  const DateTime t{2026, 12, 5, 9, 5, 0};
  for (const std::string& target : {P("m.fc"), longName}) {
    ASSERT_TRUE(ReplaceFileAtomically(target, "data", 4) &&
                ReplaceFileAtomically(target, "more", 4, t));
    EXPECT_EQ(ReadFileBytes(target), (std::vector<std::uint8_t>{'m', 'o', 'r', 'e'}));
    EXPECT_EQ(FileModifiedLocal(target), t);
  }
  EXPECT_EQ(EntryCount(), 102);  // no temporary file of its own left behind
  ASSERT_TRUE(ReplaceFileAtomically(P("m.fc"), "", 0));
  EXPECT_EQ(fs::file_size(P("m.fc")), 0u);
}

TEST_F(FilesTest, WritesThroughLinksAndKeepsPermissions) {
  testing::WriteText(P("real/t.fc"), "old");
  fs::permissions(P("real/t.fc"),
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);  // 0640
  fs::create_symlink(P("real/t.fc"), P("link.fc"));
  ASSERT_TRUE(ReplaceFileAtomically(P("link.fc"), "new", 3));
  EXPECT_TRUE(fs::is_symlink(P("link.fc")));
  EXPECT_EQ(testing::ReadText(P("real/t.fc")), "new");
  EXPECT_EQ(fs::status(P("real/t.fc")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  // A new file gets the ordinary mode (0666 less the umask), not the temporary file's 0600.
  ASSERT_TRUE(ReplaceFileAtomically(P("fresh.fc"), "x", 1));
  EXPECT_NE(fs::status(P("fresh.fc")).permissions() & fs::perms::others_read, fs::perms::none);
}

}  // namespace
}  // namespace core
