#include "core/store/tree.h"

#include <gtest/gtest.h>

#include "tests/core/store/store_fixture.h"
#include "core/util/files.h"

namespace core {
namespace {

using testing::At;
using testing::FakeHost;
using testing::TempDir;
using testing::WriteModelFile;

class TreeTest : public ::testing::Test {
 protected:
  TreeTest() {
    host_.settings["ModelMemDir"] = dir_.dir();
    store_.StoreInit();
  }
  void File(const std::string& file, const std::string& name, const std::string& dateText) {
    WriteModelFile(dir_.file(file), name, dateText);
  }
  TreeDescription Build() {
    store_.FreeAllModelMemories();
    EXPECT_TRUE(store_.LoadDirectory(dir_.dir()));
    return BuildTree(store_, dir_.dir(), select_);
  }
  /// A record in use with this name, as a receive or the new-memory dialog makes it.
  ModellSpeicherTyp* Fresh(const std::string& name, const std::string& dateText = "") {
    ModellSpeicherTyp* r = store_.AllocModelMemory();
    SetNameFromText(*r, name);
    r->inUse = true;
    r->dateText = dateText;
    return r;
  }
  static std::vector<std::string> Texts(const NameNode& n) {
    std::vector<std::string> t;
    for (const ModelNode& c : n.children) t.push_back(c.text);
    return t;
  }

