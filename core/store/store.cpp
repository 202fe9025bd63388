#include "core/store/store.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <unordered_set>

#include "core/util/files.h"
#include "core/util/text.h"

namespace core {

namespace {

struct SpelledOut {
  char32_t character;
  const char* key;
};

constexpr SpelledOut kKeyUmlauts[] = {
    {U'ä', "ae"}, {U'ö', "oe"}, {U'ü', "ue"}, {U'ß', "ss"},
    {U'Ä', "Ae"}, {U'Ö', "Oe"}, {U'Ü', "Ue"},
};

// Sets a flag for the length of a scope; only the call that set it clears it again.
class FlagGuard {
 public:
  explicit FlagGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagGuard() { flag_ = false; }
  FlagGuard(const FlagGuard&) = delete;
  FlagGuard& operator=(const FlagGuard&) = delete;

 private:
  bool& flag_;
};

}  // namespace

std::string SortKey(std::string_view nameText) {
  std::string key;
  std::size_t pos = 0;
  while (pos < nameText.size()) {
    const char32_t c = Utf8Next(nameText, pos);
    if ((c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z')) {
      key.push_back(static_cast<char>(c));
      continue;
    }
    for (const SpelledOut& row : kKeyUmlauts) {
      if (row.character == c) key += row.key;
    }
  }
  return key;
}

std::string SortKeyOfName(const ModellSpeicherTyp& record) {
  std::string key;
  for (int i = 0; i < kNameLength; ++i) {
    const std::uint8_t code = record.image[i];
    if ((code >= 1 && code <= 26) || (code >= 53 && code <= 62)) {
      key.push_back(static_cast<char>(CodeToChar(code, true)));
    } else if (code >= 71 && code <= 73) {
      key += code == 71 ? "Ae" : (code == 72 ? "Oe" : "Ue");
    }
  }
  return key;
}

ModelMemoryStore::ModelMemoryStore(StoreHost& host) : host_(host) {}

ModelMemoryStore::~ModelMemoryStore() = default;

void ModelMemoryStore::StoreInit() {
  // Records still listed are freed rather than dropped from the list.
  FreeAllModelMemories();
  directory_ = WithTrailingSeparator(host_.ReadTextSetting("ModelMemDir").value_or(""));
}

void ModelMemoryStore::FreeAllModelMemories() {
  owned_.clear();
  history_.Clear();
  sorted_.clear();
  pendingRemovals_.clear();
  head_ = sortedHead_ = active_ = previous_ = nullptr;
  ++generation_;
}

std::vector<ModellSpeicherTyp*> ModelMemoryStore::MainList() const {
  std::vector<ModellSpeicherTyp*> list;
  list.reserve(owned_.size());
  for (auto it = owned_.rbegin(); it != owned_.rend(); ++it) list.push_back(it->get());
  return list;
}

ModellSpeicherTyp* ModelMemoryStore::AllocModelMemory() {
  ModellSpeicherTyp* cursor = head_;
  return AllocAfter(cursor);
}

// The first free record at or after cursor, else a new one at the head. The head is checked
// first: a record just put there whose load failed is the first free one from the head.
ModellSpeicherTyp* ModelMemoryStore::AllocAfter(ModellSpeicherTyp*& cursor) {
  ModellSpeicherTyp* found = nullptr;
  if (head_ != nullptr && !head_->inUse) {
    found = head_;
  } else {
    while (cursor != nullptr && cursor->inUse) cursor = cursor->next;
    found = cursor;
  }
  if (found == nullptr) {
    // A new record starts with its initial values.
    owned_.push_back(std::make_unique<ModellSpeicherTyp>());
    found = owned_.back().get();
    found->next = head_;
    head_ = found;
    return found;
  }
  ResetModelMemory(*found);
  // A reused record is another memory: the freed one's history goes with it.
  history_.Forget(*found);
  return found;
}

void ModelMemoryStore::SetModelMemoryDir(std::string directory) {
  directory_ = WithTrailingSeparator(directory);
}

bool ModelMemoryStore::LoadDirectory(const std::string& directory) {
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  // Comment files as listed, so absent ones need no look-up; by exact name and case-blind.
  std::unordered_set<std::string> commentFiles;
  std::unordered_map<std::string, std::string> commentFilesUpper;
  std::error_code ec;
  fs::directory_iterator it(directory.empty() ? fs::path(".") : PathFromUtf8(directory), ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::string name = FileNameText(it->path());
    if (name.size() > 4 && EqualFileNames(std::string_view(name).substr(name.size() - 4), ".TXT")) {
      commentFilesUpper.emplace(UpperAscii(name), name);
      commentFiles.insert(std::move(name));
      continue;
    }
    if (names.size() >= kMaxModelMemoryFiles) continue;
    if (name.size() < 3 || name.front() == '.') continue;  // "." files are hidden ones
    if (!EqualFileNames(std::string_view(name).substr(name.size() - 3), ".fc")) continue;
    std::error_code typeEc;
    if (!it->is_regular_file(typeEc)) continue;
    names.push_back(std::move(name));
  }
  bool all = true;
  owned_.reserve(owned_.size() + names.size());
  ModellSpeicherTyp* cursor = head_;
  const std::string prefix = WithTrailingSeparator(directory);
  const std::string absolute = AbsoluteDirectoryOf(prefix + "*.fc");  // the directory of its files
  for (const std::string& name : names) {
    ModellSpeicherTyp* record = AllocAfter(cursor);
    std::string comment = StemOf(name) + ".TXT";
    const std::string* commentName = nullptr;
    if (commentFiles.count(comment) != 0) {
      commentName = &comment;
    } else if (const auto found = commentFilesUpper.find(UpperAscii(comment));
               found != commentFilesUpper.end()) {
      commentName = &found->second;
    }
    if (!LoadModelMemoryListed(*record, prefix + name, absolute, commentName)) all = false;
  }
  host_.DirectoryOpened(directory);
  return all;
}

void ModelMemoryStore::AssignFileName(ModellSpeicherTyp& record, const std::string& directory) {
  const std::string stem = FileNameStem(record);
  const auto pending = pendingRemovals_.find(&record);
  // Names taken on disk, case-blind: a new memory must not take the file, nor the comment
  // file, of another one, even where they differ from its name only in case.
  std::unordered_set<std::string> taken;
  std::error_code ec;
  namespace fs = std::filesystem;
  for (fs::directory_iterator it(directory.empty() ? fs::path(".") : PathFromUtf8(directory), ec);
       !ec && it != fs::directory_iterator(); it.increment(ec)) {
    taken.insert(UpperAscii(FileNameText(it->path())));
  }
  std::string suffix;
  for (int n = 1;; ++n) {
    const std::string name = stem + suffix;
    std::string candidate = directory + name + ".FC";
    suffix = "_" + std::to_string(n);
    // The record's own file from before a rename is about to go, so that name is free to it.
    const bool ownOldFile =
        pending != pendingRemovals_.end() && EqualFileNames(pending->second.modelFile, candidate);
    const bool onDisk =
        taken.count(UpperAscii(name + ".FC")) != 0 || taken.count(UpperAscii(name + ".TXT")) != 0;
    if ((onDisk && !ownOldFile) || FileNameInUse(candidate)) continue;
    record.fileName = std::move(candidate);
    return;
  }
}

bool ModelMemoryStore::FileNameInUse(std::string_view path) const {
  for (const auto& r : owned_) {
    if (r->inUse && EqualFileNames(r->fileName, path)) return true;
  }
  return false;
}

void ModelMemoryStore::SortModelMemories() {
  struct Item {
    ModellSpeicherTyp* record;
    std::string key;
    long long date;
    std::size_t index;  // position in the main list
  };
  std::vector<Item> items;
  items.reserve(owned_.size());
  for (auto it = owned_.rbegin(); it != owned_.rend(); ++it) {
    ModellSpeicherTyp* r = it->get();
    if (!r->inUse) continue;
    r->nextSorted = nullptr;
    if (r->dateText.empty()) SetDateNow(*r);
    items.push_back({r, SortKeyOfName(*r), DateTextOrder(r->dateText), items.size()});
  }
  // Equivalent to inserting the records one by one in main-list order, each after the records
  // that come before it or tie with it - except that a record tying with the first element goes
  // to the front. Within a tie group, the members inserted while nothing smaller was in the list
  // end up first, in reverse order; the others follow in main-list order.
  std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
    if (a.key != b.key) return a.key < b.key;
    return a.date > b.date;
  });
  std::vector<ModellSpeicherTyp*>& order = sorted_;
  order.clear();
  order.reserve(items.size());
  std::size_t smallerMin = SIZE_MAX;  // lowest main-list index of all strictly smaller records
  for (std::size_t begin = 0; begin < items.size();) {
    std::size_t end = begin + 1;
    while (end < items.size() && items[end].key == items[begin].key &&
           items[end].date == items[begin].date) {
      ++end;
    }
    std::size_t split = begin;
    while (split < end && items[split].index < smallerMin) ++split;
    for (std::size_t i = split; i > begin; --i) order.push_back(items[i - 1].record);
    for (std::size_t i = split; i < end; ++i) order.push_back(items[i].record);
    for (std::size_t i = begin; i < end; ++i) smallerMin = std::min(smallerMin, items[i].index);
    begin = end;
  }
  sortedHead_ = order.empty() ? nullptr : order.front();
  for (std::size_t i = 0; i + 1 < order.size(); ++i) order[i]->nextSorted = order[i + 1];
}

