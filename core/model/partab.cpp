#include "model/partab.h"

#include "model/partab_table.h"

namespace core {

const MemApplMapTyp& ParamDef(int k) {
  return kParamTable[k - 1];
}

}  // namespace core
