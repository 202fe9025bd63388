// Two programs on one directory: neither overwrites or removes what the other wrote unasked.

#include <gtest/gtest.h>

#include <filesystem>

#include "core/store/store.h"
#include "core/store/tree.h"
#include "tests/core/store/store_fixture.h"

namespace core {
namespace {

namespace fs = std::filesystem;
using testing::FakeHost;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteModelFile;

// One program: its host (the window stand-in) and its store on the shared directory.
struct Program {
  explicit Program(const std::string& dir) {
    host.settings["ModelMemDir"] = dir;
    store.StoreInit();
    store.LoadDirectory(dir);
    Rebuild();
  }
  void Rebuild() {
    std::string select;
    BuildTree(store, store.GetModelMemoryDir(), select);
  }
  ModellSpeicherTyp* Activate(const std::string& file) {
    for (ModellSpeicherTyp* r : store.MainList())
      if (r->inUse && FileNameOf(r->fileName) == file) store.SetActiveModelMemory(r);
    return store.GetActive();
  }
  void SaveComment(const std::string& file, const std::string& text) {
    Activate(file);
    host.commentBox = {text};
    store.CommentEdited();
    store.SaveActiveModelMemory();
  }
  FakeHost host;
  ModelMemoryStore store{host};
};

class TwoPrograms : public ::testing::Test {
 protected:
  TwoPrograms() {
    WriteModelFile(dir_.file("ASW28.FC"), "ASW28", "01.02.03   10:00");
    WriteModelFile(dir_.file("KA6.FC"), "KA6", "01.02.03   10:00");
  }
  std::string Text(const std::string& file) const {
    const auto b = ReadBytes(dir_.file(file));
    return std::string(b.begin(), b.end());
  }
  TempDir dir_;
};

TEST_F(TwoPrograms, ACommentTheOtherSavedIsNeverReplacedUnasked) {
  struct Case {
    FileChangedAnswer answer;
    const char* inAsw28Txt;  // afterwards
    const char* inAsw28_1Txt;
    bool secondSaved;
  };
  const Case cases[] = {
      {FileChangedAnswer::kOverwrite, "second\r\n", nullptr, true},
      {FileChangedAnswer::kKeepOther, "first\r\n", "second\r\n", true},
      {FileChangedAnswer::kCancel, "first\r\n", nullptr, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.answer));
    for (const char* f : {"ASW28.TXT", "ASW28_1.FC", "ASW28_1.TXT"}) fs::remove(dir_.file(f));
    Program one(dir_.dir()), two(dir_.dir());
    one.SaveComment("ASW28.FC", "first");
    two.host.changedAnswers = {c.answer};
    two.SaveComment("ASW28.FC", "second");
    ASSERT_EQ(two.host.changedFiles.size(), 1u);
    EXPECT_EQ(FileNameOf(two.host.changedFiles[0]), "ASW28.TXT");
    EXPECT_EQ(Text("ASW28.TXT"), c.inAsw28Txt);
    EXPECT_EQ(fs::exists(dir_.file("ASW28_1.TXT")), c.inAsw28_1Txt != nullptr);
    if (c.inAsw28_1Txt) {
      EXPECT_EQ(Text("ASW28_1.TXT"), c.inAsw28_1Txt);
    }
    EXPECT_EQ(two.store.GetActive()->hasUnsavedChanges(), !c.secondSaved);
    // The first is asked in turn only when the second overwrote its file.
    one.SaveComment("ASW28.FC", "again");
    EXPECT_EQ(one.host.changedFiles.size(), c.answer == FileChangedAnswer::kOverwrite ? 1u : 0u);
  }
}

TEST_F(TwoPrograms, RenamingTwoMemoriesToOneNameKeepsBoth) {
  Program one(dir_.dir()), two(dir_.dir());
  one.SaveComment("ASW28.FC", "of ASW28");
  two.Activate("KA6.FC");
  two.store.RenameActive("NEU");  // named NEU.FC while no such file exists
  one.Activate("ASW28.FC");
  one.store.RenameActive("NEU");
  one.store.SaveActiveModelMemory();
  EXPECT_EQ(FileNameOf(one.store.GetActive()->fileName), "NEU.FC");
  // The second save finds NEU.FC written by the first: it takes the next free name, unasked.
  two.store.SaveActiveModelMemory();
  EXPECT_TRUE(two.host.changedFiles.empty());
  EXPECT_EQ(FileNameOf(two.store.GetActive()->fileName), "NEU_1.FC");
  EXPECT_EQ(Text("NEU.TXT"), "of ASW28\r\n");
  for (const char* f : {"NEU.FC", "NEU_1.FC"}) EXPECT_TRUE(fs::exists(dir_.file(f))) << f;
  for (const char* f : {"ASW28.FC", "ASW28.TXT", "KA6.FC"}) EXPECT_FALSE(fs::exists(dir_.file(f))) << f;
}

TEST_F(TwoPrograms, ADeletedMemoryTheOtherChangedStays) {
  Program one(dir_.dir()), two(dir_.dir());
  two.Activate("ASW28.FC");
  two.store.DeleteActive();
  one.SaveComment("ASW28.FC", "still needed");
  one.Activate("ASW28.FC")->image[100] ^= 1;
  one.store.MarkChanged(*one.store.GetActive(), false, true);
  one.store.SaveActiveModelMemory();
  two.store.QueryAndSaveAll(false);
  EXPECT_TRUE(fs::exists(dir_.file("ASW28.FC")));
  EXPECT_EQ(Text("ASW28.TXT"), "still needed\r\n");
}

}  // namespace
}  // namespace core
