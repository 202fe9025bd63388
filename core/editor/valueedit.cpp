#include "core/editor/valueedit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "core/model/access.h"
#include "core/model/numtext.h"
#include "core/model/partab.h"
#include "core/model/valuelist.h"

namespace core {

namespace {

constexpr int kTimeFormula = 40;

std::string TrimSpaceTab(std::string_view s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  return std::string(s);
}

double NumberOf(std::string_view text) {
  const double v = DecimalNumberOfText(text);
  return std::isfinite(v) ? v : 0.0;
}

double Clamp(double v, double min, double max) {
  return std::min(std::max(v, min), max);
}

// Minutes and seconds of a time text "m:s unit"; the seconds text keeps what follows them.
struct TimeParts {
  std::string minutesText, secondsText;
  int minutes, seconds;
};

TimeParts SplitTime(const std::string& t) {
  const std::size_t colon = t.find(':');
  TimeParts p;
  p.minutesText = colon == std::string::npos ? t : t.substr(0, colon);
  p.secondsText = colon == std::string::npos ? std::string() : t.substr(colon + 1);
  p.minutes = WholeNumberOfText(p.minutesText);
  p.seconds = WholeNumberOfText(p.secondsText);
  return p;
}

int Wrap60(int v) {
  return v == 60 ? 0 : v == -1 ? 59 : v;
}

}  // namespace

const StepButtonDef& StepButtonOf(StepButton b) {
  for (const StepButtonDef& d : kStepButtons)
    if (d.id == b) return d;
  return kStepButtons[0];
}

int EditableParameter(const GridFill& fill, int col, int row, const ModellSpeicherTyp* mem,
                      int version) {
  const LayoutCell* cell = fill.LayoutCellAt(col, row);
  if (cell == nullptr || cell->Address < 0 || (cell->Address & kDefaultMarker) != 0) return 0;
  return FindParameter(cell->Address, cell->Bit, mem, version);
}

EditorKind EditorKindOf(const GridFill& fill, int col, int row, const ModellSpeicherTyp* mem,
                        int version) {
  const int k = EditableParameter(fill, col, row, mem, version);
  if (k == 0) return EditorKind::None;
  if (HasValueList(k)) return EditorKind::List;
  if (HasNumericFormula(k)) return EditorKind::Buttons;
  return EditorKind::Text;
}

int ButtonMask(const GridFill& fill, int col, int row, const ModellSpeicherTyp* mem, int version) {
  const int k = EditableParameter(fill, col, row, mem, version);
  if (k == 0) return 0;
  return StepButtonMask(ParamDef(k).formula, ParamDef(k).minimum, ParamDef(k).maximum);
}

int StepButtonMask(int formula, double min, double max) {
  if (formula == kTimeFormula) return 0x3C0;
  int mask = 0x003;
  if (min < -0.5 && max > 0.5) mask |= 0x004;
  if (min < 0.5 && max > -0.5) mask |= 0x008;
  if ((min < 49.5 && max > 50.5) || (min < -50.5 && max > -49.5)) mask |= 0x010;
  if ((min < 99.5 && max > 99.5) || (min < -99.5 && max > -99.5)) mask |= 0x020;
  return mask;
}

std::vector<ButtonPlace> PlaceStepButtons(int mask, int cellLeft, int cellTop, int cellHeight,
                                          bool gridRowZero) {
  std::vector<ButtonPlace> places;
  const int height = cellHeight + 1;
  const int top = gridRowZero ? cellTop + 2 + height : cellTop + 2 - height;
  int x = cellLeft + 2;
  for (const StepButtonDef& d : kStepButtons) {
    if ((mask & d.maskBit) == 0) continue;
    const int width = height * d.widthNum / d.widthDen;
    places.push_back({d.id, x, top, width, height});
    x += width;
  }
  return places;
}

ListChoice CellValueList(const GridFill& fill, int col, int row, const ModellSpeicherTyp* mem,
                         int version) {
  ListChoice choice;
  const int k = EditableParameter(fill, col, row, mem, version);
  if (k == 0 || !HasValueList(k)) return choice;
  const MemApplMapTyp& def = ParamDef(k);
  const int condition = ConditionOfAddress(fill.LayoutCellAt(col, row)->Address, mem, version);
  FillValueList(def.formula, choice.items, condition, mem, def.minimum, def.maximum);
  const auto it = std::find(choice.items.begin(), choice.items.end(), fill.Text(col, row));
  if (it != choice.items.end()) choice.selected = static_cast<int>(it - choice.items.begin());
  return choice;
}

std::string DecimalText(double number) {
  if (!std::isfinite(number)) number = 0;
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.10f", number);
  std::string s = buffer;
  if (s.find('.') != std::string::npos) {
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
  }
  return s == "-0" ? "0" : s;
}

std::string StepText(StepButton b, const std::string& t, double min, double max,
                     const std::string& unit) {
  const double n = NumberOf(t);
  switch (b) {
    case StepButton::Up:
      return DecimalText(std::min(n + 1, max));
    case StepButton::Down:
      return DecimalText(std::max(n - 1, min));
    case StepButton::Inv:
      return DecimalText(Clamp(-n, min, max));
    case StepButton::Zero:
      return TrimSpaceTab("0 " + unit);
    case StepButton::Fifty:
      return TrimSpaceTab((n >= -0.01 ? "50 " : "-50 ") + unit);
    case StepButton::Hundred:
      return TrimSpaceTab((n >= -0.01 ? "100 " : "-100 ") + unit);
    case StepButton::MInc:
    case StepButton::MDec: {
      const TimeParts p = SplitTime(t);
      const int m = Wrap60(p.minutes + (b == StepButton::MInc ? 1 : -1));
      return std::to_string(m) + ":" + p.secondsText;
    }
    case StepButton::SInc:
    case StepButton::SDec: {
      const TimeParts p = SplitTime(t);
      const int s = Wrap60(p.seconds + (b == StepButton::SInc ? 1 : -1));
      char seconds[16];
      std::snprintf(seconds, sizeof seconds, "%02d", s);
      return p.minutesText + ":" + seconds;
    }
  }
  return t;
}

std::string NormalizeCellText(const GridFill& fill, int col, int row, const std::string& text,
                              const ModellSpeicherTyp* mem, int version) {
  const LayoutCell* cell = fill.LayoutCellAt(col, row);
  if (cell == nullptr) return text;
  const int k = FindParameter(cell->Address, cell->Bit, mem, version);
  if (k == 0) return text;
  const MemApplMapTyp& def = ParamDef(k);
  const int condition = ConditionOfAddress(cell->Address, mem, version);
  // A time reads as minutes and seconds: its leading number alone would turn 10:00 into 10 s.
  if (HasValueList(k) || def.formula == kTimeFormula) {
    // The unit is cut off as the store does it ("min:s" holds a colon of its own).
    std::string_view value = text;
    const std::string_view unit = def.unit;
    if (const std::size_t at = unit.empty() ? std::string_view::npos : value.find(unit);
        at != std::string_view::npos)
      value = value.substr(0, at);
    const std::int32_t v =
        std::clamp(TextToFormula(def.formula, TrimSpaceTab(value), condition, mem),
                   std::min(def.minimum, def.maximum), def.maximum);
    return FormulaToText(def.formula, v, condition, mem);
  }
  if (HasNumericFormula(k))
    return DecimalText(Clamp(NumberOf(text), def.minimum, std::max(def.minimum, def.maximum)));
  return text;
}

ApplyOutcome ApplyCellText(const GridFill& fill, int col, int row, const std::string& text,
                           ModellSpeicherTyp* mem, int version) {
  const LayoutCell* cell = fill.LayoutCellAt(col, row);
  if (cell == nullptr) return {};
  ApplyOutcome out;
  if ((cell->Address & kDefaultMarker) == 0)
    out.result = SetParameterText(cell->Address, cell->Bit, mem, true, text, version);
  out.cellText = GetParameterText(cell->Address, cell->Bit, mem, version);
  return out;
}

ApplyOutcome StepCell(const GridFill& fill, int col, int row, StepButton b, ModellSpeicherTyp* mem,
                      int version) {
  const int k = EditableParameter(fill, col, row, mem, version);
  if (k == 0) return {0, fill.Text(col, row)};
  const LayoutCell& cell = *fill.LayoutCellAt(col, row);
  const MemApplMapTyp& def = ParamDef(k);
  const std::string t = GetParameterText(cell.Address, cell.Bit, mem, version);
  const std::string text = StepText(b, t, def.minimum, def.maximum, def.unit);
  if (b == StepButton::Zero || b == StepButton::Fifty || b == StepButton::Hundred)
    return ApplyCellText(fill, col, row, text, mem, version);
  ApplyOutcome out;
  out.result = SetParameterText(cell.Address, cell.Bit, mem, true, text, version);
  out.cellText = GetParameterText(cell.Address, cell.Bit, mem, version);
  return out;
}

bool StepShowsExplanation(StepButton b) {
  return b != StepButton::MInc && b != StepButton::MDec && b != StepButton::SInc &&
         b != StepButton::SDec;
}

int ButtonRepeat::Slot(StepButton b) {
  switch (b) {
    case StepButton::Up:
      return 0;
    case StepButton::Down:
      return 1;
    case StepButton::MInc:
      return 2;
    case StepButton::MDec:
      return 3;
    case StepButton::SInc:
      return 4;
    case StepButton::SDec:
      return 5;
    default:
      return -1;
  }
}

bool ButtonRepeat::Repeats(StepButton b) {
  return Slot(b) >= 0;
}

void ButtonRepeat::Press(StepButton b) {
  if (Slot(b) >= 0) counters_[static_cast<std::size_t>(Slot(b))] = 1;
}

void ButtonRepeat::Release(StepButton b) {
  if (Slot(b) >= 0) counters_[static_cast<std::size_t>(Slot(b))] = 0;
}

bool ButtonRepeat::AnyHeld() const {
  return std::any_of(counters_.begin(), counters_.end(), [](int c) { return c > 0; });
}

std::vector<StepButton> ButtonRepeat::Tick() {
  static constexpr StepButton kOrder[] = {StepButton::Up,   StepButton::Down, StepButton::MInc,
                                          StepButton::MDec, StepButton::SInc, StepButton::SDec};
  for (int& c : counters_)
    if (c >= 1 && c <= 3) ++c;
  std::vector<StepButton> steps;
  for (StepButton b : kOrder)
    if (counters_[static_cast<std::size_t>(Slot(b))] >= 4) steps.push_back(b);
  return steps;
}

}  // namespace core