void ModelMemoryStore::SetActiveModelMemory(ModellSpeicherTyp* record) {
  if (record == active_) return;
  if (active_ != nullptr) {
    previous_ = active_;
    active_->comment = host_.CommentBoxLines();
  }
  if (record != nullptr) host_.SetCommentBoxLines(record->comment);
  active_ = record;
  host_.Changed(StoreChange::Active);
  if (record != nullptr) host_.Changed(StoreChange::Flags);
}

std::string AktMemLabelText(const ModelMemoryStore& store) {
  return store.GetActive() != nullptr ? store.GetActive()->fileName : "-.-";
}

std::string LetztMemLabelText(const ModelMemoryStore& store) {
  return store.GetPrevious() != nullptr ? store.GetPrevious()->fileName + " ->" : "-.-";
}

void ModelMemoryStore::MarkChanged(ModellSpeicherTyp& record, bool commentChanged,
                                   bool imageChanged) {
  bool changed = false;
  if (commentChanged && record.commentSaved) {
    record.commentSaved = false;
    changed = true;
  }
  if (imageChanged && record.imageSaved) {
    record.imageSaved = false;
    changed = true;
  }
  if (changed) host_.Changed(StoreChange::Flags);
}

bool ModelMemoryStore::UndoImage(ModellSpeicherTyp& record) {
  if (!history_.Undo(record)) return false;
  FollowRestoredImage(record);
  return true;
}

