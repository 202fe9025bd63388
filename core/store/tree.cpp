#include "store/tree.h"

#include "store/model_memory.h"
#include "util/files.h"
#include "util/text.h"

namespace core {

std::string NodeText(const ModellSpeicherTyp& record) {
  return record.dateText + "    " + FileNameOf(record.fileName);
}

TreeDescription BuildTree(ModelMemoryStore& store, const std::string& directory,
                          std::string& nameToSelect) {
  store.SortModelMemories();

  if (!nameToSelect.empty()) {
    ModellSpeicherTyp* first = nullptr;
    ModellSpeicherTyp* second = nullptr;
    for (ModellSpeicherTyp* r = store.SortedListHead(); r != nullptr && second == nullptr;
         r = r->nextSorted) {
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
  std::unordered_map<std::string, std::size_t> nameIndex;
  for (ModellSpeicherTyp* r = store.SortedListHead(); r != nullptr; r = r->nextSorted) {
    std::string name = NameText(r);
    auto [it, isNew] = nameIndex.try_emplace(name, tree.names.size());
    if (isNew) tree.names.push_back({std::move(name), {}});
    if (r->fileName.empty() || !FileExists(r->fileName)) {
      if (r->fileName.empty()) store.AssignFileName(*r, directory);
      r->imageSaved = false;
      r->commentSaved = false;
    }
    tree.names[it->second].children.push_back({NodeText(*r), r});
  }
  // The main list decides which record a node text finds when several share it.
  for (ModellSpeicherTyp* r = store.MainListHead(); r != nullptr; r = r->next) {
    if (r->inUse) tree.byNodeText.try_emplace(NodeText(*r), r);
  }
  return tree;
}

ModellSpeicherTyp* FindByNodeText(const ModelMemoryStore& store, std::string_view text,
                                  const TreeDescription* tree) {
  if (tree != nullptr && tree->generation == store.Generation()) {
    const auto it = tree->byNodeText.find(std::string(text));
    // Records can change between rebuilds; trust the index only while it still holds.
    if (it != tree->byNodeText.end() && it->second->inUse && NodeText(*it->second) == text) {
      return it->second;
    }
  }
  for (ModellSpeicherTyp* r = store.MainListHead(); r != nullptr; r = r->next) {
    if (r->inUse && NodeText(*r) == text) return r;
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
      case kIconLeer: return kIconOk;
      case kIconKlammer: return kIconKlammerOk;
      case kIconMuellEimer: return kIconMuellEimerOk;
      default: return kIconKlammerUndMuellOk;
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
