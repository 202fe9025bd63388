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

TEST_F(FilesTest, SplitsPathTexts) {
  EXPECT_EQ(FileNameOf("/a/b/ASW28_2.FC"), "ASW28_2.FC");
  EXPECT_EQ(FileNameText(fs::path("/a/b/Glück.FC")), "Glück.FC");
  EXPECT_EQ(FileNameText(fs::path("plain")), "plain");
  EXPECT_EQ(BaseNameOf("/a/b.c/ASW28_2.FC"), "ASW28_2");
  EXPECT_EQ(BaseNameOf("x.y.fc"), "x");
  EXPECT_EQ(BaseNameOf("noext"), "noext");
  EXPECT_EQ(WithTrailingSeparator("/a/b"), "/a/b/");
  EXPECT_EQ(WithTrailingSeparator("/a/b/"), "/a/b/");
  EXPECT_EQ(WithTrailingSeparator(""), "");
  EXPECT_EQ(AbsoluteDirectoryOf(P("x.fc")), tmp_.dir());
  EXPECT_EQ(AbsoluteDirectoryOf("x.fc"), fs::current_path().string() + "/");
}

TEST_F(FilesTest, ReplacesAtomicallyWithTime) {
  const std::string target = P("a.bin");
  const DateTime t{2026, 12, 5, 9, 5, 0};
  ASSERT_TRUE(ReplaceFileAtomically(target, "old", 3, t));
  ASSERT_TRUE(ReplaceFileAtomically(target, "new!", 4, t));
  const auto bytes = ReadFileBytes(target);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "new!");
  EXPECT_EQ(FileModifiedLocal(target), t);
  EXPECT_EQ(EntryCount(), 1);  // no temporary file left behind
  ASSERT_TRUE(ReplaceFileAtomically(target, "", 0));
  EXPECT_EQ(fs::file_size(target), 0u);
}

TEST_F(FilesTest, FailedWriteLeavesNothingAndSaysSo) {
  // A directory path whose parent is a regular file cannot be written, even as root.
  std::ofstream(P("plain")) << "x";
  EXPECT_FALSE(ReplaceFileAtomically(P("plain") + "/a.bin", "abc", 3));
  EXPECT_FALSE(ReadFileBytes(P("plain") + "/a.bin").has_value());
  // A directory in the way of the target stays as it is.
  fs::create_directories(P("taken") + "/inner");
  EXPECT_FALSE(ReplaceFileAtomically(P("taken"), "abc", 3));
  EXPECT_TRUE(fs::is_directory(P("taken") + "/inner"));
  EXPECT_EQ(EntryCount(), 2);
  EXPECT_FALSE(SetFileModifiedLocal(P("missing"), {2026, 1, 1, 0, 0, 0}));
  EXPECT_FALSE(FileModifiedLocal(P("missing")).has_value());
}

TEST_F(FilesTest, RemovesFilesOnly) {
  std::ofstream(P("f")) << "x";
  EXPECT_TRUE(FileExists(P("f")));
  EXPECT_TRUE(RemoveFile(P("f")));
  EXPECT_FALSE(FileExists(P("f")));
  EXPECT_TRUE(RemoveFile(P("f")));  // missing is no error
  fs::create_directories(P("d"));
  EXPECT_FALSE(FileExists(P("d")));
  EXPECT_FALSE(RemoveFile(P("d")));
  EXPECT_TRUE(fs::is_directory(P("d")));
}

}  // namespace
}  // namespace core
