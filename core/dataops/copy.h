#pragma once

#include "core/dataops/datamenus.h"
#include "core/store/record.h"

// Copying the values of chosen menus from one flight condition of a source memory into flight
// conditions of a target memory (the same memory or another one).

namespace core {

/// Copies menu menuId from condition s (0..4) of source into condition t (0..4) of target, each
/// value written with its dependents as the source's value reads in the target. Values that live
/// once per memory are taken from their own address and written only with t = 0; rows of a
/// model type the source or the target lacks are left alone. Highest SetResult (0: unchanged).
int CopyMenuParameters(const ModellSpeicherTyp& source, int s, ModellSpeicherTyp& target,
                       int menuId, int t, int version);

/// A press of "&Kopieren" for one target: two passes over the checked target conditions and
/// the selected menus. Source and target may be the same memory. Highest SetResult.
int CopyMenus(const ModellSpeicherTyp& source, int sourceCondition, ModellSpeicherTyp& target,
              const DataSelection& selection, int version);

}  // namespace core
