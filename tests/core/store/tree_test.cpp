#include "core/store/tree.h"

#include <gtest/gtest.h>

#include "tests/core/store/store_fixture.h"

namespace core {
namespace {

using TreeTest = testing::StoreFixture;

// Grouping, newest first, and the newest of a remembered name made active are the window's tree
// test; here what it does not reach: a base name picks its file, names compare exactly.
TEST_F(TreeTest, NameToSelectPicksAFileByBaseNameAndComparesExactly) {
  Write("ASW28_1.FC", "01.02.03   11:00");
  Write("ASW28_2.FC", "01.02.03    9:00");
  Load({"ASW28.FC"});
  select_ = "ASW28_2";
  Rebuild();
  EXPECT_TRUE(select_.empty());
  EXPECT_EQ(FileNameOf(store_.GetActive()->fileName), "ASW28_2.FC");
  EXPECT_EQ(store_.GetPrevious(), nullptr);
  Load({});
  select_ = "asw28";
  EXPECT_EQ(Rebuild().names[0].children[2].record->fileName, dir_.file("ASW28_2.FC"));
  EXPECT_EQ(store_.GetActive(), nullptr);
}

// Names are given name node by name node, in the order the nodes appear; an undated memory takes
// the date of now and comes first; a memory whose file went away keeps its name but is unsaved.
TEST_F(TreeTest, RebuildNamesNewMemoriesGroupByGroupAndMarksThemUnsaved) {
  Load({"LS4.FC"});
  ModellSpeicherTyp* loaded = store_.MainListHead();
  ModellSpeicherTyp* received = Make("LS4", "", false);
  received->imageSaved = received->commentSaved = true;
  ModellSpeicherTyp* ab10 = Make("AB", "01.02.03   10:00", false);
  ModellSpeicherTyp* aMinusB9 = Make("A-B", "01.02.03    9:00", false);
  ModellSpeicherTyp* ab8 = Make("AB", "01.02.03    8:00", false);
  std::filesystem::remove(dir_.file("LS4.FC"));  // its file went away meanwhile
  const TreeDescription tree = Rebuild();
  ASSERT_EQ(tree.names.size(), 3u);
  EXPECT_EQ(tree.names[2].children[0].text, "05.12.26    9:05    LS4_1.FC");
  EXPECT_FALSE(received->imageSaved || received->commentSaved);
  EXPECT_EQ(loaded->fileName, dir_.file("LS4.FC"));  // kept, but unsaved
  EXPECT_FALSE(loaded->imageSaved || loaded->commentSaved);
  // All of the first name node's memories are named before the second's.
  EXPECT_EQ(FileNameOf(ab10->fileName) + " " + FileNameOf(ab8->fileName) + " " +
                FileNameOf(aMinusB9->fileName),
            "AB.FC AB_1.FC AB_2.FC");
}

TEST_F(TreeTest, EmptyDirectoryTextIsTheWorkingDirectory) {
  Write("A.FC");
  WriteText("A.TXT", "x\r\n");
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(dir_.path());
  store_.SetModelMemoryDir("");
  Load({});
  ModellSpeicherTyp* a = store_.MainListHead();
  ModellSpeicherTyp* b = Make("B", "", false);
  BuildTree(store_, "", select_);
  std::filesystem::current_path(before);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->fileName, "A.FC");
  EXPECT_TRUE(a->hasComment);
  EXPECT_EQ(b->fileName, "B.FC");
  EXPECT_TRUE(a->imageSaved);  // its file was found where it is
}

TEST_F(TreeTest, FindsRecordsByNodeText) {
  Load({"A.FC", "B.FC"});
  const TreeDescription tree = Rebuild();
  ModellSpeicherTyp* a = tree.names[0].children[0].record;
  const std::string text = NodeText(*a);
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
  Load({});
  ModellSpeicherTyp* fresh = FindByNodeText(store_, text, &tree);
  ASSERT_NE(fresh, nullptr);
  EXPECT_EQ(fresh->fileName, dir_.file("A.FC"));
}

// Every combination of comment, deleted and active, and the name nodes of the active memory and
// of the selected node (compared exactly), through the icons of a whole tree.
TEST_F(TreeTest, IconsFollowFlagsActiveAndSelection) {
  Write("ASW28_1.FC", "01.02.03   11:00");
  Load({"ASK21.FC", "ASW28.FC", "LS4.FC"});
  // Name node ASK21, ASK21.FC, name node ASW28, ASW28_1.FC, ASW28.FC, name node LS4, LS4.FC.
  const TreeDescription tree = Rebuild();
  ByFile("ASK21.FC")->hasComment = true;
  ByFile("ASW28.FC")->deleted = true;
  ByFile("ASW28_1.FC")->hasComment = ByFile("ASW28_1.FC")->deleted = true;
  const struct {
    const char* active;
    const char* selected;
    std::vector<int> icons;
  } cases[] = {{"ASW28_1.FC", "ASK21       ", {8, 3, 2, 11, 4, 7, 12}},
               {"ASK21.FC", "", {2, 9, 7, 6, 4, 7, 12}},
               {"ASW28.FC", "ASK21", {7, 3, 2, 6, 10, 7, 12}},
               {"LS4.FC", "", {7, 3, 7, 6, 4, 2, 2}}};
  for (const auto& c : cases) {
    store_.SetActiveModelMemory(ByFile(c.active));
    EXPECT_EQ(ComputeTreeIcons(store_, tree, c.selected), c.icons) << c.active;
  }
  EXPECT_EQ(NameNodeIcon("LS4", store_.GetActive(), false), kIconOrdnerModell);
  // A node whose record changed without a rebuild keeps the index it has.
  ByFile("ASK21.FC")->dateText = "09.09.09    9:09";
  EXPECT_EQ(ComputeTreeIcons(store_, tree, "", {5, 5, 5, 5, 5, 5, 5})[1], 5);
}

}  // namespace
}  // namespace core
