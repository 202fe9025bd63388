#include "core/store/store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <random>
#include <utility>

#include "core/store/tree.h"
#include "tests/core/store/store_fixture.h"

namespace core {
namespace {

namespace fs = std::filesystem;
using testing::Program;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;
using testing::WriteModelFile;

class StoreTest : public testing::StoreFixture {
 protected:
  /// File names of the records in use, following the main list's links from its head.
  std::vector<std::string> MainListFiles() const {
    std::vector<std::string> files;
    for (const ModellSpeicherTyp* r = store_.MainListHead(); r != nullptr; r = r->next) {
      if (r->inUse) files.push_back(FileNameOf(r->fileName));
    }
    return files;
  }
  /// A save of all with the answers given in turn; the questions asked are in host_.queries.
  bool SaveAll(std::deque<SaveAnswer> answers, bool closing) {
    host_.queries.clear();
    host_.answers = std::move(answers);
    return store_.QueryAndSaveAll(closing);
  }
};

TEST_F(StoreTest, LoadDirectorySkipsWhatIsNoModelMemory) {
  for (const char* file : {"A.FC", "b.fc", "C.Fc", ".hidden.fc", "D.fcx"}) Write(file);
  WriteBytes(dir_.file("BAD.FC"), {'F', 'C', '2', '8', '3', '1', 0, 0});
  fs::create_directories(dir_.file("DIR.FC"));
  EXPECT_FALSE(store_.LoadDirectory(dir_.dir()));
  std::vector<std::string> files = MainListFiles();
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::string>{"A.FC", "C.Fc", "b.fc"}));
  EXPECT_LE(store_.MainList().size(), 4u);  // a failed load leaves its record free for the next
  // A directory that does not exist holds nothing, which is no failed load.
  store_.FreeAllModelMemories();
  EXPECT_TRUE(store_.LoadDirectory(dir_.file("missing") + "/"));
  EXPECT_EQ(store_.MainListHead(), nullptr);
}

TEST_F(StoreTest, TakesTheFirst2048FilesInEnumerationOrder) {
  for (int i = 0; i <= kMaxModelMemoryFiles; ++i) Write("M" + std::to_string(i) + ".FC");
  std::vector<std::string> enumerated;
  for (const auto& e : fs::directory_iterator(dir_.path())) {
    enumerated.push_back(e.path().filename().string());
  }
  enumerated.resize(2048);
  ASSERT_TRUE(store_.LoadDirectory(dir_.dir()));
  std::vector<std::string> loaded = MainListFiles();
  std::reverse(loaded.begin(), loaded.end());  // main list: last loaded at the head
  EXPECT_EQ(loaded, enumerated);
}

// Not the name of a file, nor of a comment file, nor of a memory not yet written: case-blind.
TEST_F(StoreTest, AssignsTheFirstFreeFileName) {
  Load({"ASW28.FC"});
  WriteText("asw28_1.fc", "x");
  WriteText("ASW28_2.txt", "x");
  ModellSpeicherTyp* third = Make("ASW28");
  EXPECT_EQ(third->fileName, dir_.file("ASW28_3.FC"));
  third->fileName = dir_.dir() + "asw28_3.fc";
  EXPECT_EQ(Make("ASW28")->fileName, dir_.file("ASW28_4.FC"));
}