  TempDir dir_;
  FakeHost host_;
  ModelMemoryStore store_{host_};
  std::string select_;
  ScopedLocalClock clock_{[] { return At(2026, 12, 5, 9, 5); }};
};

// Grouping, newest first, and the newest of a remembered name made active are the window's tree
// test; here what it does not reach: a base name picks its file, names compare exactly.
TEST_F(TreeTest, NameToSelectPicksAFileByBaseNameAndComparesExactly) {
  File("ASW28.FC", "ASW28", "01.02.03   10:00");
  File("ASW28_1.FC", "ASW28", "01.02.03   11:00");
  File("ASW28_2.FC", "ASW28", "01.02.03    9:00");
  select_ = "ASW28_2";
  Build();
  EXPECT_TRUE(select_.empty());
  EXPECT_EQ(FileNameOf(store_.GetActive()->fileName), "ASW28_2.FC");
  EXPECT_EQ(store_.GetPrevious(), nullptr);
  select_ = "asw28";
  const TreeDescription tree = Build();
  EXPECT_EQ(store_.GetActive(), nullptr);
  EXPECT_EQ(tree.names[0].children[2].record->fileName, dir_.file("ASW28_2.FC"));
}

TEST_F(TreeTest, RebuildNamesNewMemoriesAndMarksThemUnsaved) {
  File("LS4.FC", "LS4", "01.02.03   10:00");
  Build();
  ModellSpeicherTyp* received = Fresh("LS4");
  received->imageSaved = received->commentSaved = true;
  ModellSpeicherTyp* loaded = nullptr;
  for (ModellSpeicherTyp* r = store_.MainListHead(); r != nullptr; r = r->next) {
    if (r != received) loaded = r;
  }
  std::filesystem::remove(dir_.file("LS4.FC"));  // its file went away meanwhile
  const TreeDescription tree = BuildTree(store_, dir_.dir(), select_);
  EXPECT_EQ(received->fileName, dir_.file("LS4_1.FC"));
  EXPECT_EQ(received->dateText, "05.12.26    9:05");
  EXPECT_FALSE(received->imageSaved || received->commentSaved);
  EXPECT_EQ(loaded->fileName, dir_.file("LS4.FC"));  // kept, but unsaved
  EXPECT_FALSE(loaded->imageSaved || loaded->commentSaved);
  ASSERT_EQ(tree.names.size(), 1u);
  EXPECT_EQ(tree.names[0].children[0].text, "05.12.26    9:05    LS4_1.FC");
}

TEST_F(TreeTest, NamesNewMemoriesGroupByGroup) {
  ModellSpeicherTyp* ab10 = Fresh("AB", "01.02.03   10:00");
  ModellSpeicherTyp* aMinusB9 = Fresh("A-B", "01.02.03    9:00");
  ModellSpeicherTyp* ab8 = Fresh("AB", "01.02.03    8:00");
  const TreeDescription tree = BuildTree(store_, dir_.dir(), select_);
  ASSERT_EQ(tree.names.size(), 2u);
  // All of the first name node's memories are named before the second's.
  EXPECT_EQ(FileNameOf(ab10->fileName), "AB.FC");
  EXPECT_EQ(FileNameOf(ab8->fileName), "AB_1.FC");
  EXPECT_EQ(FileNameOf(aMinusB9->fileName), "AB_2.FC");
}

TEST_F(TreeTest, EmptyDirectoryTextIsTheWorkingDirectory) {
  File("A.FC", "A", "01.02.03   10:00");
  testing::WriteBytes(dir_.file("A.TXT"), {'x', 13, 10});
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(dir_.path());
  store_.FreeAllModelMemories();
  store_.SetModelMemoryDir("");
  EXPECT_TRUE(store_.LoadDirectory(""));
  ModellSpeicherTyp* a = store_.MainListHead();
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->fileName, "A.FC");
  EXPECT_TRUE(a->hasComment);
  ModellSpeicherTyp* b = Fresh("B");
  const TreeDescription tree = BuildTree(store_, "", select_);
  EXPECT_EQ(b->fileName, "B.FC");
  EXPECT_TRUE(a->imageSaved);  // its file was found where it is
  EXPECT_FALSE(b->imageSaved);
  EXPECT_EQ(tree.names.size(), 2u);
  std::filesystem::current_path(before);
}

TEST_F(TreeTest, FindsRecordsByNodeText) {
  File("A.FC", "A", "01.02.03   10:00");
  File("B.FC", "B", "01.02.03   10:00");
  const TreeDescription tree = Build();
  ModellSpeicherTyp* a = tree.names[0].children[0].record;
  const std::string text = "01.02.03   10:00    A.FC";
  EXPECT_EQ(NodeText(*a), text);
  EXPECT_EQ(FindByNodeText(store_, text, &tree), a);
  EXPECT_EQ(FindByNodeText(store_, text), a);
  EXPECT_EQ(FindByNodeText(store_, "nothing", &tree), nullptr);
  // A record whose date changed without a rebuild no longer answers to its old node text.
  a->dateText = "02.02.03   10:00";
  EXPECT_EQ(FindByNodeText(store_, text, &tree), nullptr);
  EXPECT_EQ(FindByNodeText(store_, NodeText(*a), &tree), a);
  a->inUse = false;
  EXPECT_EQ(FindByNodeText(store_, NodeText(*a), &tree), nullptr);
  // After the records were freed the old index is not trusted.
  store_.FreeAllModelMemories();
  store_.LoadDirectory(dir_.dir());
  ModellSpeicherTyp* fresh = FindByNodeText(store_, text, &tree);
  ASSERT_NE(fresh, nullptr);
  EXPECT_EQ(fresh->fileName, dir_.file("A.FC"));
}

TEST_F(TreeTest, IconsFollowFlagsAndActive) {
  const struct {
    bool comment, deleted, active;
    int icon;
  } cases[] = {{false, false, false, kIconLeer},           {false, false, true, kIconOk},
               {true, false, false, kIconKlammer},         {true, false, true, kIconKlammerOk},
               {true, true, false, kIconKlammerUndMuell},  {true, true, true, kIconKlammerUndMuellOk},
               {false, true, false, kIconMuellEimer},      {false, true, true, kIconMuellEimerOk}};
  ModellSpeicherTyp r;
  r.inUse = true;
  for (const auto& c : cases) {
    r.hasComment = c.comment;
    r.deleted = c.deleted;
    EXPECT_EQ(ModelNodeIcon(&r, c.active ? &r : nullptr, 0), c.icon) << c.comment << c.deleted;
  }
  EXPECT_EQ(ModelNodeIcon(nullptr, &r, 5), 5);  // no record: unchanged
  SetNameFromText(r, "ASW28");
  EXPECT_EQ(NameNodeIcon("ASW28       ", &r, false), kIconOk);
  EXPECT_EQ(NameNodeIcon("ASW28", &r, false), kIconOrdnerModell);  // all 12 characters count
  EXPECT_EQ(NameNodeIcon("ASK21       ", &r, true), kIconOrdnerOffen);
  EXPECT_EQ(NameNodeIcon("ASK21       ", nullptr, false), kIconOrdnerModell);
}

TEST_F(TreeTest, RefreshComputesEveryNode) {
  File("ASK21.FC", "ASK21", "01.02.03   10:00");
  File("ASW28.FC", "ASW28", "01.02.03   10:00");
  File("ASW28_1.FC", "ASW28", "01.02.03   11:00");
  TreeDescription tree = Build();
  // Clicking the ASW28 name node activates its first child, the newest.
  store_.SetActiveModelMemory(FindByNodeText(store_, tree.names[1].children[0].text, &tree));
  ModellSpeicherTyp* active = store_.GetActive();
  ASSERT_NE(active, nullptr);
  EXPECT_EQ(FileNameOf(active->fileName), "ASW28_1.FC");
  active->hasComment = true;
  active->deleted = true;
  EXPECT_EQ(ComputeTreeIcons(store_, tree, "ASW28       "), (std::vector<int>{7, 12, 2, 11, 12}));
  store_.UndeleteActive();
  EXPECT_EQ(ComputeTreeIcons(store_, tree, "ASK21       "), (std::vector<int>{8, 12, 2, 9, 12}));
  // A node whose record changed without a rebuild keeps the index it has.
  tree.names[0].children[0].record->dateText = "09.09.09    9:09";
  EXPECT_EQ(ComputeTreeIcons(store_, tree, "", {7, 3, 2, 9, 12}),
            (std::vector<int>{7, 3, 2, 9, 12}));
}

}  // namespace
}  // namespace core
