#include "core/store/image_history.h"

namespace core {

ImageHistory::Entry& ImageHistory::Touch(const ModellSpeicherTyp& record) {
  Entry& e = entries_[&record];
  if (record.imageSaved) {
    e.saved = record.image;
    e.knowsSaved = true;
  }
  return e;
}

void ImageHistory::Begin(const ModellSpeicherTyp& record) {
  Entry& e = Touch(record);
  e.pending = record.image;
  e.inStep = true;
}

bool ImageHistory::Commit(const ModellSpeicherTyp& record) {
  const auto it = entries_.find(&record);
  if (it == entries_.end() || !it->second.inStep) return false;
  Entry& e = it->second;
  e.inStep = false;
  if (e.pending == record.image) return false;
  e.undo.push_back(e.pending);
  e.redo.clear();
  return true;
}

bool ImageHistory::InStep(const ModellSpeicherTyp& record) const {
  const auto it = entries_.find(&record);
  return it != entries_.end() && it->second.inStep;
}

bool ImageHistory::CanUndo(const ModellSpeicherTyp* record) const {
  const auto it = entries_.find(record);
  return it != entries_.end() && !it->second.undo.empty();
}

bool ImageHistory::CanRedo(const ModellSpeicherTyp* record) const {
  const auto it = entries_.find(record);
  return it != entries_.end() && !it->second.redo.empty();
}

bool ImageHistory::Restore(ModellSpeicherTyp& record, std::vector<Image>& from,
                           std::vector<Image>& to) {
  if (from.empty()) return false;
  Touch(record);
  to.push_back(record.image);
  record.image = from.back();
  from.pop_back();
  return true;
}

bool ImageHistory::Undo(ModellSpeicherTyp& record) {
  const auto it = entries_.find(&record);
  return it != entries_.end() && Restore(record, it->second.undo, it->second.redo);
}

bool ImageHistory::Redo(ModellSpeicherTyp& record) {
  const auto it = entries_.find(&record);
  return it != entries_.end() && Restore(record, it->second.redo, it->second.undo);
}

bool ImageHistory::HoldsSavedImage(const ModellSpeicherTyp& record) const {
  const auto it = entries_.find(&record);
  return it != entries_.end() && it->second.knowsSaved && it->second.saved == record.image;
}

void ImageHistory::Forget(const ModellSpeicherTyp& record) {
  entries_.erase(&record);
}

void ImageHistory::Clear() {
  entries_.clear();
}

}  // namespace core
