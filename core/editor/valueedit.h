#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/editor/gridfill.h"
#include "core/store/record.h"

// Editing a grid cell's value: which controls it gets, what the step buttons write, how a typed
// text is brought into range and stored. The window only places the controls and forwards events.

namespace core {

enum class StepButton { Down, Up, Inv, Zero, Fifty, Hundred, MInc, MDec, SInc, SDec };

/// One step button, in the order the editor lays them out from left to right.
struct StepButtonDef {
  StepButton id;
  const char* objectName;
  const char* caption;
  int maskBit;
  int widthNum, widthDen;  // width = height x num / den
};

// clang-format off
inline constexpr StepButtonDef kStepButtons[] = {
    {StepButton::Down,    "ParameterDownButton", "-",   0x002, 1, 1},
    {StepButton::Up,      "ParameterUpButton",   "+",   0x001, 1, 1},
    {StepButton::Inv,     "ParameterInvButton",  "+/-", 0x004, 3, 2},
    {StepButton::Zero,    "ParameterZeroButton", "0",   0x008, 1, 1},
    {StepButton::Fifty,   "Parameter50Button",   "50",  0x010, 1, 1},
    {StepButton::Hundred, "Parameter100Button",  "100", 0x020, 3, 2},
    {StepButton::MInc,    "ParameterMIncButton", "M+",  0x100, 4, 3},
    {StepButton::MDec,    "ParameterMDecButton", "M-",  0x200, 4, 3},
    {StepButton::SInc,    "ParameterSIncButton", "S+",  0x040, 4, 3},
    {StepButton::SDec,    "ParameterSDecButton", "S-",  0x080, 4, 3},
};
// clang-format on
inline constexpr int kStepButtonCount = 10;
static_assert(sizeof(kStepButtons) / sizeof(kStepButtons[0]) == kStepButtonCount);

const StepButtonDef& StepButtonOf(StepButton b);

/// What OpenEditor shows for a cell.
enum class EditorKind {
  None,     // no parameter (or a default value): the in-place text editor only
  List,     // the drop-down list
  Buttons,  // step buttons
  Text,     // a text value such as a name
};

/// The cell's parameter for editing: row 1..666, 0 without layout cell or for a default value.
int EditableParameter(const GridFill& fill, int col, int row, const ModellSpeicherTyp* mem,
                      int version);

EditorKind EditorKindOf(const GridFill& fill, int col, int row, const ModellSpeicherTyp* mem,
                        int version);

/// 10 bits of the step buttons of a value with this formula and range.
int StepButtonMask(int formula, double min, double max);

/// 10 bits of the step buttons the cell shows (0x3C0 for a time); 0 without parameter.
int ButtonMask(const GridFill& fill, int col, int row, const ModellSpeicherTyp* mem, int version);

struct ButtonPlace {
  StepButton id;
  int left, top, width, height;
};

/// Places the buttons of mask on the upper edge of a cell, or below it in grid row 0.
std::vector<ButtonPlace> PlaceStepButtons(int mask, int cellLeft, int cellTop, int cellHeight,
                                          bool gridRowZero);

/// The drop-down list's items and the index of the cell's text among them (-1 if absent).
struct ListChoice {
  std::vector<std::string> items;
  int selected = -1;
};
ListChoice CellValueList(const GridFill& fill, int col, int row, const ModellSpeicherTyp* mem,
                         int version);

/// A number in plain decimal notation with at most 10 decimals, no trailing zeros or point.
std::string DecimalText(double number);

/// New text of a step: t is the value's text, min/max its limits, unit its unit text.
std::string StepText(StepButton b, const std::string& t, double min, double max,
                     const std::string& unit);

/// A typed text in the value's range and form: numbers clamped, list and time texts resolved
/// and clamped; other texts and cells without a value unchanged.
std::string NormalizeCellText(const GridFill& fill, int col, int row, const std::string& text,
                              const ModellSpeicherTyp* mem, int version);

struct ApplyOutcome {
  int result = 0;        // SetParameterText's 0, 1 or 2
  std::string cellText;  // what the cell shows afterwards
};

/// Stores a display text into the cell's value (nothing for a default value or a cell without
/// layout cell, whose text is then emptied).
ApplyOutcome ApplyCellText(const GridFill& fill, int col, int row, const std::string& text,
                           ModellSpeicherTyp* mem, int version);

/// One step of a button on the cell: "0", "50", "100" through ApplyCellText, the others stored
/// with dependents directly.
ApplyOutcome StepCell(const GridFill& fill, int col, int row, StepButton b, ModellSpeicherTyp* mem,
                      int version);

/// Whether a step of this button asks for the explanation afterwards.
bool StepShowsExplanation(StepButton b);

/// Counters of the held buttons "+", "-", "M+", "M-", "S+", "S-": a press starts at 1, each
/// tick counts up to 4, and from 4 on every tick repeats a step (the third tick after the press).
class ButtonRepeat {
 public:
  static constexpr int kTickMs = 250;
  /// Whether the button repeats while held.
  static bool Repeats(StepButton b);
  void Press(StepButton b);
  void Release(StepButton b);
  void ReleaseAll() { counters_.fill(0); }
  bool AnyHeld() const;
  /// One timer tick: the buttons that step now, in the order "+", "-", "M+", "M-", "S+", "S-".
  std::vector<StepButton> Tick();

 private:
  static int Slot(StepButton b);
  std::array<int, 6> counters_{};
};

}  // namespace core
