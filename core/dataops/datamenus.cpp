#include "core/dataops/datamenus.h"

#include <algorithm>

#include "core/model/access.h"
#include "core/model/partab.h"

namespace core {

namespace {

// The comma-separated fields of a text; empty fields kept so that they can be refused.
std::vector<std::string_view> Fields(std::string_view text) {
  std::vector<std::string_view> fields;
  for (;;) {
    const std::size_t at = text.find(',');
    fields.push_back(text.substr(0, at));
    if (at == std::string_view::npos) return fields;
    text.remove_prefix(at + 1);
  }
}

}  // namespace

std::vector<const MdlMenuTyp*> DataMenus(int typeMask, int version) {
  std::vector<const MdlMenuTyp*> menus;
  const int mask = typeMask | kMenuSystemBits;
  for (const MdlMenuTyp& m : kMenuTable)
    if ((m.TypeMask & mask) != 0 && m.Id != kMenuIdName && MenuHasParameters(m.Id, version))
      menus.push_back(&m);
  return menus;
}

const std::vector<int>& MenuRows(int menuId) {
  // Built once: a press walks every chosen menu ten times (five conditions, two passes).
  static const auto rows = [] {
    std::vector<std::pair<int, std::vector<int>>> table;
    for (const MdlMenuTyp& m : kMenuTable) table.push_back({m.Id, {}});
    for (int k = 1; k <= kParamCount; ++k)
      for (auto& [id, list] : table)
        if (id == ParamDef(k).menu) list.push_back(k);
    return table;
  }();
  static const std::vector<int> none;
  for (const auto& [id, list] : rows)
    if (id == menuId) return list;
  return none;
}

int CopyTypeMask(const ModellSpeicherTyp* source, const ModellSpeicherTyp* target) {
  return ModelTypeMask(source) & ModelTypeMask(target);
}

FunctionBoxes FillFunctionBoxes(int typeMask, int version) {
  FunctionBoxes boxes;
  boxes.captions.fill("...");
  const std::vector<const MdlMenuTyp*> menus = DataMenus(typeMask, version);
  for (std::size_t i = 0; i < menus.size(); ++i)
    boxes.captions[std::min(i, boxes.captions.size() - 1)] = menus[i]->Code;
  boxes.visible = static_cast<int>(std::min(menus.size(), boxes.captions.size()));
  return boxes;
}

std::optional<std::vector<int>> ParseMenuCodes(std::string_view text, int typeMask, int version) {
  const std::vector<const MdlMenuTyp*> offered = DataMenus(typeMask, version);
  std::vector<bool> chosen(offered.size(), text == "all");
  if (text != "all") {
    for (std::string_view code : Fields(text)) {
      std::size_t i = 0;
      while (i < offered.size() && code != offered[i]->Code) ++i;
      if (i == offered.size()) return std::nullopt;
      chosen[i] = true;
    }
  }
  // In the order of the dialog's boxes, each menu once.
  std::vector<int> ids;
  for (std::size_t i = 0; i < offered.size(); ++i)
    if (chosen[i]) ids.push_back(offered[i]->Id);
  return ids;
}

std::optional<std::array<bool, kConditionCount>> ParseConditions(std::string_view text) {
  std::array<bool, kConditionCount> conditions{};
  for (std::string_view field : Fields(text)) {
    if (field.size() != 1 || field[0] < '0' || field[0] > '4') return std::nullopt;
    conditions[static_cast<std::size_t>(field[0] - '0')] = true;
  }
  return conditions;
}

}  // namespace core
