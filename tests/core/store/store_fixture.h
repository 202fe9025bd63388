#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/store/model_memory.h"
#include "core/store/store.h"
#include "core/store/tree.h"
#include "core/util/datetime.h"
#include "core/util/files.h"
#include "tests/core/util/temp_dir.h"

namespace core::testing {

/// The bytes of a *.fc file: header, big-endian length, then length pattern bytes.
inline std::vector<std::uint8_t> FcBytes(int length, const std::string& header = "FC2830") {
  std::vector<std::uint8_t> bytes(header.begin(), header.end());
  bytes.push_back(static_cast<std::uint8_t>(length >> 8));
  bytes.push_back(static_cast<std::uint8_t>(length & 0xFF));
  for (int i = 0; i < length; ++i) bytes.push_back(static_cast<std::uint8_t>(i * 7 + 3));
  return bytes;
}

/// Writes a model memory file of 1870 bytes holding the name, with the date text as its
/// modification time.
inline void WriteModelFile(const std::string& path, const std::string& name,
                           const std::string& dateText = "01.02.03   10:00") {
  ModellSpeicherTyp r;
  SetNameFromText(r, name);
  std::vector<std::uint8_t> bytes = FcBytes(1870);
  std::copy_n(r.image.begin(), kNameLength, bytes.begin() + 8);
  WriteBytes(path, bytes);
  SetFileModifiedLocal(path, ParseDateText(dateText));
}

/// The first of the answers given in turn, or the fallback when none are left.
template <class Answer>
Answer TakeAnswer(std::deque<Answer>& answers, Answer fallback) {
  if (answers.empty()) return fallback;
  const Answer a = answers.front();
  answers.pop_front();
  return a;
}

/// A window stand-in that records what the store asks of it.
class FakeHost : public NullStoreHost {
 public:
  std::vector<std::string> commentBox;
  std::string notices;  // in turn: 'A'ctive, 'F'lags, 'I'cons changed, 'R'ebuild the tree
  std::vector<std::string> rebuilds;
  std::map<std::string, std::string> settings;
  std::deque<SaveAnswer> answers;  // answers given in turn; "Speichern" when none are left
  std::vector<SaveQuery> queries;
  std::function<void()> duringQuestion;  // runs while a question is open
  std::optional<std::string> pickedFile;
  std::vector<std::string> writeFailures;
  std::deque<FileChangedAnswer> changedAnswers;  // given in turn; "keep the other" when none left
  std::vector<std::string> changedFiles;         // the files asked about

  std::vector<std::string> CommentBoxLines() override { return commentBox; }
  void SetCommentBoxLines(const std::vector<std::string>& lines) override { commentBox = lines; }
  void Changed(StoreChange what) override {
    notices += what == StoreChange::Active ? 'A' : what == StoreChange::Flags ? 'F' : 'I';
  }
  void RebuildTree(const std::string& directory) override {
    notices += 'R';
    rebuilds.push_back(directory);
  }
  std::optional<std::string> ReadTextSetting(const std::string& name) override {
    if (settings.count(name) == 0) return std::nullopt;
    return settings[name];
  }
  void WriteTextSetting(const std::string& name, const std::string& value) override {
    settings[name] = value;
  }
  SaveAnswer AskSaveQuery(const SaveQuery& query) override {
    queries.push_back(query);
    if (duringQuestion) duringQuestion();
    return TakeAnswer(answers, kAnswerSave);
  }
  std::optional<std::string> PickModelMemoryFile(const std::string&) override { return pickedFile; }
  void WriteFailed(const std::string& path) override { writeFailures.push_back(path); }
  FileChangedAnswer AskFileChanged(const std::string& path) override {
    changedFiles.push_back(path);
    return TakeAnswer(changedAnswers, FileChangedAnswer::kKeepOther);
  }
};

/// One program on a model memory directory: its window stand-in and its store.
struct Program {
  Program() = default;
  /// Opens the directory as the window does at start: the files, then the tree.
  explicit Program(const std::string& dir) {
    store.SetModelMemoryDir(dir);
    store.LoadDirectory(dir);
    std::string select;
    BuildTree(store, dir, select);
  }
  /// The record in use loaded from or named after this file, or null.
  ModellSpeicherTyp* ByFile(const std::string& file) const {
    for (ModellSpeicherTyp* r : store.MainList()) {
      if (r->inUse && FileNameOf(r->fileName) == file) return r;
    }
    return nullptr;
  }
  ModellSpeicherTyp* Activate(const std::string& file) {
    store.SetActiveModelMemory(ByFile(file));
    return store.GetActive();
  }
  /// Types the text into the comment box of this file's memory and saves it.
  void SaveComment(const std::string& file, const std::string& text) {
    Activate(file);
    host.commentBox = {text};
    store.CommentEdited();
    store.SaveActiveModelMemory();
  }
  FakeHost host;
  ModelMemoryStore store{host};
};

/// A store on a fresh directory ("ModelMemDir", set without its trailing separator), its host
/// and a clock fixed at 05.12.26 9:05.
class StoreFixture : public ::testing::Test {
 protected:
  StoreFixture() {
    host_.settings["ModelMemDir"] = dir_.path().string();
    store_.StoreInit();
  }

  /// Writes a model memory file named after the file ("ASW28_1.FC" holds "ASW28").
  void Write(const std::string& file, const std::string& dateText = "01.02.03   10:00") {
    WriteModelFile(dir_.file(file), StemOf(file).substr(0, file.find('_')), dateText);
  }
  /// Writes these model memory files, frees every record and loads the directory.
  void Load(std::initializer_list<const char*> files) {
    for (const char* file : files) Write(file);
    store_.FreeAllModelMemories();
    EXPECT_TRUE(store_.LoadDirectory(store_.GetModelMemoryDir()));
  }
  TreeDescription Rebuild() { return BuildTree(store_, dir_.dir(), select_); }

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
  ModellSpeicherTyp* ByFile(const std::string& file) const { return main_.ByFile(file); }
  ModellSpeicherTyp* Activate(const std::string& file) { return main_.Activate(file); }

  void WriteText(const std::string& file, const std::string& text) {
    core::testing::WriteText(dir_.file(file), text);
  }
  /// A file's content, "<none>" when there is no such file.
  std::string Text(const std::string& file) const {
    if (!std::filesystem::exists(dir_.file(file))) return "<none>";
    return ReadText(dir_.file(file));
  }
  /// The names in the directory, sorted, separated by blanks.
  std::string Listing() const {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir_.path())) {
      names.insert(e.path().filename().string());
    }
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : " ") + name;
    return text;
  }

  TempDir dir_;
  Program main_;
  FakeHost& host_ = main_.host;
  ModelMemoryStore& store_ = main_.store;
  std::string select_;  // the name to select at the next Rebuild
  ScopedLocalClock clock_{[] { return DateTime{2026, 12, 5, 9, 5, 0}; }};
};

}  // namespace core::testing