bool ModelMemoryStore::RedoImage(ModellSpeicherTyp& record) {
  if (!history_.Redo(record)) return false;
  FollowRestoredImage(record);
  return true;
}

void ModelMemoryStore::FollowRestoredImage(ModellSpeicherTyp& record) {
  const bool saved = history_.HoldsSavedImage(record);
  if (saved == record.imageSaved) return;
  record.imageSaved = saved;
  host_.Changed(StoreChange::Flags);
}

bool ModelMemoryStore::NeedsFileName(const ModellSpeicherTyp& record) const {
  return record.fileName.empty() || !FileExists(record.fileName);
}

void ModelMemoryStore::EnsureFileName(ModellSpeicherTyp& record, const std::string& directory) {
  if (!NeedsFileName(record)) return;
  if (record.fileName.empty()) AssignFileName(record, directory);
  record.imageSaved = false;
  record.commentSaved = false;
}

namespace {

// A regular file stands at path now and it is not the one expected: another program wrote it.
// A missing file, or something that is no file (which no write can replace), is no question.
bool ChangedOnDisk(const std::string& path, const FileStamp& expected) {
  return FileExists(path) && StampOfFile(path) != expected;
}

std::string DirectoryPart(const std::string& path) {
  return path.substr(0, path.size() - FileNameView(path).size());
}

}  // namespace

