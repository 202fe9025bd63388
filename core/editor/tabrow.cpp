#include "core/editor/tabrow.h"

#include <algorithm>

#include "core/editor/menutab.h"

namespace core {

int ReselectMenuTab(const std::vector<std::string>& captions, const std::string& remembered,
                    int previousIndex) {
  const int count = static_cast<int>(captions.size());
  if (count == 0) return -1;
  const auto it = std::find(captions.begin(), captions.end(), remembered);
  const int index = it != captions.end() ? static_cast<int>(it - captions.begin()) : previousIndex;
  return std::clamp(index, 0, count - 1);
}

MenuTabRow BuildMenuTabRow(int mainTab, const ModellSpeicherTyp* mem, int version,
                           const std::string& rememberedCaption, int previousIndex) {
  MenuTabRow row;
  for (const MdlMenuTyp* m : OfferedMenus(mainTab, mem, version))
    row.captions.emplace_back(m->Code);
  row.selected = ReselectMenuTab(row.captions, rememberedCaption, previousIndex);
  return row;
}

}  // namespace core
