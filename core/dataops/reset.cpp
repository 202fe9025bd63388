#include "core/dataops/reset.h"

#include <algorithm>

#include "core/model/access.h"
#include "core/model/defaults.h"
#include "core/model/partab.h"
#include "core/model/partab_keys.h"
#include "core/model/partab_layout.h"

namespace core {

namespace {

bool NeverReset(int key) {
  return key == key::kLanguage || key == key::kServoType || key == key::kModelType ||
         key == key::kHeliType || key == key::kModelName;
}

}  // namespace

ModellSpeicherTyp MakeResetImage(const ModellSpeicherTyp& m, int version) {
  int types = ModelTypeMask(&m);
  if (types == kTypesAll) types = kTypeHeliH1;  // the Heli image, as any heli bit chooses it
  const std::string language = GetTextByKey(key::kLanguage, -1, 0, &m, version);
  const NewMemoryLanguage l = language == "DEUTSCH"       ? NewMemoryLanguage::Deutsch
                              : language == "FRANZÖSISCH" ? NewMemoryLanguage::Franzoesisch
                                                          : NewMemoryLanguage::Englisch;
  ModellSpeicherTyp image;
  FillDefaultMemory(image, types, l, version);
  return image;
}

int ResetMenuParameters(ModellSpeicherTyp& m, int c, int menuId,
                        const ModellSpeicherTyp& resetImage, int version) {
  const int types = ModelTypeMask(&m);
  int result = kUnchanged;
  for (int k : MenuRows(menuId)) {
    const MemApplMapTyp& def = ParamDef(k);
    if (NeverReset(def.key)) continue;
    if ((ParameterTypeMask(k, version) & types) == 0) continue;  // 0 outside the version too
    const bool perCondition = IsConditionAddress(def.address);
    if (c != 0 && !perCondition) continue;
    const int to = perCondition ? c : 0;
    const int address = ConditionAddress(def.address, to), bit = ParameterFirstBit(def);
    // A memory of no known type sees every row; only the one it reads at these bits is reset.
    if (FindParameter(address, bit, &m, version) != k) continue;
    const std::string text = FormatParameterValueIn(k, &resetImage, 0, &m, to);
    result = std::max(result, SetParameterText(address, bit, &m, true, text, version));
  }
  return result;
}

int ResetMenus(ModellSpeicherTyp& m, const DataSelection& selection, int version) {
  const ModellSpeicherTyp image = MakeResetImage(m, version);
  int result = kUnchanged;
  for (int pass = 0; pass < 2; ++pass)
    for (int c = 0; c < kConditionCount; ++c) {
      if (!selection.conditions[static_cast<std::size_t>(c)]) continue;
      for (int menu : selection.menuIds)
        result = std::max(result, ResetMenuParameters(m, c, menu, image, version));
    }
  return result;
}

}  // namespace core
