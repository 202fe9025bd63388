// Files of one directory: which comment file belongs to which memory file, comment files that
// are no text, and two programs on the directory, neither overwriting the other's files unasked.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/core/store/store_fixture.h"

namespace core {
namespace {

namespace fs = std::filesystem;

using testing::Program;
using SharedDirectory = testing::StoreFixture;

TEST_F(SharedDirectory, OneCommentFilePerMemoryFileFoundCaseBlind) {
  for (const char* file : {"ASW28.FC", "ASW28.backup.fc", "ka6.fc"}) Write(file);
  WriteText("ASW28.TXT", "mine");
  WriteText("KA6.txt", "old");
  Program p(dir_.dir());
  EXPECT_TRUE(p.Activate("ASW28.FC")->hasComment);
  EXPECT_FALSE(p.Activate("ASW28.backup.fc")->hasComment);  // not ASW28.TXT's
  p.store.DeleteActive();
  p.store.QueryAndSaveAll(false);
  EXPECT_EQ(Text("ASW28.TXT"), "mine");
  // KA6.txt beside ka6.fc is its comment, written back to that very file.
  EXPECT_EQ(p.Activate("ka6.fc")->comment, std::vector<std::string>{"old"});
  p.SaveComment("ka6.fc", "new");
  EXPECT_EQ(Text("KA6.txt"), "new\r\n");
  EXPECT_EQ(Text("ka6.TXT"), "<none>");
}

TEST_F(SharedDirectory, UnreadableCommentFilesAreNeverReadRewrittenOrRemoved) {
  // A FIFO would hang the start, a link to an endless device exhaust memory.
  for (const char* file : {"A.FC", "B.FC", "C.FC", "D.FC"}) Write(file);
  ASSERT_EQ(::mkfifo(dir_.file("A.TXT").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", dir_.file("B.TXT"));
  WriteText("C.TXT", std::string(kMaxTextFileBytes + 1, 'x'));
  fs::create_symlink(dir_.file("nowhere"), dir_.file("D.TXT"));
  Program p(dir_.dir());
  for (ModellSpeicherTyp* r : p.store.MainList()) {
    EXPECT_TRUE(r->commentUnreadable && r->comment.empty()) << r->fileName;
    r->imageSaved = r->commentSaved = false;  // as after a vanished file
    r->deleted = StemOf(r->fileName) >= "C";
  }
  p.host.answers = {kAnswerSaveAll};
  p.store.QueryAndSaveAll(false);
  EXPECT_TRUE(fs::is_fifo(dir_.file("A.TXT")) && fs::is_symlink(dir_.file("B.TXT")) &&
              fs::file_size(dir_.file("C.TXT")) > kMaxTextFileBytes &&
              fs::is_symlink(dir_.file("D.TXT")));
}

TEST_F(SharedDirectory, ACommentTheOtherProgramSavedIsOnlyReplacedWhenTheUserSaysSo) {
  struct Case {
    FileChangedAnswer answer;
    const char* asw28;  // ASW28.TXT and ASW28_1.TXT afterwards
    const char* asw28_1;
  };
  const Case cases[] = {{FileChangedAnswer::kOverwrite, "second\r\n", "<none>"},
                        {FileChangedAnswer::kKeepOther, "first\r\n", "second\r\n"},
                        {FileChangedAnswer::kCancel, "first\r\n", "<none>"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.answer));
    for (const char* f : {"ASW28.TXT", "ASW28_1.FC", "ASW28_1.TXT"}) fs::remove(dir_.file(f));
    Write("ASW28.FC");
    Program one(dir_.dir()), two(dir_.dir());
    one.SaveComment("ASW28.FC", "first");
    two.host.changedAnswers = {c.answer};
    two.SaveComment("ASW28.FC", "second");
    EXPECT_EQ(two.host.changedFiles, std::vector<std::string>{dir_.file("ASW28.TXT")});
    EXPECT_EQ(Text("ASW28.TXT"), c.asw28);
    EXPECT_EQ(Text("ASW28_1.TXT"), c.asw28_1);
    EXPECT_EQ(two.store.GetActive()->hasUnsavedChanges(), c.answer == FileChangedAnswer::kCancel);
  }
}

TEST_F(SharedDirectory, RenamesToOneNameKeepBothAndDeletionsSpareChangedFiles) {
  for (const char* file : {"ASW28.FC", "KA6.FC", "LS4.FC"}) Write(file);
  Program one(dir_.dir()), two(dir_.dir());
  one.SaveComment("ASW28.FC", "of ASW28");
  two.Activate("KA6.FC");
  two.store.RenameActive("NEU");  // named NEU.FC while no such file exists
  one.Activate("ASW28.FC");
  one.store.RenameActive("NEU");
  one.store.SaveActiveModelMemory();
  two.store.SaveActiveModelMemory();  // finds NEU.FC written by the first: the next free name
  EXPECT_TRUE(two.host.changedFiles.empty());
  EXPECT_EQ(FileNameOf(two.store.GetActive()->fileName), "NEU_1.FC");
  EXPECT_EQ(Text("NEU.TXT"), "of ASW28\r\n");
  EXPECT_EQ(Listing(), "LS4.FC NEU.FC NEU.TXT NEU_1.FC");
  // The second deletes LS4 after the first changed it: its files stay.
  two.Activate("LS4.FC");
  two.store.DeleteActive();
  one.SaveComment("LS4.FC", "still needed");
  two.store.QueryAndSaveAll(false);
  EXPECT_TRUE(fs::exists(dir_.file("LS4.FC")));
  EXPECT_EQ(Text("LS4.TXT"), "still needed\r\n");
}

}  // namespace
}  // namespace core
