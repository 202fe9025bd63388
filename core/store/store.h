#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/store/image_history.h"
#include "core/store/model_memory.h"
#include "core/store/record.h"
#include "core/store/store_host.h"

namespace core {

inline constexpr int kMaxModelMemoryFiles = 2048;  // files taken from one directory

/// Texts of the comparison page's labels `AktMemLabel` ("-.-" without an active memory) and
/// `LetztMemLabel` (the previous memory's file name and " ->").
class ModelMemoryStore;
std::string AktMemLabelText(const ModelMemoryStore& store);
std::string LetztMemLabelText(const ModelMemoryStore& store);

/// Display-order key of a name text: digits and letters kept, umlauts spelled out
/// ("Ä" -> "Ae", "ß" -> "ss"), everything else dropped; compared byte by byte.
std::string SortKey(std::string_view nameText);

/// SortKey(NameText(&record)), straight from the name codes.
std::string SortKeyOfName(const ModellSpeicherTyp& record);

/// All model memories of the model memory directory, the active and the previous one.
/// Owns every record; pointers stay valid until FreeAllModelMemories or destruction.
class ModelMemoryStore {
 public:
  explicit ModelMemoryStore(StoreHost& host);
  ~ModelMemoryStore();
  ModelMemoryStore(const ModelMemoryStore&) = delete;
  ModelMemoryStore& operator=(const ModelMemoryStore&) = delete;

  /// Lists and active/previous become none (records still held are freed); the directory is
  /// read from "ModelMemDir", with the separator added when missing.
  void StoreInit();
  /// Frees every record with its comment; the lists, active and previous become empty.
  void FreeAllModelMemories();
  /// The first free record from the head, else a new one at the head; reset either way.
  ModellSpeicherTyp* AllocModelMemory();

  /// The model memory directory: ends with the separator; empty = working directory.
  const std::string& GetModelMemoryDir() const { return directory_; }
  void SetModelMemoryDir(std::string directory);

  /// Loads the first 2048 "*.fc" files (case-blind) of a directory in enumeration order.
  /// True when every file loaded.
  bool LoadDirectory(const std::string& directory);
  /// Gives the record directory + stem + ["_n"] + ".FC", the first name no file and no record has.
  void AssignFileName(ModellSpeicherTyp& record, const std::string& directory);
  /// True when a record in use has this fileName (a..z made capital on both sides).
  bool FileNameInUse(std::string_view path) const;
  /// Rebuilds the sorted list (display order: key ascending, newest first); gives records
  /// without a date the date of now.
  void SortModelMemories();

  ModellSpeicherTyp* GetActive() const { return active_; }
  ModellSpeicherTyp* GetPrevious() const { return previous_; }
  void SetPrevious(ModellSpeicherTyp* record) { previous_ = record; }
  /// Makes record (or none) active; the former active one takes the comment box text and
  /// becomes the previous one; labels follow.
  void SetActiveModelMemory(ModellSpeicherTyp* record);
  /// Clears commentSaved and/or imageSaved; repaints the status bar when a flag changed.
  void MarkChanged(ModellSpeicherTyp& record, bool commentChanged, bool imageChanged);

  /// Undo and redo of image changes, per record.
  ImageHistory& History() { return history_; }
  /// Undoes or redoes the record's last image step; the record counts as saved exactly when
  /// its image is then the one last saved. False when there was nothing to undo or redo.
  bool UndoImage(ModellSpeicherTyp& record);
  bool RedoImage(ModellSpeicherTyp& record);

  /// Menu "&Speichern": writes the active model memory when it has unsaved changes.
  void SaveActiveModelMemory();
  /// Asks about every unsaved model memory, writes as answered, removes deleted ones' files.
  /// False only when refused because a save of all is already running (nothing done).
  bool SaveAllWithQuery(const std::string& directory);
  /// Saves all with the question; closing offers "Programm fortsetzen". False when the user
  /// chose it, and also when called while a save of all is running (the nested call does nothing).
  bool QueryAndSaveAll(bool closing);
  /// The last answer of the save query (kAnswerPending when none was asked since
  /// QueryAndSaveAll began).
  SaveAnswer LastAnswer() const { return lastAnswer_; }

  /// The comment box of the active memory was edited: its comment is unsaved, and whether it
  /// has a comment (a line that is not blank) follows the box, refreshing the icons on a change.
  void CommentEdited();
  void DeleteActive();
  void UndeleteActive();
  /// "Name übernehmen": renames the active model memory unless the name is the same
  /// (trimmed, a..z capital). The old files are removed only after the new ones were written.
  void RenameActive(std::string_view text);
  /// Copies the active model memory to a new unsaved one with the next free file name.
  void CopyActive();
  /// Saves all with the question, lets the user pick a directory and loads it. When a write
  /// failed during that save the directory stays (no pick), so nothing unsaved is freed.
  void ChangeModelMemoryDir();

  /// Head of the main list (chained by next) and of the sorted list (chained by nextSorted).
  ModellSpeicherTyp* MainListHead() const { return head_; }
  ModellSpeicherTyp* SortedListHead() const { return sortedHead_; }
  /// The main list as an array (records are only ever put at the head, so this is the order
  /// of creation reversed); walks without chasing links through cold records.
  std::vector<ModellSpeicherTyp*> MainList() const;
  /// The sorted list of the last SortModelMemories as an array.
  const std::vector<ModellSpeicherTyp*>& SortedList() const { return sorted_; }
  /// Counts up whenever records are freed, so indexes of record pointers can tell they are stale.
  std::uint64_t Generation() const { return generation_; }
  StoreHost& Host() const { return host_; }

 private:
  struct PendingRemoval {
    std::string modelFile;
    std::string commentFile;
    FileStamp modelStamp;  // as this program last knew them: removed only while unchanged
    FileStamp commentStamp;
  };

  ModellSpeicherTyp* AllocAfter(ModellSpeicherTyp*& cursor);
  bool NeedsFileName(const ModellSpeicherTyp& record) const;
  void EnsureFileName(ModellSpeicherTyp& record, const std::string& directory);
  bool WriteRecord(ModellSpeicherTyp& record);
  bool PrepareWrite(ModellSpeicherTyp& record);
  void MoveToFreeName(ModellSpeicherTyp& record);
  void ShowNamesGivenBySave();
  void FollowRestoredImage(ModellSpeicherTyp& record);
  void RemovePendingFiles(ModellSpeicherTyp& record);

  StoreHost& host_;
  std::vector<std::unique_ptr<ModellSpeicherTyp>> owned_;  // in order of creation
  std::vector<ModellSpeicherTyp*> sorted_;
  ModellSpeicherTyp* head_ = nullptr;
  ModellSpeicherTyp* sortedHead_ = nullptr;
  ModellSpeicherTyp* active_ = nullptr;
  ModellSpeicherTyp* previous_ = nullptr;
  std::string directory_;
  bool closing_ = false;
  SaveAnswer lastAnswer_ = kNoAnswerYet;
  bool savingAll_ = false;
  int writeFailures_ = 0;
  std::uint64_t generation_ = 0;
  bool renamedBySave_ = false;  // a save gave a memory a new name: the tree shows it after
  ImageHistory history_;
  // Files of renamed model memories, removed once the memory is written under its new name.
  std::unordered_map<const ModellSpeicherTyp*, PendingRemoval> pendingRemovals_;
};

}  // namespace core