TEST_F(StoreTest, SortKeysSpellOutUmlauts) {
  EXPECT_EQ(SortKey("A-B         "), "AB");
  EXPECT_EQ(SortKey("glück ß.<>/"), "glueckss");
  EXPECT_LT(SortKey("GLUECK"), SortKey("GLÜCK"));
  ModellSpeicherTyp r;
  for (int code = 0; code < 256; ++code) {
    r.image.fill(static_cast<std::uint8_t>(code));
    r.image[5] = 1;
    EXPECT_EQ(SortKeyOfName(r), SortKey(NameText(&r))) << code;
  }
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
    std::size_t at = list.empty() || before(r, list.front()) ? 0 : 1;
    while (at > 0 && at < list.size() && before(list[at], r)) ++at;
    list.insert(list.begin() + static_cast<long>(at), r);
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
  Load({"A.FC", "B.FC"});
  ModellSpeicherTyp* a = ByFile("A.FC");
  a->comment = {"erster"};
  store_.SetActiveModelMemory(a);
  EXPECT_EQ(host_.commentBox, (std::vector<std::string>{"erster"}));
  EXPECT_EQ(LetztMemLabelText(store_), "-.-");
  host_.commentBox = {"geändert"};
  ModellSpeicherTyp* b = Activate("B.FC");
  EXPECT_EQ(a->comment, (std::vector<std::string>{"geändert"}));
  EXPECT_TRUE(a->commentSaved);  // flags are not touched here
  EXPECT_EQ(LetztMemLabelText(store_), a->fileName + " ->");
  host_.notices.clear();
  store_.SetActiveModelMemory(b);  // already active: nothing happens
  store_.SetActiveModelMemory(nullptr);
  EXPECT_EQ(AktMemLabelText(store_), "-.-");
  store_.MarkChanged(*a, true, false);
  EXPECT_FALSE(a->commentSaved);
  EXPECT_TRUE(a->imageSaved);
  store_.MarkChanged(*a, true, false);  // no real change: no repaint
  EXPECT_EQ(host_.notices, "AF");
}

TEST_F(StoreTest, EditedCommentIsUnsavedAndItsPresenceFollowsTheBox) {
  Load({"A.FC"});
  store_.CommentEdited();  // nothing active: nothing happens
  ModellSpeicherTyp* a = Activate("A.FC");
  host_.commentBox = {" \t", ""};
  store_.CommentEdited();
  EXPECT_FALSE(a->commentSaved || a->hasComment);
  for (const bool present : {true, true, false}) {  // the repeat changes no presence: no refresh
    host_.commentBox = {present ? " x" : " "};
    store_.CommentEdited();
    EXPECT_EQ(a->hasComment, present);
  }
  EXPECT_EQ(host_.notices, "AFFII");
}

// Saved and unchanged: nothing is written again, not even a comment file gone meanwhile.
TEST_F(StoreTest, SaveActiveWritesOnlyWhatIsUnsaved) {
  store_.SetActiveModelMemory(Make("LS4", "24.12.25   18:30", false));
  host_.commentBox = {"Neu"};
  store_.GetActive()->hasComment = true;
  store_.SaveActiveModelMemory();
  EXPECT_EQ(Listing(), "LS4.FC LS4.TXT");
  fs::remove(dir_.file("LS4.TXT"));
  store_.SaveActiveModelMemory();
  EXPECT_EQ(Listing(), "LS4.FC");
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
  for (const Move m :
       {Move{true, 2, true}, Move{true, 1, false}, Move{false, 2, true}, Move{false, 3, false}}) {
    EXPECT_TRUE(m.undo ? store_.UndoImage(*r) : store_.RedoImage(*r));
    EXPECT_EQ(r->image[200], m.value);
    EXPECT_EQ(r->imageSaved, m.saved) << int(m.value);
  }
  EXPECT_FALSE(store_.RedoImage(*r));

  // Reused, it holds nothing of the freed memory; its list link stays.
  host_.commentBox = {"alt"};
  store_.SetActiveModelMemory(nullptr);
  Make("KA6");  // in use at the head: the free record further down is found
  r->inUse = false;
  EXPECT_EQ(store_.AllocModelMemory(), r);
  EXPECT_FALSE(history.CanUndo(r));
  EXPECT_TRUE(r->fileName.empty() && r->dateText.empty() && r->comment.empty() && !r->inUse);
  EXPECT_TRUE(r->dataLength == 0 && (r->image[200] & r->header[0] & r->lengthBytes[0]) == 0xFF);
}

class SaveAllTest : public StoreTest {
 protected:
  void SetUp() override { Prepare(); }
  /// Three freshly loaded memories without comments, each with a changed image byte.
  void Prepare() {
    for (const char* file : {"A.TXT", "B.TXT", "C.TXT"}) fs::remove(dir_.file(file));
    Load({"A.FC", "B.FC", "C.FC"});
    order_ = store_.MainList();
    for (ModellSpeicherTyp* r : order_) {
      r->image[100] = 0x42;
      r->imageSaved = false;
    }
  }
  bool Written(const ModellSpeicherTyp* r) { return ReadBytes(r->fileName)[8 + 100] == 0x42; }
  std::vector<ModellSpeicherTyp*> order_;  // main-list order
};

