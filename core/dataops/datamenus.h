#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/editor/menutab.h"
#include "core/store/record.h"

// The menus the copy and reset dialogs offer, and what the user picked in them.

namespace core {

inline constexpr int kFunctionBoxCount = 36;  // three columns of 12 check boxes
inline constexpr int kConditionCount = 5;

/// Menus offered for a model type mask (the memories' types already combined): those sharing a
/// bit with mask | 0xC00, NAME never, only with rows in the version; table order.
std::vector<const MdlMenuTyp*> DataMenus(int typeMask, int version);

/// Rows 1..666 whose menu (not second menu) is menuId, in table order.
const std::vector<int>& MenuRows(int menuId);

/// Type part of the copy dialog's mask: the source's and the target's types ANDed (0x3FF for
/// a memory that is missing).
int CopyTypeMask(const ModellSpeicherTyp* source, const ModellSpeicherTyp* target);

/// The function boxes: captions of the offered menus in order (beyond 36 each later one goes
/// into box 36), "..." for the boxes left over; visible = how many carry a menu.
struct FunctionBoxes {
  std::array<std::string, kFunctionBoxCount> captions;
  int visible = 0;
};
FunctionBoxes FillFunctionBoxes(int typeMask, int version);

/// What a press works on: the checked conditions and the menus of the checked boxes in order.
struct DataSelection {
  std::array<bool, kConditionCount> conditions{};
  std::vector<int> menuIds;
};

/// Menu ids of a comma-separated list of codes (or "all") among the offered menus, in table
/// order and each once; none when a code is not offered, unknown or empty.
std::optional<std::vector<int>> ParseMenuCodes(std::string_view text, int typeMask, int version);

/// Conditions of a comma-separated list of 0..4; none when empty or a number is out of range.
std::optional<std::array<bool, kConditionCount>> ParseConditions(std::string_view text);

}  // namespace core
