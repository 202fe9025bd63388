#include "core/model/access.h"
#include "core/model/storage.h"
#include "core/model/valuelist.h"
#include "core/util/text.h"

namespace core {

std::string FormatParameterValueIn(int k, const ModellSpeicherTyp* from, int fromCondition,
                                   const ModellSpeicherTyp* in, int inCondition) {
  if (!from || !in || k < 1 || k > kParamCount) return {};
  const MemApplMapTyp& def = ParamDef(k);
  // Names are their own characters wherever they are read.
  if (IsCharacterStorage(def.storage))
    return FormatParameterValue(k, fromCondition, false, from, false);
  const int count = StorageBytes(def.storage);
  const int start = ConditionAddress(def.address, fromCondition);
  if (count == 0 || start < 0 || start + count > kImageSize) return {};
  const std::int32_t value = DecodeStorage(def.storage, ReadRaw(from->image.data() + start, count));
  return TrimBlanks(FormulaToText(def.formula, value, inCondition, in) + " " + def.unit);
}

}  // namespace core