// The active memory's comment is taken from the box and the active memory restored afterwards.
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
    // The second one is active, its comment typed into the box.
    store_.SetActiveModelMemory(order_[1]);
    host_.commentBox = {"Notiz"};
    order_[1]->hasComment = true;
    order_[1]->commentSaved = false;
    EXPECT_EQ(SaveAll(c.answers, c.closing), c.result);
    ASSERT_EQ(host_.queries.size(), c.asked);
    EXPECT_EQ(host_.queries[0].closing, c.closing);
    EXPECT_EQ(host_.queries[0].unsavedCount, 3);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(Written(order_[i]), c.written[i]) << i;
      EXPECT_EQ(order_[i]->hasUnsavedChanges(), !c.written[i]) << i;
    }
    EXPECT_EQ(Text(StemOf(order_[1]->fileName) + ".TXT"), c.written[1] ? "Notiz\r\n" : "<none>");
    // Active again, now its own previous one, its comment still in the box.
    EXPECT_EQ(store_.GetActive(), order_[1]);
    EXPECT_EQ(store_.GetPrevious(), order_[1]);
    EXPECT_EQ(host_.commentBox, std::vector<std::string>{"Notiz"});
  }
  EXPECT_EQ(host_.queries[0].dateText, "01.02.03   10:00");
  // Nothing to ask about counts as closing.
  for (ModellSpeicherTyp* r : order_) r->imageSaved = r->commentSaved = true;
  EXPECT_TRUE(SaveAll({}, true));
  EXPECT_TRUE(host_.queries.empty());
}

