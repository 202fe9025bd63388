#include "core/dataops/copy.h"

#include <algorithm>

#include "core/model/access.h"
#include "core/model/partab.h"

namespace core {

int CopyMenuParameters(const ModellSpeicherTyp& source, int s, ModellSpeicherTyp& target,
                       int menuId, int t, int version) {
  const int sourceTypes = ModelTypeMask(&source), targetTypes = ModelTypeMask(&target);
  int result = kUnchanged;
  for (int k : MenuRows(menuId)) {
    const MemApplMapTyp& def = ParamDef(k);
    const int types = ParameterTypeMask(k, version);  // 0 outside the version
    if ((types & sourceTypes) == 0 || (types & targetTypes) == 0) continue;
    const bool perCondition = IsConditionAddress(def.address);
    if (t != 0 && !perCondition) continue;
    const int from = perCondition ? s : 0, to = perCondition ? t : 0;
    const int address = ConditionAddress(def.address, to), bit = ParameterFirstBit(def);
    // Where the target reads another row at these bits, that row is not this menu's to write.
    if (FindParameter(address, bit, &target, version) != k) continue;
    // Formatted in the target: a function named by a list item keeps its number there.
    const std::string text = FormatParameterValueIn(k, &source, from, &target, to);
    result = std::max(result, SetParameterText(address, bit, &target, true, text, version));
  }
  return result;
}

int CopyMenus(const ModellSpeicherTyp& source, int sourceCondition, ModellSpeicherTyp& target,
              const DataSelection& selection, int version) {
  int result = kUnchanged;
  // The second pass settles values whose dependents the first pass wrote over again.
  for (int pass = 0; pass < 2; ++pass)
    for (int c = 0; c < kConditionCount; ++c) {
      if (!selection.conditions[static_cast<std::size_t>(c)]) continue;
      for (int menu : selection.menuIds)
        result =
            std::max(result, CopyMenuParameters(source, sourceCondition, target, menu, c, version));
    }
  return result;
}

}  // namespace core
