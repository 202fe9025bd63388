#pragma once

#include <string>

#include "core/editor/menutab.h"
#include "core/store/record.h"

namespace core {

/// Row label of parameter row k in a printed table of menu: the grid's row label, with the
/// channel placeholders dropped only when the table is printed per channel.
std::string PrintRowLabel(int k, const MdlMenuTyp& menu, bool perChannel,
                          const ModellSpeicherTyp* mem, int version);

}  // namespace core
