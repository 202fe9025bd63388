#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/store/record.h"

namespace core {

/// What the save query asks about one unsaved model memory.
struct SaveQuery {
  std::string baseName;  // file base name, a..z made capital ("ASW28_1")
  std::string dateText;
  int unsavedCount = 0;  // "Alle speichern"/"Keinen speichern" only when 2 or more
  bool closing = false;  // "Programm fortsetzen" only when the program is being closed
};

/// What changed in the store, for whoever shows it.
enum class StoreChange {
  Active,  ///< another memory became active or previous (or none): labels, editor, comparison
  Flags,   ///< saved flags changed: the status bar
  Icons,   ///< deleted or comment flags changed: the tree's icons
};

/// Answers of the save query.
enum SaveAnswer : int {
  kAnswerPending = 0,   // a question is open
  kAnswerSave = 1,      // "&Speichern"
  kAnswerSaveAll = 2,   // "&Alle speichern"
  kAnswerSkip = 3,      // "&Nicht speichern"
  kAnswerSkipAll = 4,   // "&Keinen speichern"
  kAnswerContinue = 5,  // "Programm &fortsetzen"
  kNoAnswerYet = 6,     // no question asked since the dialog was made
};

/// What to do with a file that another program changed since this one loaded or wrote it.
enum class FileChangedAnswer {
  kOverwrite,  ///< "Überschreiben": write this version over the other one
  kKeepOther,  ///< keep the other version; this one is saved under the next free name
  kCancel,     ///< write nothing; the memory stays unsaved
};

/// The store's only road to the main window, the settings and the dialogs.
/// The main window implements it; tests use a fake. All calls come from the UI thread.
class StoreHost {
 public:
  virtual ~StoreHost() = default;

  /// Lines of the comment box `KommentarRichEdit` (UTF-8).
  virtual std::vector<std::string> CommentBoxLines() = 0;
  /// Replaces the lines of the comment box.
  virtual void SetCommentBoxLines(const std::vector<std::string>& lines) = 0;

  /// Something the host shows changed.
  virtual void Changed(StoreChange what) = 0;
  /// Rebuilds the tree for the directory (the host calls BuildTree and renders it).
  virtual void RebuildTree(const std::string& directory) = 0;
  /// Sets the name to select (model name or file base name) for the next tree rebuild.
  virtual void SetNameToSelect(const std::string& name) = 0;

  /// Reads a text setting (here "ModelMemDir"); none when missing.
  virtual std::optional<std::string> ReadTextSetting(const std::string& name) = 0;
  /// Writes a text setting.
  virtual void WriteTextSetting(const std::string& name, const std::string& value) = 0;

  /// Shows the save query and waits for the answer.
  virtual SaveAnswer AskSaveQuery(const SaveQuery& query) = 0;
  /// Lets the user pick any file in the wanted directory, starting in currentDirectory (empty:
  /// the working directory) with the file name "*.fc"; the chosen file's path, or none.
  virtual std::optional<std::string> PickModelMemoryFile(const std::string& currentDirectory) = 0;

  /// A model memory file or comment file could not be written; the memory stays unsaved.
  virtual void WriteFailed(const std::string& path) = 0;

  /// The file at path (a model memory or comment file about to be written) is no longer the
  /// one this program loaded or last wrote; asks the user and waits for the answer.
  virtual FileChangedAnswer AskFileChanged(const std::string& path) = 0;
  /// The store has loaded a directory and works on it now (the host locks it against a
  /// second program and warns when another one holds it).
  virtual void DirectoryOpened(const std::string& directory) = 0;
};

/// A host with no window: a comment box that only keeps its lines, no tree, no settings, every
/// question answered "Speichern", no directory picked, another program's version of a file kept.
class NullStoreHost : public StoreHost {
 public:
  std::vector<std::string> CommentBoxLines() override { return commentBox_; }
  void SetCommentBoxLines(const std::vector<std::string>& lines) override { commentBox_ = lines; }
  void Changed(StoreChange) override {}
  void RebuildTree(const std::string&) override {}
  void SetNameToSelect(const std::string&) override {}
  std::optional<std::string> ReadTextSetting(const std::string&) override { return std::nullopt; }
  void WriteTextSetting(const std::string&, const std::string&) override {}
  SaveAnswer AskSaveQuery(const SaveQuery&) override { return kAnswerSave; }
  std::optional<std::string> PickModelMemoryFile(const std::string&) override {
    return std::nullopt;
  }
  void WriteFailed(const std::string&) override {}
  FileChangedAnswer AskFileChanged(const std::string&) override {
    return FileChangedAnswer::kKeepOther;
  }
  void DirectoryOpened(const std::string&) override {}

 private:
  std::vector<std::string> commentBox_;
};

}  // namespace core
