#pragma once

#include "core/dataops/datamenus.h"
#include "core/store/record.h"

// Resetting the values of chosen menus in chosen flight conditions to the factory defaults.

namespace core {

/// What a reset takes its values from: a new memory of m's model type (Heli H-1 when m's type
/// bytes name none) in m's language, so function names stay in that language.
ModellSpeicherTyp MakeResetImage(const ModellSpeicherTyp& m, int version);

/// Resets menu menuId in condition c (0..4) of m from resetImage (its block-0 values), each
/// value formatted in m and written with its dependents. Language, servo type, model type,
/// heli type and model name are never reset; values that live once per memory only with c = 0.
/// Highest SetResult (0: unchanged).
int ResetMenuParameters(ModellSpeicherTyp& m, int c, int menuId,
                        const ModellSpeicherTyp& resetImage, int version);

/// A press of "&Reset": two passes over the checked conditions and the selected menus.
int ResetMenus(ModellSpeicherTyp& m, const DataSelection& selection, int version);

}  // namespace core
