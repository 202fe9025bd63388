#include "core/editor/menutab.h"

#include <algorithm>
#include <cstdio>

#include "core/model/access.h"
#include "core/model/partab.h"

namespace core {

std::string MenuTitle(std::string_view tabCaption) {
  const MdlMenuTyp* m = FindMenuByCode(tabCaption);
  if (m == nullptr) return "-.-";
  char number[8];
  std::snprintf(number, sizeof number, "(%02d) ", m->Id % 100);
  return number + std::string(m->EnglishName) + " - " + m->Description;
}

bool MenuHasParameters(int menuId, int version) {
  for (int k = 1; k <= kParamCount; ++k)
    if (ParamDef(k).menu == menuId && ParameterInVersion(k, version)) return true;
  return false;
}

std::vector<int> BuildMenuParamList(int menuId, const ModellSpeicherTyp* mem, int version) {
  const int typeMask = ModelTypeMask(mem);
  struct Entry {
    int group;  // 0 ordered, 1 the menu's own unordered rows, 2 rows of its second menu
    int order;
    int row;
  };
  std::vector<Entry> entries;
  for (int k = 1; k <= kParamCount; ++k) {
    const MemApplMapTyp& d = ParamDef(k);
    if (d.menu != menuId && d.menu2 != menuId) continue;
    if ((ParameterTypeMask(k, version) & typeMask) == 0 || !ParameterInVersion(k, version))
      continue;
    // A row shown here as its second menu counts as having no order.
    const bool second = d.menu2 == menuId;
    const bool ordered = !second && d.order >= 1 && d.order <= kParamCount - 1;
    entries.push_back({ordered ? 0 : second ? 2 : 1, ordered ? d.order : 0, k});
  }
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    return a.group != b.group ? a.group < b.group : a.order < b.order;
  });
  std::vector<int> rows;
  rows.reserve(entries.size());
  for (const Entry& e : entries) rows.push_back(e.row);
  return rows;
}

std::vector<const MdlMenuTyp*> OfferedMenus(int mainTab, const ModellSpeicherTyp* mem,
                                            int version) {
  std::vector<const MdlMenuTyp*> menus;
  if (mainTab < 0) return menus;
  const int selection = mainTab == 0 ? kMenuSystemBits : ModelTypeMask(mem);
  for (const MdlMenuTyp& m : kMenuTable) {
    if ((m.TypeMask & selection) == 0 || m.Id == kMenuIdName) continue;
    if (!MenuHasParameters(m.Id, version)) continue;
    menus.push_back(&m);
  }
  return menus;
}

}  // namespace core
