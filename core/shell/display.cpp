#include "core/shell/display.h"

namespace core {

bool DisplayTick(std::int32_t& counter) {
  const bool writeIcons = counter == 25;
  if (counter < kDisplayTickLimit) ++counter;
  return writeIcons;
}

bool ShowsSaved(const ModellSpeicherTyp* active) {
  return active == nullptr || !active->hasUnsavedChanges();
}

Rgb PanelZeroColour(const ModellSpeicherTyp* active) {
  return ShowsSaved(active) ? kSavedGreen : kUnsavedRed;
}

DisplayState DecideDisplay(const ModellSpeicherTyp* active, std::string_view nameText,
                           bool drawnSaved, int transferDisplayState) {
  DisplayState d;
  d.repaint = ShowsSaved(active) != drawnSaved || transferDisplayState == kTransferDisplayProgress;
  if (active != nullptr) {
    d.panel2 = std::string(nameText) + " " + active->dateText;
    d.txEnabled = true;
    d.deleteEnabled = !active->deleted;
    d.undeleteEnabled = active->deleted;
  } else {
    d.panel2 = kNoModelText;
  }
  return d;
}

}  // namespace core