TEST_F(SaveAllTest, DeletedMemoriesAreNeverAskedAboutAndTheirFilesGo) {
  for (const SaveAnswer answer : {kAnswerSkipAll, kAnswerContinue}) {
    SCOPED_TRACE(answer);
    ModellSpeicherTyp* gone = order_[answer == kAnswerSkipAll ? 0 : 1];
    const std::string path = gone->fileName;
    // Its comment as this program wrote it (a file it never wrote would not be its to remove).
    main_.SaveComment(FileNameOf(path), "x");
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
  EXPECT_TRUE(fs::exists(order_[0]->fileName) && fs::exists(CommentFilePath(order_[0]->fileName)));
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
    EXPECT_EQ(host_.settings["ModelMemDir"], dir_.path().string());
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

// A renamed memory that cannot be written in a directory below a regular file: both files are
// named, it stays unsaved, a directory change stays put, and its first files stay until it is
// deleted and all are saved.
TEST_F(StoreTest, FailedWritesStayUnsavedAreReportedAndKeepTheOldFiles) {
  Load({"ASW28.FC"});
  ModellSpeicherTyp* r = Activate("ASW28.FC");
  host_.commentBox = {"x"};
  store_.CommentEdited();
  store_.RenameActive("LS4");
  WriteBytes(dir_.file("plain"), {1});
  store_.SetModelMemoryDir(dir_.file("plain"));
  store_.SaveActiveModelMemory();
  EXPECT_FALSE(r->imageSaved || r->commentSaved);
  const std::string plain = dir_.file("plain") + "/";
  const std::vector<std::string> both = {plain + "LS4.FC", plain + "LS4.TXT"};
  EXPECT_EQ(std::exchange(host_.writeFailures, {}), both);
  EXPECT_EQ(Listing(), "ASW28.FC plain");
  SaveAll({kAnswerSave}, true);
  EXPECT_TRUE(r->hasUnsavedChanges());
  EXPECT_EQ(std::exchange(host_.writeFailures, {}), both);
  // Changing the directory stays put, so the unsaved memory is not freed.
  host_.rebuilds.clear();
  host_.pickedFile = dir_.file("elsewhere/X.FC");
  store_.ChangeModelMemoryDir();  // the question is answered "Speichern"
  EXPECT_FALSE(host_.queries.back().closing);
  EXPECT_EQ(host_.writeFailures, both);
  EXPECT_EQ(store_.GetActive(), r);
  EXPECT_TRUE(r->inUse && r->hasUnsavedChanges());
  EXPECT_EQ(store_.GetModelMemoryDir(), plain);
  EXPECT_TRUE(host_.rebuilds.empty());
  r->deleted = true;
  store_.QueryAndSaveAll(false);
  EXPECT_EQ(Listing(), "plain");
}

TEST_F(StoreTest, RenameToTheSameNameChangesNothing) {
  Load({"ASW28.FC"});
  ModellSpeicherTyp* r = Activate("ASW28.FC");
  for (const char* same : {"asw28", " ASW28 ", "\tAsW28"}) store_.RenameActive(same);
  EXPECT_EQ(r->fileName, dir_.file("ASW28.FC"));
  EXPECT_TRUE(r->imageSaved);
  EXPECT_TRUE(host_.rebuilds.empty());
  store_.RenameActive("ASW 28");  // the inner blank counts
  EXPECT_TRUE(r->fileName.empty() && r->dateText.empty() && !r->imageSaved);
  EXPECT_EQ(host_.rebuilds, std::vector<std::string>{dir_.dir()});
  // The rebuild names it; its old file is its own, so it keeps that name and the file stays.
  Rebuild();
  EXPECT_EQ(r->fileName, dir_.file("ASW28.FC"));
  store_.SaveActiveModelMemory();
  ModellSpeicherTyp check;
  ASSERT_TRUE(LoadModelMemory(check, dir_.file("ASW28.FC")));
  EXPECT_EQ(TrimmedName(&check), "ASW 28");
}

TEST_F(StoreTest, RenameKeepsTheOldFilesUntilWritten) {
  WriteText("ASW28.TXT", "k\r\n");
  Load({"ASW28.FC"});
  ModellSpeicherTyp* r = Activate("ASW28.FC");
  store_.RenameActive("LS4");
  Rebuild();
  EXPECT_EQ(r->fileName, dir_.file("LS4.FC"));
  // "Nicht speichern", then closing without saving: the old files are still there.
  EXPECT_TRUE(SaveAll({kAnswerSkip}, true));
  EXPECT_EQ(Listing(), "ASW28.FC ASW28.TXT");
  // Renamed again before saving: the very first files go after the write.
  store_.RenameActive("LS8");
  Rebuild();
  store_.SaveActiveModelMemory();
  EXPECT_EQ(Listing(), "LS8.FC LS8.TXT");
  EXPECT_EQ(Text("LS8.TXT"), "k\r\n");
}

TEST_F(StoreTest, RenameNeverRemovesAFileAnotherMemoryStillNeeds) {
  // r1 holds the name A.FC without a file; renamed, it has nothing to keep.
  store_.SetActiveModelMemory(Make("A"));
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
  EXPECT_EQ(Listing(), "A.FC B.FC");          // r2 was not written under C.FC: its old file stays
}

TEST_F(StoreTest, CopyMakesAnUnsavedActiveTwin) {
  Load({"ASW28.FC"});
  ModellSpeicherTyp* s = ByFile("ASW28.FC");
  s->comment = {"alt"};
  s->hasComment = true;
  store_.SetActiveModelMemory(s);
  host_.commentBox = {"getippt"};
  store_.CopyActive();
  ModellSpeicherTyp* c = store_.GetActive();
  ASSERT_NE(c, s);
  EXPECT_EQ(c->comment, std::vector<std::string>{"alt"});  // the stored one, not the box's
  EXPECT_EQ(c->fileName, dir_.file("ASW28_1.FC"));
  EXPECT_EQ(c->dateText, "05.12.26    9:05");  // now
  EXPECT_EQ(c->image, s->image);
  EXPECT_FALSE(c->imageSaved || c->commentSaved || c->deleted);
}

// Files of one directory: which comment file belongs to which memory file, comment files that
// are no text, and two programs on the directory, neither overwriting the other's files unasked.
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
  fs::remove(dir_.file("LS4.FC"));  // its file went away meanwhile
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
  const fs::path before = fs::current_path();
  fs::current_path(dir_.path());
  store_.SetModelMemoryDir("");
  Load({});
  ModellSpeicherTyp* a = store_.MainListHead();
  ModellSpeicherTyp* b = Make("B", "", false);
  BuildTree(store_, "", select_);
  fs::current_path(before);
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
