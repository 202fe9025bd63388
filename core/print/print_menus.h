#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/editor/menutab.h"
#include "core/store/record.h"

// Which menus the preview offers as boxes, and which of them differ from the defaults.

namespace core {

inline constexpr int kPreviewBoxes = 36;  // nine columns of four
inline constexpr int kMenuIdLimit = 300;

/// Menus offered for printing, in table order: those of the memory's model type and the system
/// menus, never NAME, never one without rows in the version; at most kPreviewBoxes.
std::vector<const MdlMenuTyp*> PrintOfferedMenus(const ModellSpeicherTyp* mem, int version);

/// Menu ids 1..300 of which some parameter differs from the default (text and number both) in
/// some flight condition it is stored for.
struct ChangedMenus {
  std::array<bool, kMenuIdLimit + 1> flags{};
  bool Has(int menuId) const { return menuId >= 0 && menuId <= kMenuIdLimit && flags[static_cast<std::size_t>(menuId)]; }
};
ChangedMenus FindChangedMenus(const ModellSpeicherTyp* mem, int version);

/// Codes of the offered menus that "geänderte markieren" checks.
std::vector<std::string> ChangedMenuCodes(const ModellSpeicherTyp* mem, int version);

/// Codes chosen by a command-line menu list: "all", "changed", "" (none) or codes separated by
/// commas. Nothing (and the code in *bad) when a code is not offered for the memory.
std::optional<std::vector<std::string>> ParsePrintMenus(const std::string& text,
                                                        const ModellSpeicherTyp* mem, int version,
                                                        std::string* bad = nullptr);

}  // namespace core
