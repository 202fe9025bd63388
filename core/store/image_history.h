#pragma once

#include <unordered_map>
#include <vector>

#include "core/store/record.h"

namespace core {

/// Undo and redo of image changes, kept per model memory record (2 KB a step); owned by the store.
/// Whenever it meets a record whose imageSaved flag is set, the record's current image is the one
/// on disk, so it can tell when undo or redo bring the saved bytes back.
class ImageHistory {
 public:
  using Image = decltype(ModellSpeicherTyp::image);

  /// Remembers the record's image before a change that may span several events.
  void Begin(const ModellSpeicherTyp& record);
  /// Ends the step begun for the record: kept (and redo dropped) when the image changed.
  /// True when it changed; false, and nothing kept, without a Begin.
  bool Commit(const ModellSpeicherTyp& record);
  /// Whether a step is begun and not yet committed for the record.
  bool InStep(const ModellSpeicherTyp& record) const;

  bool CanUndo(const ModellSpeicherTyp* record) const;
  bool CanRedo(const ModellSpeicherTyp* record) const;
  /// Restores the image before the last step (or after the last undone one); false when none.
  bool Undo(ModellSpeicherTyp& record);
  bool Redo(ModellSpeicherTyp& record);
  /// Whether the record's image equals the bytes last seen saved.
  bool HoldsSavedImage(const ModellSpeicherTyp& record) const;

  /// Forgets one record (it was freed or reused) or every record (the directory changed).
  void Forget(const ModellSpeicherTyp& record);
  void Clear();

 private:
  struct Entry {
    std::vector<Image> undo;
    std::vector<Image> redo;
    Image pending{};
    bool inStep = false;
    Image saved{};
    bool knowsSaved = false;
  };

  Entry& Touch(const ModellSpeicherTyp& record);
  bool Restore(ModellSpeicherTyp& record, std::vector<Image>& from, std::vector<Image>& to);

  std::unordered_map<const ModellSpeicherTyp*, Entry> entries_;
};

}  // namespace core
