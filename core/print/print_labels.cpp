#include "core/print/print_labels.h"

#if __has_include("core/editor/layout.h")
#include "core/editor/layout.h"
#define VELTRANO_HAVE_GRID_LAYOUT 1
#else
#include "core/model/access.h"
#include "core/model/names.h"
#include "core/model/partab.h"
#endif

namespace core {

std::string PrintRowLabel(int k, const MdlMenuTyp& menu, bool perChannel,
                          const ModellSpeicherTyp* mem, int version) {
#ifdef VELTRANO_HAVE_GRID_LAYOUT
  // REVR and F/S are printed as one table, so their labels keep the channel names.
  MdlMenuTyp asPrinted = menu;
  asPrinted.PerChannel = perChannel ? 1 : 0;
  return LayoutRowLabel(k, asPrinted, mem, version);
#else
  // MISSING: the grid's row label rule is not on this branch yet; the full name stands in.
  const MemApplMapTyp& def = ParamDef(k);
  (void)menu;
  return ExpandedParameterName(def.address, ParameterFirstBit(def), perChannel, mem, version);
#endif
}

}  // namespace core
