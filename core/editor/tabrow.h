#pragma once

#include <string>
#include <vector>

#include "core/store/record.h"

// The sub-menu tab row the window offers, and which tab it selects after a rebuild.

namespace core {

struct MenuTabRow {
  std::vector<std::string> captions;  // menu codes in table order
  int selected = -1;                  // -1 only for an empty row
};

/// The tab that a rebuilt row selects: the first with the remembered caption, else the
/// previously selected index (0 when none was), at most the last; -1 for an empty row.
int ReselectMenuTab(const std::vector<std::string>& captions, const std::string& remembered,
                    int previousIndex);

/// BuildMenuTabs as a computation: main tab -1 gives an empty row.
MenuTabRow BuildMenuTabRow(int mainTab, const ModellSpeicherTyp* mem, int version,
                           const std::string& rememberedCaption, int previousIndex);

}  // namespace core
