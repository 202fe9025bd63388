#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/store/record.h"
#include "core/store/store.h"

namespace core {

/// Tree state image indexes (positions in the icon list).
enum TreeIcon : int {
  kIconOk = 2,                  // active; name node of the active name
  kIconKlammer = 3,             // with comment
  kIconMuellEimer = 4,          // deleted
  kIconKlammerUndMuell = 6,     // deleted with comment
  kIconOrdnerModell = 7,        // name node
  kIconOrdnerOffen = 8,         // selected name node
  kIconKlammerOk = 9,           // active with comment
  kIconMuellEimerOk = 10,       // active deleted
  kIconKlammerUndMuellOk = 11,  // active deleted with comment
  kIconLeer = 12,               // none of these
};

/// A model memory node: its text and the record it was made from.
struct ModelNode {
  std::string text;
  ModellSpeicherTyp* record = nullptr;
};

/// A name node (one per distinct 12-character name text) with its model memories, newest first.
struct NameNode {
  std::string text;
  std::vector<ModelNode> children;
};

/// What the tree shows, in order, plus an index from node text to record for cheap look-ups.
struct TreeDescription {
  std::vector<NameNode> names;
  std::uint64_t generation = 0;  // store generation the record pointers belong to
  std::unordered_map<std::string, ModellSpeicherTyp*> byNodeText;
};

/// `dateText`, four blanks and the file name of `fileName` ("05.12.26    9:05    ASW28.FC").
std::string NodeText(const ModellSpeicherTyp& record);

/// The tree rebuild: sorts the store, activates the name to select (first match active, second
/// previous; then emptied), names records without an existing file (marking them unsaved) and
/// describes the name nodes and model memory nodes. The caller renders it and updates the name
/// panel.
TreeDescription BuildTree(ModelMemoryStore& store, const std::string& directory,
                          std::string& nameToSelect);

/// The record in use of the main list whose NodeText equals text, or null. With a tree built
/// from the current store generation the look-up is a hash probe (verified against the record).
ModellSpeicherTyp* FindByNodeText(const ModelMemoryStore& store, std::string_view text,
                                  const TreeDescription* tree = nullptr);

/// State index of a model memory node for a record (null: keep currentIndex).
int ModelNodeIcon(const ModellSpeicherTyp* record, const ModellSpeicherTyp* active,
                  int currentIndex);

/// State index of a name node: 2 for the active model memory's name text, else 8 when
/// selected, else 7.
int NameNodeIcon(std::string_view nodeText, const ModellSpeicherTyp* active, bool selected);

/// State indexes of every node in tree order, as RefreshIcons sets them: per name node its own
/// index followed by its children's. currentIndexes (same layout, may be empty = all 0) are kept
/// for nodes whose text matches no record.
std::vector<int> ComputeTreeIcons(const ModelMemoryStore& store, const TreeDescription& tree,
                                  std::string_view selectedNodeText,
                                  const std::vector<int>& currentIndexes = {});

}  // namespace core
