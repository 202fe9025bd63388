// Which comment file belongs to which model memory file, and files that are no comment text.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>

#include "core/store/store.h"
#include "tests/core/store/store_fixture.h"

namespace core {
namespace {

namespace fs = std::filesystem;
using testing::FakeHost;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;
using testing::WriteModelFile;

class CommentFileTest : public ::testing::Test {
 protected:
  CommentFileTest() { host_.settings["ModelMemDir"] = dir_.dir(); }
  void SetUp() override { store_.StoreInit(); }

  void Load(const std::vector<std::string>& files) {
    for (const std::string& f : files) WriteModelFile(dir_.file(f), "ASW28", "01.02.03   10:00");
    store_.LoadDirectory(dir_.dir());
  }
  ModellSpeicherTyp* ByFile(const std::string& file) {
    for (ModellSpeicherTyp* r : store_.MainList())
      if (r->inUse && FileNameOf(r->fileName) == file) return r;
    return nullptr;
  }
  std::string Text(const std::string& file) {
    const auto b = ReadBytes(dir_.file(file));
    return std::string(b.begin(), b.end());
  }

  TempDir dir_;
  FakeHost host_;
  ModelMemoryStore store_{host_};
};

TEST_F(CommentFileTest, OneCommentFilePerMemoryFile) {
  WriteBytes(dir_.file("ASW28.TXT"), {'m', 'i', 'n', 'e'});
  Load({"ASW28.FC", "ASW28.backup.fc"});
  ASSERT_TRUE(ByFile("ASW28.FC") && ByFile("ASW28.backup.fc"));
  EXPECT_TRUE(ByFile("ASW28.FC")->hasComment);
  EXPECT_FALSE(ByFile("ASW28.backup.fc")->hasComment);
  // Deleting the backup takes its own files only.
  store_.SetActiveModelMemory(ByFile("ASW28.backup.fc"));
  store_.DeleteActive();
  store_.QueryAndSaveAll(false);
  EXPECT_FALSE(fs::exists(dir_.file("ASW28.backup.fc")));
  EXPECT_EQ(Text("ASW28.TXT"), "mine");
}

TEST_F(CommentFileTest, CommentFilesAndNamesAreFoundCaseBlind) {
  WriteBytes(dir_.file("asw28.txt"), {'o', 'l', 'd'});
  Load({"ASW28.FC"});
  ModellSpeicherTyp* r = ByFile("ASW28.FC");
  ASSERT_TRUE(r != nullptr && r->hasComment);
  EXPECT_EQ(r->comment, std::vector<std::string>{"old"});
  // Written back to that file, not to a second one.
  store_.SetActiveModelMemory(r);
  host_.commentBox = {"new"};
  store_.CommentEdited();
  store_.SaveActiveModelMemory();
  EXPECT_EQ(Text("asw28.txt"), "new\r\n");
  EXPECT_FALSE(fs::exists(dir_.file("ASW28.TXT")));
  // A new memory of that name takes neither "asw28.fc"'s name nor an orphan comment's.
  WriteBytes(dir_.file("asw28_1.fc"), {1});
  WriteBytes(dir_.file("ASW28_2.txt"), {1});
  ModellSpeicherTyp* n = store_.AllocModelMemory();
  SetNameFromText(*n, "ASW28");
  n->inUse = true;
  store_.AssignFileName(*n, dir_.dir());
  EXPECT_EQ(FileNameOf(n->fileName), "ASW28_3.FC");
}

TEST_F(CommentFileTest, UnreadableCommentFilesAreLeftAlone) {
  // A FIFO would hang the start, a link to an endless device exhaust memory; a huge file and a
  // dangling link are no comment text either. None is read, rewritten or removed.
  ASSERT_EQ(::mkfifo(dir_.file("A.TXT").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", dir_.file("B.TXT"));
  WriteBytes(dir_.file("C.TXT"), std::vector<std::uint8_t>(kMaxTextFileBytes + 1, 'x'));
  fs::create_symlink(dir_.file("nowhere"), dir_.file("D.TXT"));
  const auto start = std::chrono::steady_clock::now();
  Load({"A.FC", "B.FC", "C.FC", "D.FC"});
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  for (const char* file : {"A.FC", "B.FC", "C.FC", "D.FC"}) {
    SCOPED_TRACE(file);
    ModellSpeicherTyp* r = ByFile(file);
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(r->commentUnreadable);
    EXPECT_TRUE(r->comment.empty());
    r->imageSaved = r->commentSaved = false;  // as after a rename or a vanished file
    r->deleted = file[0] == 'C' || file[0] == 'D';
  }
  host_.answers = {kAnswerSaveAll};
  store_.QueryAndSaveAll(false);
  EXPECT_TRUE(fs::is_fifo(dir_.file("A.TXT")));
  EXPECT_TRUE(fs::is_symlink(dir_.file("B.TXT")));
  EXPECT_EQ(fs::file_size(dir_.file("C.TXT")), kMaxTextFileBytes + 1);
  EXPECT_TRUE(fs::is_symlink(dir_.file("D.TXT")));
}

}  // namespace
}  // namespace core
