#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tests/core/util/temp_dir.h"
#include "core/store/model_memory.h"
#include "core/store/store_host.h"
#include "core/util/datetime.h"
#include "core/util/files.h"

namespace core::testing {

/// The bytes of a *.fc file: header, big-endian length, then the data bytes given
/// (or length pattern bytes when data is empty and length > 0).
inline std::vector<std::uint8_t> FcBytes(int length, const std::string& header = "FC2830",
                                         std::vector<std::uint8_t> data = {}) {
  std::vector<std::uint8_t> bytes(header.begin(), header.end());
  bytes.push_back(static_cast<std::uint8_t>(length >> 8));
  bytes.push_back(static_cast<std::uint8_t>(length & 0xFF));
  if (data.empty()) {
    for (int i = 0; i < length; ++i) data.push_back(static_cast<std::uint8_t>(i * 7 + 3));
  }
  bytes.insert(bytes.end(), data.begin(), data.end());
  return bytes;
}

/// A model memory file named after the model: name bytes from text, then pattern bytes.
inline std::vector<std::uint8_t> NamedFcBytes(const std::string& name, int length = 1870) {
  ModellSpeicherTyp r;
  SetNameFromText(r, name);
  std::vector<std::uint8_t> data(length);
  for (int i = 0; i < length; ++i) {
    data[i] = i < kNameLength ? r.image[i] : static_cast<std::uint8_t>(i * 13 + 1);
  }
  return FcBytes(length, "FC2830", data);
}

/// Writes a model memory file whose modification time carries the date text.
inline void WriteModelFile(const std::string& path, const std::string& name,
                           const std::string& dateText) {
  WriteBytes(path, NamedFcBytes(name));
  SetFileModifiedLocal(path, ParseDateText(dateText));
}

/// A window stand-in that records what the store asks of it.
class FakeHost : public StoreHost {
 public:
  std::vector<std::string> commentBox;
  std::vector<std::string> rebuilds;
  int refreshIcons = 0;
  int repaints = 0;
  int activeChanged = 0;
  std::string nameToSelect;
  std::map<std::string, std::string> settings;
  std::deque<SaveAnswer> answers;  // answers given in turn; "Speichern" when empty
  std::vector<SaveQuery> queries;
  std::optional<std::string> pickedFile;
  std::vector<std::string> writeFailures;
  std::function<void()> duringQuestion;  // runs while a question is open

  std::vector<std::string> CommentBoxLines() override { return commentBox; }
  void SetCommentBoxLines(const std::vector<std::string>& lines) override { commentBox = lines; }
  void Changed(StoreChange what) override {
    ++(what == StoreChange::Active ? activeChanged
       : what == StoreChange::Flags ? repaints
                                    : refreshIcons);
  }
  void RebuildTree(const std::string& directory) override { rebuilds.push_back(directory); }
  void SetNameToSelect(const std::string& name) override { nameToSelect = name; }
  std::optional<std::string> ReadTextSetting(const std::string& name) override {
    const auto it = settings.find(name);
    if (it == settings.end()) return std::nullopt;
    return it->second;
  }
  void WriteTextSetting(const std::string& name, const std::string& value) override {
    settings[name] = value;
  }
  SaveAnswer AskSaveQuery(const SaveQuery& query) override {
    queries.push_back(query);
    if (duringQuestion) duringQuestion();
    if (answers.empty()) return kAnswerSave;
    const SaveAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  std::optional<std::string> PickModelMemoryFile(const std::string&) override { return pickedFile; }
  void WriteFailed(const std::string& path) override { writeFailures.push_back(path); }
  std::deque<FileChangedAnswer> changedAnswers;  // given in turn; "keep the other" when empty
  std::vector<std::string> changedFiles;         // the files asked about
  FileChangedAnswer AskFileChanged(const std::string& path) override {
    changedFiles.push_back(path);
    if (changedAnswers.empty()) return FileChangedAnswer::kKeepOther;
    const FileChangedAnswer a = changedAnswers.front();
    changedAnswers.pop_front();
    return a;
  }
  std::vector<std::string> openedDirectories;
  void DirectoryOpened(const std::string& directory) override {
    openedDirectories.push_back(directory);
  }
};

/// A fixed clock for SetDateNow.
inline DateTime At(int year, int month, int day, int hour, int minute) {
  return DateTime{year, month, day, hour, minute, 0};
}

}  // namespace core::testing