void ModelMemoryStore::MoveToFreeName(ModellSpeicherTyp& record) {
  // The files at the old name are someone else's now: never remove them.
  pendingRemovals_.erase(&record);
  const std::string directory = DirectoryPart(record.fileName);
  record.fileName.clear();
  AssignFileName(record, directory);
  record.stampsKnown = false;
  record.imageStamp = record.commentStamp = FileStamp{};
  record.commentUnreadable = false;
  record.imageSaved = record.commentSaved = false;
  renamedBySave_ = true;
}

// Before a write: whatever stands at the record's file names must be what this program loaded
// or last wrote there. A memory never written there (new, copied, renamed) takes the next free
// name instead; for a file another program changed the user decides. False: write nothing.
bool ModelMemoryStore::PrepareWrite(ModellSpeicherTyp& record) {
  const auto pending = pendingRemovals_.find(&record);
  const bool ownOldFile = pending != pendingRemovals_.end() &&
                          EqualFileNames(pending->second.modelFile, record.fileName);
  if (!record.stampsKnown && !ownOldFile) {
    const std::string directory = DirectoryPart(record.fileName);
    const std::string comment = StemOf(record.fileName) + ".TXT";
    if (FindNameCaseBlind(directory, FileNameOf(record.fileName)) ||
        FindNameCaseBlind(directory, comment)) {
      MoveToFreeName(record);
    }
    return true;
  }
  const FileStamp& image = record.stampsKnown ? record.imageStamp : pending->second.modelStamp;
  const FileStamp& comment =
      record.stampsKnown ? record.commentStamp : pending->second.commentStamp;
  std::string changed;
  if (!record.imageSaved && ChangedOnDisk(record.fileName, image)) changed = record.fileName;
  const std::string commentPath = FindCommentFile(record.fileName);
  if (changed.empty() && !record.commentSaved && !record.commentUnreadable &&
      ChangedOnDisk(commentPath, comment)) {
    changed = commentPath;
  }
  if (changed.empty()) return true;
  switch (host_.AskFileChanged(changed)) {
    case FileChangedAnswer::kOverwrite:
      return true;
    case FileChangedAnswer::kKeepOther:
      MoveToFreeName(record);
      return true;
    case FileChangedAnswer::kCancel:
      break;
  }
  return false;
}

bool ModelMemoryStore::WriteRecord(ModellSpeicherTyp& record) {
  if (!PrepareWrite(record)) {
    ++writeFailures_;  // not written: a directory change must not free it
    return false;
  }
  const bool writesImage = !record.imageSaved;
  const bool writesComment = !record.commentSaved && !record.commentUnreadable;
  const WriteOutcome outcome = WriteModelMemory(record, record.fileName);
  if (outcome.image) record.imageSaved = true;
  if (outcome.comment) record.commentSaved = true;
  if (!outcome.ok()) ++writeFailures_;
  if (!outcome.image) host_.WriteFailed(record.fileName);
  if (!outcome.comment) host_.WriteFailed(FindCommentFile(record.fileName));
  // What this program wrote is what it expects to find there next time.
  if (writesImage && outcome.image) record.imageStamp = StampOfFile(record.fileName);
  if (writesComment && outcome.comment) {
    record.commentStamp = StampOfFile(FindCommentFile(record.fileName));
  }
  if (outcome.image || (writesComment && outcome.comment)) record.stampsKnown = true;
  if (outcome.ok()) RemovePendingFiles(record);
  return outcome.ok();
}

