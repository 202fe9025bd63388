#include "core/store/tree.h"

#include <filesystem>
#include <system_error>
#include <unordered_set>

#include "core/store/model_memory.h"
#include "core/util/files.h"
#include "core/util/text.h"

namespace core {

std::string NodeText(const ModellSpeicherTyp& record) {
  return record.dateText + "    " + FileNameOf(record.fileName);
}

namespace {

// NodeText(record) == text without building the node text.
bool HasNodeText(const ModellSpeicherTyp& record, std::string_view text) {
  const std::string_view date = record.dateText;
  const std::string_view name = FileNameView(record.fileName);
  return text.size() == date.size() + 4 + name.size() && text.substr(0, date.size()) == date &&
         text.substr(date.size(), 4) == "    " && text.substr(date.size() + 4) == name;
}

// Whether files exist, answered from one listing of the directory taken now, which costs less
// than a look-up per model memory; paths outside the directory are asked one by one.
class ExistenceCheck {
 public:
  explicit ExistenceCheck(const std::string& directory) : directory_(directory) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::directory_iterator it(directory.empty() ? fs::path(".") : PathFromUtf8(directory), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
      std::error_code typeEc;
      // Follows links, as a look-up of the path would.
      if (it->is_regular_file(typeEc)) regularFiles_.insert(FileNameText(it->path()));
    }
    listed_ = !ec;
  }

  bool Exists(const std::string& path) const {
    if (listed_ && path.size() > directory_.size() &&
        path.compare(0, directory_.size(), directory_) == 0) {
      const std::string_view name = std::string_view(path).substr(directory_.size());
      if (FileNameView(name) == name) return regularFiles_.count(std::string(name)) != 0;
    }
    return FileExists(path);
  }

 private:
  std::string directory_;
  bool listed_ = false;
  std::unordered_set<std::string> regularFiles_;
};

bool ComesFirstInMainList(const ModelMemoryStore& store, const ModellSpeicherTyp* a,
                          const ModellSpeicherTyp* b) {
  for (const ModellSpeicherTyp* r = store.MainListHead(); r != nullptr; r = r->next) {
    if (r == a) return true;
    if (r == b) return false;
  }
  return false;
}

}  // namespace

TreeDescription BuildTree(ModelMemoryStore& store, const std::string& directory,
                          std::string& nameToSelect) {
  store.SortModelMemories();

  if (!nameToSelect.empty()) {
    ModellSpeicherTyp* first = nullptr;
    ModellSpeicherTyp* second = nullptr;
    for (ModellSpeicherTyp* r : store.SortedList()) {
      if (second != nullptr) break;
      if (TrimmedName(r) == nameToSelect || BaseNameOf(r->fileName) == nameToSelect) {
        (first == nullptr ? first : second) = r;
      }
    }
    if (second != nullptr) store.SetPrevious(second);
    if (first != nullptr) store.SetActiveModelMemory(first);
    nameToSelect.clear();
  }

  TreeDescription tree;
  tree.generation = store.Generation();
  const ExistenceCheck files(directory);
  // Group first: records are named group by group, in the order the name nodes appear.
  std::unordered_map<std::string, std::size_t> nameIndex;
  std::vector<std::vector<ModellSpeicherTyp*>> groups;
  for (ModellSpeicherTyp* r : store.SortedList()) {
    std::string name = NameText(r);
    auto [it, isNew] = nameIndex.try_emplace(name, tree.names.size());
    if (isNew) {
      tree.names.push_back({std::move(name), {}});
      groups.emplace_back();
    }
    groups[it->second].push_back(r);
  }
  tree.byNodeText.reserve(store.SortedList().size());
  for (std::size_t g = 0; g < groups.size(); ++g) {
    tree.names[g].children.reserve(groups[g].size());
    for (ModellSpeicherTyp* r : groups[g]) {
      if (r->fileName.empty() || !files.Exists(r->fileName)) {
        if (r->fileName.empty()) store.AssignFileName(*r, directory);
        store.MarkChanged(*r, true, true);
      }
      std::string text = NodeText(*r);
      auto [at, fresh] = tree.byNodeText.try_emplace(text, r);
      // Node texts are practically unique; where two records share one, the main list decides.
      if (!fresh && ComesFirstInMainList(store, r, at->second)) at->second = r;
      tree.names[g].children.push_back({std::move(text), r});
    }
  }
  return tree;
}

ModellSpeicherTyp* FindByNodeText(const ModelMemoryStore& store, std::string_view text,
                                  const TreeDescription* tree) {
  if (tree != nullptr && tree->generation == store.Generation()) {
    const auto it = tree->byNodeText.find(std::string(text));
    // Records can change between rebuilds; trust the index only while it still holds.
    if (it != tree->byNodeText.end() && it->second->inUse && HasNodeText(*it->second, text)) {
      return it->second;
    }
  }
  for (ModellSpeicherTyp* r : store.MainList()) {
    if (r->inUse && HasNodeText(*r, text)) return r;
  }
  return nullptr;
}

int ModelNodeIcon(const ModellSpeicherTyp* record, const ModellSpeicherTyp* active,
                  int currentIndex) {
  if (record == nullptr) return currentIndex;
  int index = kIconLeer;
  if (record->hasComment && record->deleted) {
    index = kIconKlammerUndMuell;
  } else if (record->deleted) {
    index = kIconMuellEimer;
  } else if (record->hasComment) {
    index = kIconKlammer;
  }
  if (record == active) {
    switch (index) {
      case kIconLeer:
        return kIconOk;
      case kIconKlammer:
        return kIconKlammerOk;
      case kIconMuellEimer:
        return kIconMuellEimerOk;
      default:
        return kIconKlammerUndMuellOk;
    }
  }
  return index;
}

int NameNodeIcon(std::string_view nodeText, const ModellSpeicherTyp* active, bool selected) {
  if (active != nullptr && NameText(active) == nodeText) return kIconOk;
  return selected ? kIconOrdnerOffen : kIconOrdnerModell;
}

std::vector<int> ComputeTreeIcons(const ModelMemoryStore& store, const TreeDescription& tree,
                                  std::string_view selectedNodeText,
                                  const std::vector<int>& currentIndexes) {
  std::vector<int> icons;
  const ModellSpeicherTyp* active = store.GetActive();
  for (const NameNode& name : tree.names) {
    icons.push_back(NameNodeIcon(name.text, active, name.text == selectedNodeText));
    for (const ModelNode& child : name.children) {
      const std::size_t at = icons.size();
      const int current = at < currentIndexes.size() ? currentIndexes[at] : 0;
      icons.push_back(ModelNodeIcon(FindByNodeText(store, child.text, &tree), active, current));
    }
  }
  return icons;
}

}  // namespace core
