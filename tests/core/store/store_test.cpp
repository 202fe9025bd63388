#include "core/store/store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <deque>
#include <filesystem>
#include <random>

#include "core/store/tree.h"
#include "tests/core/store/store_fixture.h"
#include "core/util/files.h"

namespace core {
namespace {

namespace fs = std::filesystem;
using testing::At;
using testing::FakeHost;
using testing::NamedFcBytes;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;
using testing::WriteModelFile;

class StoreTest : public ::testing::Test {
 protected:
  StoreTest() { host_.settings["ModelMemDir"] = dir_.dir(); }
  void SetUp() override { store_.StoreInit(); }

  /// A model memory made in memory, as the new-memory dialog or a receive would.
  ModellSpeicherTyp* Make(const std::string& name, const std::string& dateText = "",
                          bool named = true) {
    ModellSpeicherTyp* r = store_.AllocModelMemory();
    SetNameFromText(*r, name);
    std::copy_n("FC2830", 6, r->header.begin());
    r->setDataLength(1870);
    r->inUse = true;
    r->dateText = dateText;
    if (named) store_.AssignFileName(*r, store_.GetModelMemoryDir());
    return r;
  }

  /// Writes model files and loads the directory.
  void LoadFiles(const std::vector<std::pair<std::string, std::string>>& fileAndName,
                 const std::string& dateText = "01.02.03   10:00") {
    for (const auto& [file, name] : fileAndName) WriteModelFile(dir_.file(file), name, dateText);
    EXPECT_TRUE(store_.LoadDirectory(store_.GetModelMemoryDir()));
  }

  ModellSpeicherTyp* ByFile(const std::string& file) {
    for (ModellSpeicherTyp* r = store_.MainListHead(); r != nullptr; r = r->next) {
      if (r->inUse && FileNameOf(r->fileName) == file) return r;
    }
    return nullptr;
  }

  void Rebuild() {
    std::string select;
    BuildTree(store_, dir_.dir(), select);
  }

  /// The directory becomes a path below a regular file, where nothing can be written.
  void MakeDirectoryUnwritable() {
    WriteBytes(dir_.file("plain"), {1});
    store_.SetModelMemoryDir(dir_.file("plain"));
  }

  /// A save of all with the answers given in turn; the questions asked are in host_.queries.
  bool SaveAll(std::deque<SaveAnswer> answers, bool closing) {
    host_.queries.clear();
    host_.answers = std::move(answers);
    return store_.QueryAndSaveAll(closing);
  }

  bool Exists(const std::string& file) const { return fs::exists(dir_.file(file)); }

