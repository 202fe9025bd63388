#include "core/link/transfer_display.h"

namespace core {

int DisplayStateOfBusy(int busy) {
  switch (busy) {
    case 0:
      return kDisplayIdle;
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
      return kDisplayWaiting;
    case 7:
      return kDisplayProgress;
    case 8:
    case 9:
      return kDisplayDone;
    case 16:
    case 32:
    case 48:
    case 64:
    case 80:
    case 96:
      return kDisplayWaiting;
    case 112:
      return kDisplayProgress;
    case 128:
      return kDisplayDone;
    default:
      return kDisplayIdle;
  }
}

TransferDisplay::TransferDisplay(SoftTimers& timers) : timers_(timers) {
  holdId_ = timers_.SwtStart(0, kSwtCountDownMs, 0);
}

bool TransferDisplay::Tick(int progress, int busy) {
  progress_ = progress;
  if (timers_.SwtExpired(holdId_)) {
    displayState_ = DisplayStateOfBusy(busy);
    if (displayState_ == kDisplayDone) timers_.SwtStart(holdId_, kSwtCountDownMs, kDisplayHoldMs);
  } else {
    displayState_ = kDisplayDone;
  }
  if (progress_ == drawnProgress_ && displayState_ == drawnState_) return false;
  drawnProgress_ = progress_;
  drawnState_ = displayState_;
  return true;
}

bool TransferDisplay::NeedsTicks(int busy, int progress) {
  if (!timers_.SwtExpired(holdId_)) return true;
  return drawnState_ != DisplayStateOfBusy(busy) || drawnProgress_ != progress;
}

TransferPanelDrawing DrawTransferPanel(const PanelRect& r, int displayState, int progress) {
  TransferPanelDrawing d;
  const PanelRect inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  d.textX = r.left + 6;
  d.textY = r.top + 1;
  switch (displayState) {
    case kDisplayIdle:
      d.fills.push_back({inner, PanelColour::ButtonFace});
      d.text = "        ";
      break;
    case kDisplayWaiting:
      d.fills.push_back({inner, PanelColour::Yellow});
      d.text = "Warte auf Daten ...";
      break;
    case kDisplayProgress:
      d.text = "        ";
      d.textFirst = true;
      if (progress >= 0 && progress <= 100) {
        const int w = progress * (r.right - r.left) / 100;
        if (progress > 0)
          d.fills.push_back({{r.left + 1, inner.top, r.left + w, inner.bottom}, PanelColour::Lime});
        if (progress < 100)
          d.fills.push_back(
              {{r.left + w, inner.top, r.right - 1, inner.bottom}, PanelColour::Yellow});
      }
      break;
    case kDisplayDone:
      d.fills.push_back({inner, PanelColour::Lime});
      d.text = "Ok";
      break;
    default:
      break;
  }
  return d;
}

}  // namespace core
