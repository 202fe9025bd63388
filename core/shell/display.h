#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/store/record.h"

namespace core {

/// The display tick counter stops counting here.
inline constexpr std::int32_t kDisplayTickLimit = 0x3FFF0001;

/// One DispTimer tick: true when the icon files are to be written now (the 26th tick, counter
/// 25); then counts the counter up while it is below kDisplayTickLimit.
bool DisplayTick(std::int32_t& counter);

struct Rgb {
  int r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};
inline constexpr Rgb kUnsavedRed{255, 0, 0};
inline constexpr Rgb kSavedGreen{0, 128, 0};

/// Status bar panel 3, the credit text.
inline constexpr const char* kCreditText = "Morlind";
/// Panel 2 when no model memory is active.
inline constexpr const char* kNoModelText = "kein Modell gewählt";
/// Transfer display state that keeps the status bar repainting (progress).
inline constexpr int kTransferDisplayProgress = 3;

/// True when panel 0 is to be green: no active model memory, or it has no unsaved changes.
bool ShowsSaved(const ModellSpeicherTyp* active);
/// The colour of panel 0 for the active model memory (nullptr when none).
Rgb PanelZeroColour(const ModellSpeicherTyp* active);

/// What one DispTimer tick decides for the status bar and the commands.
struct DisplayState {
  bool repaint = false;          ///< the status bar must be repainted
  std::string panel2;            ///< text of panel 2
  bool txEnabled = false;        ///< TxButton and "&Senden (PC -> FC28)"
  bool deleteEnabled = false;    ///< "&Löschen"
  bool undeleteEnabled = false;  ///< "Löschen &Rückgängig"
};

/// Decides the tick's status bar state. active may be nullptr; nameText is its 12-character
/// name text (ignored without one); drawnSaved is what panel 0 shows now (true = green).
DisplayState DecideDisplay(const ModellSpeicherTyp* active, std::string_view nameText,
                           bool drawnSaved, int transferDisplayState);

}  // namespace core
