#include "core/print/print_labels.h"

#include "core/editor/layout.h"

namespace core {

std::string PrintRowLabel(int k, const MdlMenuTyp& menu, bool perChannel,
                          const ModellSpeicherTyp* mem, int version) {
  // REVR and F/S are printed as one table, so their labels keep the channel names.
  MdlMenuTyp asPrinted = menu;
  asPrinted.PerChannel = perChannel ? 1 : 0;
  return LayoutRowLabel(k, asPrinted, mem, version);
}

}  // namespace core