void ModelMemoryStore::RemovePendingFiles(ModellSpeicherTyp& record) {
  const auto it = pendingRemovals_.find(&record);
  if (it == pendingRemovals_.end()) return;
  const PendingRemoval old = it->second;
  pendingRemovals_.erase(it);
  // Never remove what the record itself or another model memory now lives in, nor what
  // another renamed model memory still keeps until it is written.
  const auto inUseElsewhere = [&](const std::string& path, bool commentFile) {
    for (const auto& owned : owned_) {
      const ModellSpeicherTyp* r = owned.get();
      if (!r->inUse || r->fileName.empty()) continue;
      // Compared case-blind, so the comment file's name as it would be made is enough.
      const std::string own = commentFile ? CommentFilePath(r->fileName) : r->fileName;
      if (EqualFileNames(own, path)) return true;
    }
    for (const auto& [other, files] : pendingRemovals_) {
      if (EqualFileNames(commentFile ? files.commentFile : files.modelFile, path)) return true;
    }
    return false;
  };
  // Nor what another program changed since (ChangedOnDisk also spares what is gone already).
  if (!inUseElsewhere(old.modelFile, false) && !ChangedOnDisk(old.modelFile, old.modelStamp)) {
    RemoveFile(old.modelFile);
  }
  if (!old.commentFile.empty() && !inUseElsewhere(old.commentFile, true) &&
      !ChangedOnDisk(old.commentFile, old.commentStamp)) {
    RemoveFile(old.commentFile);
  }
}

void ModelMemoryStore::SaveActiveModelMemory() {
  ModellSpeicherTyp* a = active_;
  if (a == nullptr) return;
  EnsureFileName(*a, directory_);
  if (a->inUse && a->hasUnsavedChanges()) {
    a->comment = host_.CommentBoxLines();
    WriteRecord(*a);
  }
  ShowNamesGivenBySave();
}

void ModelMemoryStore::ShowNamesGivenBySave() {
  if (!renamedBySave_) return;
  renamedBySave_ = false;
  host_.RebuildTree(directory_);
  host_.Changed(StoreChange::Active);
}

bool ModelMemoryStore::SaveAllWithQuery(const std::string& directory) {
  if (savingAll_) return false;
  FlagGuard guard(savingAll_);
  int unsavedCount = 0;
  for (ModellSpeicherTyp* r = head_; r != nullptr; r = r->next) {
    if (!r->inUse) continue;
    EnsureFileName(*r, directory);
    if (r->hasUnsavedChanges()) ++unsavedCount;
  }
  bool rememberAll = false;
  for (ModellSpeicherTyp* r = head_; r != nullptr; r = r->next) {
    if (!r->inUse) continue;
    if (r->hasUnsavedChanges() && !r->deleted) {
      if (!rememberAll) {
        SaveQuery query;
        query.baseName = UpperAscii(BaseNameOf(r->fileName));
        query.dateText = r->dateText;
        query.unsavedCount = unsavedCount;
        query.closing = closing_;
        lastAnswer_ = host_.AskSaveQuery(query);
        if (lastAnswer_ == kAnswerSaveAll || lastAnswer_ == kAnswerSkipAll) rememberAll = true;
      }
      if (lastAnswer_ == kAnswerSave || lastAnswer_ == kAnswerSaveAll) WriteRecord(*r);
    }
    if (r->deleted) {
      // Only files this program knows as they are now: files of that name it never wrote, or
      // a memory another program changed since (either file), are not its to remove. An
      // unreadable comment stays.
      const std::string comment = FindCommentFile(r->fileName);
      if (r->stampsKnown && !ChangedOnDisk(r->fileName, r->imageStamp) &&
          (r->commentUnreadable || !ChangedOnDisk(comment, r->commentStamp))) {
        RemoveFile(r->fileName);
        if (!r->commentUnreadable) RemoveFile(comment);
      }
      // A deleted model memory that was renamed takes its files from before the rename too.
      RemovePendingFiles(*r);
    }
  }
  ShowNamesGivenBySave();
  return true;
}

