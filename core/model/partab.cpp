#include "core/model/partab.h"

#include "core/model/partab_table.h"

namespace core {

const MemApplMapTyp& ParamDef(int k) {
  return kParamTable[k - 1];
}

}  // namespace core
