#include "core/print/print_menus.h"

#include <algorithm>

#include "core/dataops/datamenus.h"
#include "core/model/access.h"
#include "core/model/partab.h"
#include "core/model/partab_layout.h"

namespace core {

std::vector<const MdlMenuTyp*> PrintOfferedMenus(const ModellSpeicherTyp* mem, int version) {
  // The copy dialog's menus; those beyond the last box are not offered.
  std::vector<const MdlMenuTyp*> menus = DataMenus(ModelTypeMask(mem), version);
  if (menus.size() > static_cast<std::size_t>(kPreviewBoxes)) menus.resize(kPreviewBoxes);
  return menus;
}

ChangedMenus FindChangedMenus(const ModellSpeicherTyp* mem, int version) {
  ChangedMenus changed;
  if (mem == nullptr) return changed;
  const int mask = ModelTypeMask(mem);
  for (int k = 1; k <= kParamCount; ++k) {
    const MemApplMapTyp& def = ParamDef(k);
    if ((ParameterTypeMask(k, version) & mask) == 0 || changed.Has(def.menu)) continue;
    const std::string defaultText = FormatParameterValue(k, 0, true, mem, false);
    const std::string defaultNumber = FormatParameterValue(k, 0, true, mem, true);
    const int last = IsConditionAddress(def.address) ? 4 : 0;
    for (int c = 0; c <= last; ++c) {
      if (FormatParameterValue(k, c, false, mem, false) != defaultText &&
          FormatParameterValue(k, c, false, mem, true) != defaultNumber) {
        if (def.menu <= kMenuIdLimit) changed.flags[def.menu] = true;
        break;
      }
    }
  }
  return changed;
}

std::vector<std::string> ChangedMenuCodes(const ModellSpeicherTyp* mem, int version) {
  const ChangedMenus changed = FindChangedMenus(mem, version);
  std::vector<std::string> codes;
  for (const MdlMenuTyp* box : PrintOfferedMenus(mem, version)) {
    // Every menu record captioned with the box's code counts, as the boxes know only captions.
    for (const MdlMenuTyp& m : kMenuTable)
      if (std::string_view(m.Code) == box->Code && changed.Has(m.Id)) {
        codes.emplace_back(box->Code);
        break;
      }
  }
  return codes;
}

std::optional<std::vector<std::string>> ParsePrintMenus(const std::string& text,
                                                        const ModellSpeicherTyp* mem, int version,
                                                        std::string* bad) {
  const std::vector<const MdlMenuTyp*> offered = PrintOfferedMenus(mem, version);
  std::vector<std::string> codes;
  if (text == "all") {
    for (const MdlMenuTyp* m : offered) codes.emplace_back(m->Code);
    return codes;
  }
  if (text == "changed") return ChangedMenuCodes(mem, version);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t comma = text.find(',', start);
    if (comma == std::string::npos) comma = text.size();
    const std::string code = text.substr(start, comma - start);
    start = comma + 1;
    const bool known = std::any_of(offered.begin(), offered.end(),
                                   [&](const MdlMenuTyp* m) { return code == m->Code; });
    if (!known) {
      if (bad) *bad = code;
      return std::nullopt;
    }
    codes.push_back(code);
  }
  return codes;
}

}  // namespace core