bool ModelMemoryStore::QueryAndSaveAll(bool closing) {
  if (savingAll_) return false;
  closing_ = closing;
  lastAnswer_ = kAnswerPending;
  ModellSpeicherTyp* a = active_;
  SetActiveModelMemory(nullptr);
  SaveAllWithQuery(directory_);
  const bool result = lastAnswer_ != kAnswerContinue;
  SetActiveModelMemory(a);
  return result;
}

void ModelMemoryStore::CommentEdited() {
  if (active_ == nullptr) return;
  MarkChanged(*active_, true, false);
  const std::vector<std::string> lines = host_.CommentBoxLines();
  const bool hasContent = std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
    return !TrimBlanks(line).empty();
  });
  if (hasContent != active_->hasComment) {
    active_->hasComment = hasContent;
    host_.Changed(StoreChange::Icons);
  }
}

void ModelMemoryStore::DeleteActive() {
  if (active_ == nullptr) return;
  active_->deleted = true;
  host_.Changed(StoreChange::Icons);
}

void ModelMemoryStore::UndeleteActive() {
  if (active_ == nullptr) return;
  active_->deleted = false;
  host_.Changed(StoreChange::Icons);
}

void ModelMemoryStore::RenameActive(std::string_view text) {
  ModellSpeicherTyp* a = active_;
  if (a == nullptr) return;
  if (UpperAscii(TrimBlanks(text)) == UpperAscii(TrimmedName(a))) return;
  // The old files stay until the memory is written under its new name; after several renames
  // the very first files are the ones to go.
  if (FileExists(a->fileName) && pendingRemovals_.find(a) == pendingRemovals_.end()) {
    pendingRemovals_[a] = {a->fileName,
                           a->commentUnreadable ? std::string() : FindCommentFile(a->fileName),
                           a->imageStamp, a->commentStamp};
  }
  a->fileName.clear();
  a->dateText.clear();
  a->commentUnreadable = false;  // that file stays with the old name; the new one has none
  // Nothing is known of the files at the new name: the write must not replace any.
  a->stampsKnown = false;
  a->imageStamp = a->commentStamp = FileStamp{};
  SetNameFromText(*a, text);
  a->imageSaved = false;
  a->commentSaved = false;
  host_.Changed(StoreChange::Flags);
  host_.RebuildTree(directory_);
}

void ModelMemoryStore::CopyActive() {
  ModellSpeicherTyp* s = active_;
  if (s == nullptr) return;
  ModellSpeicherTyp* c = AllocModelMemory();
  c->copyContentFrom(*s);
  // A file and a date of its own, nothing of it on disk yet (nor any file it may replace).
  c->fileName.clear();
  c->stampsKnown = false;
  c->imageStamp = c->commentStamp = FileStamp{};
  c->commentUnreadable = false;
  AssignFileName(*c, directory_);
  SetDateNow(*c);
  c->deleted = false;
  c->imageSaved = false;
  c->commentSaved = false;
  SetActiveModelMemory(c);
  host_.RebuildTree(directory_);
  host_.Changed(StoreChange::Flags);
}

void ModelMemoryStore::ChangeModelMemoryDir() {
  // Freeing the records under a running save of all would pull them from under it.
  if (savingAll_) return;
  ModellSpeicherTyp* a = active_;
  SetActiveModelMemory(nullptr);
  closing_ = false;
  const int failuresBefore = writeFailures_;
  SaveAllWithQuery(directory_);
  // Freeing the records now would lose what could not be written: stay, as if cancelled.
  const bool keep = writeFailures_ != failuresBefore;
  const std::optional<std::string> chosen =
      keep ? std::nullopt : host_.PickModelMemoryFile(directory_);
  if (!chosen) {
    SetActiveModelMemory(a);
    return;
  }
  FreeAllModelMemories();
  const std::string directory = AbsoluteDirectoryOf(*chosen);
  host_.SetNameToSelect(BaseNameOf(*chosen));
  host_.WriteTextSetting("ModelMemDir", directory);
  StoreInit();
  LoadDirectory(directory);
  host_.RebuildTree(directory);
}

}  // namespace core