  TempDir dir_;
  FakeHost host_;
  ModelMemoryStore store_{host_};
  ScopedLocalClock clock_{[] { return At(2026, 12, 5, 9, 5); }};
};

TEST_F(StoreTest, InitReadsTheDirectorySetting) {
  EXPECT_EQ(store_.GetModelMemoryDir(), dir_.dir());
  host_.settings["ModelMemDir"] = "/some/where";
  store_.StoreInit();
  EXPECT_EQ(store_.GetModelMemoryDir(), "/some/where/");
}

TEST_F(StoreTest, AllocationReusesFreeRecords) {
  ModellSpeicherTyp* a = store_.AllocModelMemory();
  EXPECT_EQ(store_.AllocModelMemory(), a);  // still free
  a->inUse = true;
  ModellSpeicherTyp* b = store_.AllocModelMemory();
  EXPECT_NE(b, a);
  EXPECT_EQ(store_.MainListHead(), b);  // new records go to the head
  EXPECT_EQ(b->next, a);
  b->inUse = true;
  a->inUse = false;
  a->fileName = "stale";
  EXPECT_EQ(store_.AllocModelMemory(), a);
  EXPECT_TRUE(a->fileName.empty());  // reset before it is handed out
}

TEST_F(StoreTest, LoadDirectorySkipsWhatIsNoModelMemory) {
  for (const char* file : {"A.FC", "b.fc", "C.Fc", ".hidden.fc", "D.fcx"}) {
    WriteModelFile(dir_.file(file), "X", "01.02.03   10:00");
  }
  WriteBytes(dir_.file("BAD.FC"), {'F', 'C', '2', '8', '3', '1', 0, 0});
  WriteBytes(dir_.file("BAD2.FC"), {1});
  fs::create_directories(dir_.file("DIR.FC"));
  EXPECT_FALSE(store_.LoadDirectory(dir_.dir()));
  int inUse = 0;
  int records = 0;
  for (ModellSpeicherTyp* r = store_.MainListHead(); r != nullptr; r = r->next) {
    ++records;
    if (r->inUse) ++inUse;
  }
  EXPECT_EQ(inUse, 3);
  EXPECT_LE(records, 4);  // a failed load leaves its record free for the next file
  EXPECT_EQ(ByFile("b.fc")->dateText, "01.02.03   10:00");
  // A directory that does not exist holds nothing, which is no failed load.
  store_.FreeAllModelMemories();
  EXPECT_TRUE(store_.LoadDirectory(dir_.file("missing") + "/"));
  EXPECT_EQ(store_.MainListHead(), nullptr);
}

TEST_F(StoreTest, TakesTheFirst2048FilesInEnumerationOrder) {
  const auto bytes = NamedFcBytes("X", 16);
  for (int i = 0; i < kMaxModelMemoryFiles + 1; ++i) {
    WriteBytes(dir_.file("M" + std::to_string(i) + ".FC"), bytes);
  }
  std::vector<std::string> enumerated;
  for (const auto& e : fs::directory_iterator(dir_.path())) {
    enumerated.push_back(e.path().filename().string());
  }
  ASSERT_TRUE(store_.LoadDirectory(dir_.dir()));
  std::vector<std::string> loaded;
  for (ModellSpeicherTyp* r = store_.MainListHead(); r != nullptr; r = r->next) {
    if (r->inUse) loaded.push_back(FileNameOf(r->fileName));
  }
  ASSERT_EQ(loaded.size(), 2048u);
  std::reverse(loaded.begin(), loaded.end());  // main list: last loaded at the head
  enumerated.resize(2048);
  EXPECT_EQ(loaded, enumerated);
}

TEST_F(StoreTest, AssignsTheFirstFreeFileName) {
  LoadFiles({{"ASW28.FC", "ASW28"}, {"ASW28_1.FC", "ASW28"}});
  ModellSpeicherTyp* third = Make("ASW28");
  EXPECT_EQ(third->fileName, dir_.file("ASW28_2.FC"));
  // Held only in memory, not yet written: still taken, case-blind.
  ModellSpeicherTyp* fourth = Make("ASW28", "", false);
  third->fileName = dir_.dir() + "asw28_2.fc";
  store_.AssignFileName(*fourth, dir_.dir());
  EXPECT_EQ(fourth->fileName, dir_.file("ASW28_3.FC"));
  EXPECT_TRUE(store_.FileNameInUse(dir_.dir() + "ASW28_3.fc"));
  EXPECT_FALSE(store_.FileNameInUse(dir_.dir() + "ASW28_9.FC"));

  EXPECT_EQ(FileNameOf(Make("  ")->fileName), "Modell.FC");
  EXPECT_EQ(FileNameOf(Make("-/-")->fileName), "Modell_1.FC");
  EXPECT_EQ(FileNameOf(Make("Glück")->fileName), "GLUECK.FC");
}

TEST_F(StoreTest, SortKeysSpellOutUmlauts) {
  EXPECT_EQ(SortKey("A-B         "), "AB");
  EXPECT_EQ(SortKey("Ä"), "Ae");
  EXPECT_EQ(SortKey("glück ß.<>/"), "glueckss");
  EXPECT_LT(SortKey("GLUECK"), SortKey("GLÜCK"));
  EXPECT_LT(SortKey("E"), SortKey("e"));
  ModellSpeicherTyp r;
  for (int code = 0; code < 256; ++code) {
    r.image.fill(static_cast<std::uint8_t>(code));
    r.image[5] = 1;
    EXPECT_EQ(SortKeyOfName(r), SortKey(NameText(&r))) << code;
  }
}

TEST_F(StoreTest, SortGivesUndatedMemoriesTheDateOfNow) {
  ModellSpeicherTyp* dated = Make("X", "01.02.03   10:00");
  ModellSpeicherTyp* undated = Make("X", "");
  undated->imageSaved = true;
  store_.SortModelMemories();
  EXPECT_EQ(store_.SortedListHead(), undated);  // now is the newest
  EXPECT_EQ(undated->dateText, "05.12.26    9:05");
  EXPECT_TRUE(undated->imageSaved);
  EXPECT_EQ(undated->nextSorted, dated);
}

// The display order by plain insertion into a singly linked list, where a record tying with the
// first element goes to the front.
std::vector<const ModellSpeicherTyp*> PlainInsertionSort(const ModelMemoryStore& store) {
  const auto before = [](const ModellSpeicherTyp* a, const ModellSpeicherTyp* b) {
    const std::string ka = SortKey(NameText(a));
    const std::string kb = SortKey(NameText(b));
    if (ka != kb) return ka < kb;
    return DateTextOrder(a->dateText) >= DateTextOrder(b->dateText);
  };
  std::vector<const ModellSpeicherTyp*> list;
  for (const ModellSpeicherTyp* r = store.MainListHead(); r != nullptr; r = r->next) {
    if (!r->inUse) continue;
    if (list.empty() || before(r, list.front())) {
      list.insert(list.begin(), r);
      continue;
    }
    std::size_t at = 0;
    while (at + 1 < list.size() && before(list[at + 1], r)) ++at;
    list.insert(list.begin() + static_cast<long>(at) + 1, r);
  }
  return list;
}

TEST_F(StoreTest, FastSortEqualsPlainInsertionSort) {
  const char* names[] = {"A", "A-B", "AB", "Ä", "AE", "B", "b", "A B"};
  const char* dates[] = {"01.02.03   10:00", "01.02.03    9:59", "01.02.03   10:00",
                         "31.12.99   23:59", "00.00.00    0:00", "xx"};
  std::mt19937 rng(1234);
  for (int round = 0; round < 300; ++round) {
    store_.FreeAllModelMemories();
    const int n = 1 + static_cast<int>(rng() % 40);
    const int nameSpread = 1 + static_cast<int>(rng() % 8);
    const int dateSpread = 1 + static_cast<int>(rng() % 6);
    for (int i = 0; i < n; ++i) {
      ModellSpeicherTyp* r = Make(names[rng() % nameSpread], dates[rng() % dateSpread], false);
      if (rng() % 7 == 0) r->inUse = false;
    }
    const auto expected = PlainInsertionSort(store_);
    store_.SortModelMemories();
    std::vector<const ModellSpeicherTyp*> got;
    for (const ModellSpeicherTyp* r = store_.SortedListHead(); r != nullptr; r = r->nextSorted) {
      got.push_back(r);
    }
    ASSERT_EQ(got, expected) << "round " << round;
  }
}

TEST_F(StoreTest, ActiveAndPreviousCarryCommentsAndLabels) {
  LoadFiles({{"A.FC", "A"}, {"B.FC", "B"}});
  ModellSpeicherTyp* a = ByFile("A.FC");
  ModellSpeicherTyp* b = ByFile("B.FC");
  a->comment = {"erster"};
  store_.SetActiveModelMemory(a);
  EXPECT_EQ(host_.commentBox, (std::vector<std::string>{"erster"}));
  EXPECT_EQ(LetztMemLabelText(store_), "-.-");

  host_.commentBox = {"geändert"};
  store_.SetActiveModelMemory(b);
  EXPECT_EQ(a->comment, (std::vector<std::string>{"geändert"}));
  EXPECT_TRUE(a->commentSaved);  // flags are not touched here
  EXPECT_TRUE(host_.commentBox.empty());
  EXPECT_EQ(store_.GetPrevious(), a);
  EXPECT_EQ(LetztMemLabelText(store_), a->fileName + " ->");

  const int changes = host_.activeChanged;
  store_.SetActiveModelMemory(b);  // already active: nothing happens
  EXPECT_EQ(host_.activeChanged, changes);
  store_.SetActiveModelMemory(nullptr);
  EXPECT_EQ(AktMemLabelText(store_), "-.-");
  EXPECT_EQ(host_.activeChanged, changes + 1);

  const int repaints = host_.repaints;
  store_.MarkChanged(*a, true, false);
  EXPECT_FALSE(a->commentSaved);
  EXPECT_TRUE(a->imageSaved);
  store_.MarkChanged(*a, true, false);
  EXPECT_EQ(host_.repaints, repaints + 1);  // only a real change repaints
}

TEST_F(StoreTest, SaveActiveWritesFileCommentAndTime) {
  ModellSpeicherTyp* r = Make("LS4", "24.12.25   18:30", false);
  store_.SetActiveModelMemory(r);
  host_.commentBox = {"Neu"};
  r->hasComment = true;
  store_.SaveActiveModelMemory();
  EXPECT_EQ(r->fileName, dir_.file("LS4.FC"));
  EXPECT_TRUE(r->imageSaved && r->commentSaved);
  EXPECT_EQ(ReadBytes(dir_.file("LS4.FC")).size(), 8u + 1870u);
  EXPECT_EQ(FileModifiedLocal(dir_.file("LS4.FC")), At(2025, 12, 24, 18, 30));
  EXPECT_EQ(ReadBytes(dir_.file("LS4.TXT")), (std::vector<std::uint8_t>{'N', 'e', 'u', 13, 10}));

  // Saved and unchanged: nothing is written again.
  fs::remove(dir_.file("LS4.TXT"));
  store_.SaveActiveModelMemory();
  EXPECT_FALSE(Exists("LS4.TXT"));
  // Its file gone meanwhile: written again, comment included.
  fs::remove(dir_.file("LS4.FC"));
  store_.SaveActiveModelMemory();
  EXPECT_TRUE(Exists("LS4.FC") && Exists("LS4.TXT"));
}

// Undo and redo follow the saved bytes even across a save between the steps; a reused record
// starts without the freed memory's history.
TEST_F(StoreTest, UndoRedoTellTheSavedImageAndForgetReusedRecords) {
  ModellSpeicherTyp* r = Make("LS4", "24.12.25   18:30", false);
  store_.SetActiveModelMemory(r);
  store_.SaveActiveModelMemory();
  ImageHistory& history = store_.History();
  const auto step = [&](std::uint8_t value) {
    history.Begin(*r);
    r->image[200] = value;
    if (history.Commit(*r)) store_.MarkChanged(*r, false, true);
  };
  step(r->image[200]);  // unchanged: no step
  EXPECT_FALSE(history.CanUndo(r));
  step(1);
  step(2);
  store_.SaveActiveModelMemory();  // 2 is on disk now
  step(3);
  struct Move {
    bool undo;
    std::uint8_t value;
    bool saved;
  };
  for (const Move m : {Move{true, 2, true}, Move{true, 1, false}, Move{false, 2, true},
                       Move{false, 3, false}}) {
    EXPECT_TRUE(m.undo ? store_.UndoImage(*r) : store_.RedoImage(*r));
    EXPECT_EQ(r->image[200], m.value);
    EXPECT_EQ(r->imageSaved, m.saved) << int(m.value);
  }
  EXPECT_FALSE(store_.RedoImage(*r));

  store_.SetActiveModelMemory(nullptr);
  r->inUse = false;
  EXPECT_EQ(store_.AllocModelMemory(), r);
  EXPECT_FALSE(history.CanUndo(r));
}

class SaveAllTest : public StoreTest {
 protected:
  void SetUp() override {
    StoreTest::SetUp();
    Prepare();
  }
  /// Three freshly loaded memories, each with a changed image byte.
  void Prepare() {
    store_.StoreInit();
    order_.clear();
    LoadFiles({{"A.FC", "A"}, {"B.FC", "B"}, {"C.FC", "C"}});
    for (ModellSpeicherTyp* r = store_.MainListHead(); r != nullptr; r = r->next) {
      order_.push_back(r);
      r->image[100] = 0x42;
      r->imageSaved = false;
    }
  }
  bool Written(const ModellSpeicherTyp* r) { return ReadBytes(r->fileName)[8 + 100] == 0x42; }
  std::vector<ModellSpeicherTyp*> order_;  // main-list order
};

TEST_F(SaveAllTest, WritesAsAnsweredAndTheLastAnswerDecidesClosing) {
  struct Case {
    bool closing;
    std::deque<SaveAnswer> answers;
    bool result;
    std::size_t asked;
    std::array<bool, 3> written;
  };
  const Case cases[] = {
      {false, {kAnswerSaveAll}, true, 1, {true, true, true}},
      {false, {kAnswerSkipAll}, true, 1, {false, false, false}},
      {false, {kAnswerSkip, kAnswerSave, kAnswerSkip}, true, 3, {false, true, false}},
      {true, {kAnswerContinue, kAnswerSave, kAnswerSkip}, true, 3, {false, true, false}},
      {true, {kAnswerSave, kAnswerSkip, kAnswerContinue}, false, 3, {true, false, false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answers.front());
    Prepare();
    EXPECT_EQ(SaveAll(c.answers, c.closing), c.result);
    ASSERT_EQ(host_.queries.size(), c.asked);
    EXPECT_EQ(host_.queries[0].closing, c.closing);
    EXPECT_EQ(host_.queries[0].unsavedCount, 3);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(Written(order_[i]), c.written[i]) << i;
      EXPECT_EQ(order_[i]->hasUnsavedChanges(), !c.written[i]) << i;
    }
  }
  EXPECT_EQ(host_.queries[0].baseName, BaseNameOf(order_[0]->fileName));
  EXPECT_EQ(host_.queries[0].dateText, "01.02.03   10:00");
  // One left unsaved: asked about alone (the dialog disables the two "all" buttons).
  order_[1]->imageSaved = true;  // the last case wrote order_[0]
  SaveAll({kAnswerSkip}, false);
  ASSERT_EQ(host_.queries.size(), 1u);
  EXPECT_EQ(host_.queries[0].unsavedCount, 1);
  // Nothing to ask about counts as closing.
  order_[2]->imageSaved = true;
  EXPECT_TRUE(SaveAll({}, true));
  EXPECT_TRUE(host_.queries.empty());
}

TEST_F(SaveAllTest, DeletedMemoriesAreNeverAskedAboutAndTheirFilesGo) {
  for (const SaveAnswer answer : {kAnswerSkipAll, kAnswerContinue}) {
    SCOPED_TRACE(answer);
    ModellSpeicherTyp* gone = order_[answer == kAnswerSkipAll ? 0 : 1];
    const std::string path = gone->fileName;
    // Its comment as this program wrote it (a file it never wrote would not be its to remove).
    store_.SetActiveModelMemory(gone);
    host_.commentBox = {"x"};
    store_.CommentEdited();
    store_.SaveActiveModelMemory();
    store_.SetActiveModelMemory(nullptr);
    ASSERT_TRUE(fs::exists(CommentFilePath(path)));
    gone->deleted = true;
    SaveAll({answer, answer}, true);
    for (const SaveQuery& q : host_.queries) EXPECT_NE(q.baseName, BaseNameOf(path));
    EXPECT_FALSE(fs::exists(path) || fs::exists(CommentFilePath(path)));
    EXPECT_TRUE(gone->inUse && gone->deleted);  // stays in the store
  }
  // Undeleted after its files went: found missing, unsaved, asked about again.
  order_[0]->deleted = false;
  for (auto* r : order_) r->imageSaved = r->commentSaved = true;
  SaveAll({kAnswerSave}, false);
  ASSERT_EQ(host_.queries.size(), 1u);
  EXPECT_TRUE(fs::exists(order_[0]->fileName));
}

TEST_F(SaveAllTest, QueryAndSaveAllTakesTheCommentBoxAndRestoresTheActive) {
  ModellSpeicherTyp* a = order_[1];
  store_.SetActiveModelMemory(a);
  host_.commentBox = {"Notiz"};
  a->hasComment = true;
  a->commentSaved = false;
  EXPECT_TRUE(SaveAll({kAnswerSaveAll}, false));
  EXPECT_EQ(store_.GetActive(), a);
  EXPECT_EQ(store_.GetPrevious(), a);
  EXPECT_EQ(ReadBytes(CommentFilePath(a->fileName)),
            (std::vector<std::uint8_t>{'N', 'o', 't', 'i', 'z', 13, 10}));
  EXPECT_EQ(host_.commentBox, (std::vector<std::string>{"Notiz"}));
}

TEST_F(SaveAllTest, ANestedSaveOfAllIsRefused) {
  int nestedCalls = 0;
  host_.duringQuestion = [&] {
    ++nestedCalls;
    host_.duringQuestion = nullptr;  // the outer questions go on normally
    const std::size_t asked = host_.queries.size();
    EXPECT_FALSE(store_.QueryAndSaveAll(true));
    EXPECT_FALSE(store_.SaveAllWithQuery(store_.GetModelMemoryDir()));
    host_.pickedFile = dir_.file("A.FC");
    store_.ChangeModelMemoryDir();
    host_.pickedFile.reset();
    EXPECT_EQ(host_.queries.size(), asked);
    EXPECT_TRUE(host_.settings["ModelMemDir"] == dir_.dir());
  };
  EXPECT_TRUE(SaveAll({kAnswerSave, kAnswerSave, kAnswerSave}, false));
  EXPECT_EQ(nestedCalls, 1);
  EXPECT_EQ(host_.queries.size(), 3u);
  for (auto* r : order_) EXPECT_TRUE(Written(r));
  // The guard is released: a later save of all asks again.
  order_[0]->imageSaved = false;
  EXPECT_TRUE(store_.QueryAndSaveAll(false));
  EXPECT_EQ(host_.queries.size(), 4u);
}

TEST_F(StoreTest, FailedWritesStayUnsavedAndAreReported) {
  MakeDirectoryUnwritable();
  ModellSpeicherTyp* r = Make("LS4");
  r->hasComment = true;
  r->comment = {"x"};
  store_.SetActiveModelMemory(r);
  store_.SaveActiveModelMemory();
  EXPECT_FALSE(r->imageSaved || r->commentSaved);
  ASSERT_EQ(host_.writeFailures.size(), 2u);
  EXPECT_EQ(host_.writeFailures[0], r->fileName);

  host_.writeFailures.clear();
  SaveAll({kAnswerSave}, true);
  EXPECT_TRUE(r->hasUnsavedChanges());
  EXPECT_FALSE(host_.writeFailures.empty());

  // Changing the directory stays put, so the unsaved memory is not freed.
  TempDir other;
  WriteModelFile(other.file("X.FC"), "X", "01.02.03   10:00");
  host_.pickedFile = other.file("X.FC");
  host_.writeFailures.clear();
  store_.ChangeModelMemoryDir();  // the question is answered "Speichern"
  EXPECT_FALSE(host_.writeFailures.empty());
  EXPECT_EQ(store_.GetActive(), r);
  EXPECT_TRUE(r->inUse && r->hasUnsavedChanges());
  EXPECT_EQ(store_.GetModelMemoryDir(), dir_.file("plain") + "/");
  EXPECT_TRUE(host_.rebuilds.empty());
}

TEST_F(StoreTest, RenameToTheSameNameChangesNothing) {
  LoadFiles({{"ASW28.FC", "ASW28"}});
  ModellSpeicherTyp* r = store_.MainListHead();
  store_.SetActiveModelMemory(r);
  for (const char* same : {"asw28", " ASW28 ", "\tAsW28"}) {
    store_.RenameActive(same);
    EXPECT_EQ(r->fileName, dir_.file("ASW28.FC"));
    EXPECT_TRUE(r->imageSaved);
  }
  EXPECT_TRUE(host_.rebuilds.empty());
  store_.RenameActive("ASW 28");  // the inner blank counts
  EXPECT_TRUE(r->fileName.empty() && r->dateText.empty() && !r->imageSaved);
  EXPECT_EQ(host_.rebuilds, std::vector<std::string>{dir_.dir()});
  // The rebuild names it; its old file is its own, so it keeps that name and the file stays.
  Rebuild();
  EXPECT_EQ(r->fileName, dir_.file("ASW28.FC"));
  store_.SaveActiveModelMemory();
  EXPECT_TRUE(Exists("ASW28.FC"));
  ModellSpeicherTyp check;
  ASSERT_TRUE(LoadModelMemory(check, dir_.file("ASW28.FC")));
  EXPECT_EQ(TrimmedName(&check), "ASW 28");
}

TEST_F(StoreTest, RenameKeepsTheOldFilesUntilWritten) {
  WriteBytes(dir_.file("ASW28.TXT"), {'k', 13, 10});
  LoadFiles({{"ASW28.FC", "ASW28"}});
  ModellSpeicherTyp* r = store_.MainListHead();
  store_.SetActiveModelMemory(r);
  store_.RenameActive("LS4");
  Rebuild();
  EXPECT_EQ(r->fileName, dir_.file("LS4.FC"));
  EXPECT_TRUE(Exists("ASW28.FC") && Exists("ASW28.TXT"));

  // "Nicht speichern", then closing without saving: the old files are still there.
  EXPECT_TRUE(SaveAll({kAnswerSkip}, true));
  EXPECT_TRUE(Exists("ASW28.FC") && Exists("ASW28.TXT"));
  EXPECT_FALSE(Exists("LS4.FC"));

  // Renamed again before saving: the very first files go after the write.
  store_.RenameActive("LS8");
  Rebuild();
  store_.SaveActiveModelMemory();
  EXPECT_TRUE(Exists("LS8.FC") && Exists("LS8.TXT"));
  EXPECT_FALSE(Exists("ASW28.FC") || Exists("ASW28.TXT") || Exists("LS4.FC"));
  EXPECT_EQ(ReadBytes(dir_.file("LS8.TXT")), (std::vector<std::uint8_t>{'k', 13, 10}));
}

TEST_F(StoreTest, RenameNeverRemovesAFileAnotherMemoryStillNeeds) {
  // r1 holds the name A.FC without a file; renamed, it has nothing to keep.
  ModellSpeicherTyp* r1 = Make("A");
  store_.SetActiveModelMemory(r1);
  store_.RenameActive("B");
  Rebuild();
  // r2 takes A.FC, writes it, and is renamed in turn: A.FC is its to keep until written.
  ModellSpeicherTyp* r2 = Make("A");
  EXPECT_EQ(FileNameOf(r2->fileName), "A.FC");
  store_.SetActiveModelMemory(r2);
  store_.SaveActiveModelMemory();
  store_.RenameActive("C");
  Rebuild();
  SaveAll({kAnswerSkip, kAnswerSave}, true);  // main list: r2 first, then r1
  EXPECT_TRUE(Exists("B.FC"));
  EXPECT_TRUE(Exists("A.FC"));  // r2 was not written under C.FC: its old file stays
  EXPECT_FALSE(Exists("C.FC"));
}

TEST_F(StoreTest, RenameWhoseWriteFailsKeepsTheOldFiles) {
  LoadFiles({{"ASW28.FC", "ASW28"}});
  ModellSpeicherTyp* r = store_.MainListHead();
  store_.SetActiveModelMemory(r);
  store_.RenameActive("LS4");
  WriteBytes(dir_.file("plain"), {1});
  r->fileName = dir_.file("plain") + "/LS4.FC";
  store_.SaveActiveModelMemory();
  EXPECT_FALSE(r->imageSaved);
  EXPECT_TRUE(Exists("ASW28.FC"));
  // A deleted renamed memory takes its first files with it at the next save of all.
  r->deleted = true;
  store_.QueryAndSaveAll(false);
  EXPECT_FALSE(Exists("ASW28.FC"));
}

TEST_F(StoreTest, CopyMakesAnUnsavedActiveTwin) {
  ScopedLocalClock later([] { return At(2026, 12, 6, 14, 30); });
  LoadFiles({{"ASW28.FC", "ASW28"}});
  ModellSpeicherTyp* s = store_.MainListHead();
  s->comment = {"alt"};
  s->hasComment = true;
  store_.SetActiveModelMemory(s);
  host_.commentBox = {"getippt"};
  store_.CopyActive();
  ModellSpeicherTyp* c = store_.GetActive();
  ASSERT_NE(c, s);
  EXPECT_EQ(store_.GetPrevious(), s);
  EXPECT_EQ(s->comment,
            (std::vector<std::string>{"getippt"}));  // taken when s stopped being active
  EXPECT_EQ(c->comment, (std::vector<std::string>{"alt"}));
  EXPECT_EQ(c->fileName, dir_.file("ASW28_1.FC"));
  EXPECT_EQ(c->dateText, "06.12.26   14:30");
  EXPECT_EQ(c->image, s->image);
  EXPECT_FALSE(c->imageSaved || c->commentSaved || c->deleted);
}

TEST_F(StoreTest, EditedCommentIsUnsavedAndItsPresenceFollowsTheBox) {
  LoadFiles({{"A.FC", "A"}});
  store_.CommentEdited();  // nothing active: nothing happens
  store_.SetActiveModelMemory(store_.MainListHead());
  ModellSpeicherTyp& a = *store_.GetActive();
  host_.commentBox = {" \t", ""};
  store_.CommentEdited();
  EXPECT_FALSE(a.commentSaved);
  EXPECT_FALSE(a.hasComment);
  EXPECT_EQ(host_.refreshIcons, 0);
  for (const bool present : {true, true, false}) {  // the repeat changes no presence: no refresh
    host_.commentBox = {present ? " x" : " "};
    store_.CommentEdited();
    EXPECT_EQ(a.hasComment, present);
  }
  EXPECT_EQ(host_.refreshIcons, 2);
}

// Cancelling and picking a file are the window's directory test; here the unsaved memory asked
// about on the way.
TEST_F(StoreTest, ChangingTheDirectoryAsksAboutUnsavedMemoriesFirst) {
  LoadFiles({{"A.FC", "A"}});
  TempDir other;
  WriteModelFile(other.file("LS4_1.FC"), "LS4", "01.02.03   10:00");
  store_.MainListHead()->imageSaved = false;  // asked about, answered "Speichern"
  host_.pickedFile = other.file("LS4_1.FC");
  store_.ChangeModelMemoryDir();
  ASSERT_EQ(host_.queries.size(), 1u);
  EXPECT_FALSE(host_.queries[0].closing);
  EXPECT_EQ(ReadBytes(dir_.file("A.FC")).size(), 8u + 1870u);
  EXPECT_EQ(host_.rebuilds, std::vector<std::string>{other.dir()});
}

}  // namespace
}  // namespace core
