#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/link/swt.h"

namespace core {

/// What the second status bar panel shows of the link.
enum TransferDisplayState : int {
  kDisplayIdle = 1,
  kDisplayWaiting = 2,
  kDisplayProgress = 3,
  kDisplayDone = 4,
};

inline constexpr std::uint16_t kDisplayHoldMs = 3000;

/// Display state of a TransferBusy value: idle, waiting, progress or done.
int DisplayStateOfBusy(int busy);

/// The main window's transfer display fields and the 3 s "Ok" hold; stepped by ComTimer.
class TransferDisplay {
 public:
  /// Makes the display hold timer (expired at once).
  explicit TransferDisplay(SoftTimers& timers);

  /// One ComTimer tick after TransferTick: takes progress and TransferBusy, applies the hold.
  /// True when the panel must be repainted (progress or display state changed).
  bool Tick(int progress, int busy);

  int Progress() const { return progress_; }
  int DisplayState() const { return displayState_; }

  /// True while a tick would draw something new: the "Ok" hold runs, or the drawn state or
  /// progress differs from what busy and progress give now.
  bool NeedsTicks(int busy, int progress);

 private:
  SoftTimers& timers_;
  std::uint16_t holdId_ = 0;
  int progress_ = -1;
  int displayState_ = -1;
  int drawnProgress_ = -1;
  int drawnState_ = -1;
};

/// Fill colours of the transfer panel.
enum class PanelColour { ButtonFace, Yellow, Lime };

struct PanelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

struct PanelFill {
  PanelRect rect;
  PanelColour colour;
};

/// Everything drawn into the transfer panel: fills in order, then the text at (textX, textY).
struct TransferPanelDrawing {
  std::vector<PanelFill> fills;
  std::string text;
  int textX = 0;
  int textY = 0;
  /// Colour behind the text (the last solid brush), when the text is drawn before the fills.
  bool textFirst = false;
};

/// Geometry of the transfer panel for the panel rectangle r.
TransferPanelDrawing DrawTransferPanel(const PanelRect& r, int displayState, int progress);

}  // namespace core
