#include "core/editor/valueedit.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/core/model/model_fixture.h"

namespace core {
namespace {

constexpr int kAcro = 16;

TEST(ValueEdit, ButtonMasksByRange) {
  struct Case {
    int formula;
    double min, max;
    int mask;
  };
  const Case cases[] = {
      {0, -100, 100, 0x03F},                            // - + +/- 0 50 100
      {0, 0, 100, 0x03B},                               // - + 0 50 100
      {0, 0, 50, 0x00B},                                // - + 0
      {0, -110, 110, 0x03F}, {40, -3599, 3599, 0x3C0},  // a time: M+ M- S+ S-
  };
  for (const Case& c : cases)
    EXPECT_EQ(StepButtonMask(c.formula, c.min, c.max), c.mask) << c.min << ".." << c.max;
}

TEST(ValueEdit, StepTexts) {
  struct Case {
    StepButton b;
    const char* t;
    double min, max;
    const char* unit;
    const char* expected;
  };
  const Case cases[] = {
      {StepButton::Up, "110 %", -110, 110, "%", "110"},
      {StepButton::Up, "1,5 %", -110, 110, "%", "2.5"},
      {StepButton::Down, "-110 %", -110, 110, "%", "-110"},
      {StepButton::Inv, "-20 %", -10, 100, "%", "20"},
      {StepButton::Inv, "50", -10, 100, "", "-10"},
      {StepButton::Zero, "7", 0, 1, "%", "0 %"},
      {StepButton::Fifty, "-20 %", -100, 100, "%", "-50 %"},
      {StepButton::Fifty, "-20", -100, 100, "", "-50"},
      {StepButton::Hundred, "0", -100, 100, "%", "100 %"},
      {StepButton::MInc, "59:30 min:s", 0, 0, "min:s", "0:30 min:s"},
      {StepButton::MDec, "00:10 min:s", 0, 0, "min:s", "59:10 min:s"},
      {StepButton::SDec, "5:00 min:s", 0, 0, "min:s", "5:59"},
      {StepButton::SInc, "05:59 min:s", 0, 0, "min:s", "05:00"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(StepText(c.b, c.t, c.min, c.max, c.unit), c.expected)
        << StepButtonOf(c.b).caption << " on " << c.t;
  EXPECT_EQ(DecimalText(1.0 / 3), "0.3333333333");
  EXPECT_EQ(DecimalText(-0.0), "0");
}

TEST(ValueEdit, PlacesButtonsAboveOrBelowTheCell) {
  auto place = [](const ButtonPlace& p) { return std::tuple(p.id, p.left, p.top, p.width); };
  const auto above = PlaceStepButtons(0x03F, 100, 50, 16, false);
  ASSERT_EQ(above.size(), 6u);
  EXPECT_EQ(place(above[0]), std::tuple(StepButton::Down, 102, 50 + 2 - 17, 17));
  EXPECT_EQ(above[2].width, 17 * 3 / 2);  // "+/-"
  EXPECT_EQ(above[5].left, 102 + 17 + 17 + 25 + 17 + 17);
  const auto below = PlaceStepButtons(0x3C0, 0, 0, 16, true);
  ASSERT_EQ(below.size(), 4u);
  EXPECT_EQ(place(below[0]), std::tuple(StepButton::MInc, 2, 2 + 17, 17 * 4 / 3));
}

class EditAcro : public ::testing::Test {
 protected:
  ModellSpeicherTyp mem = test::MakeMemory(kAcro);
  GridFill atv = FillGrid("ATV", &mem, 32, {false, true});
  GridFill timr = FillGrid("TIMR", &mem, 32, {});
};

TEST_F(EditAcro, EditorKindsAndLists) {
  EXPECT_EQ(EditorKindOf(atv, 2, 1, &mem, 32), EditorKind::Buttons);
  EXPECT_EQ(EditorKindOf(atv, 2, 2, &mem, 32), EditorKind::None);  // default value
  EXPECT_EQ(EditorKindOf(atv, 7, 1, &mem, 32), EditorKind::List);  // MODE
  EXPECT_EQ(EditorKindOf(atv, 0, 0, &mem, 32), EditorKind::None);
  EXPECT_EQ(ButtonMask(timr, 1, 0, &mem, 32), 0x3C0);
}

TEST_F(EditAcro, TypedTextsAreNormalizedAndClamped) {
  struct Case {
    int col, row;
    const char* typed;
    const char* normalized;
  };
  const Case cases[] = {
      {2, 1, "1,5", "1.5"},         {2, 1, "junk", "0"}, {2, 1, "999 %", "110"},
      {2, 1, "-1e9", "-110"},       {2, 2, "30", "30"},  // default cells normalize too
      {0, 0, "Zustand", "Zustand"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(NormalizeCellText(atv, c.col, c.row, c.typed, &mem, 32), c.normalized) << c.typed;
  // A time keeps its minutes: an unchanged "10:00 min:s" is not read as 10 seconds.
  const std::string time = timr.Text(1, 0);
  EXPECT_EQ(NormalizeCellText(timr, 1, 0, time, &mem, 32) + " min:s", time);
  EXPECT_EQ(NormalizeCellText(timr, 1, 0, "99:99", &mem, 32), "59:59");
}

TEST_F(EditAcro, ApplyAndStepStoreThroughTheModel) {
  const auto image = mem.image;
  // A default cell stores nothing; a cell without layout cell is emptied.
  EXPECT_EQ(ApplyCellText(atv, 2, 2, "5", &mem, 32).result, kUnchanged);
  EXPECT_EQ(ApplyCellText(atv, 0, 0, "5", &mem, 32).cellText, "");
  // "+" at the maximum changes nothing.
  ASSERT_EQ(ApplyCellText(atv, 2, 1, "110", &mem, 32).result, kChanged);
  const auto atMax = mem.image;
  ApplyOutcome o = StepCell(atv, 2, 1, StepButton::Up, &mem, 32);
  EXPECT_EQ(o.result, kUnchanged);
  EXPECT_EQ(mem.image, atMax);
  o = StepCell(atv, 2, 1, StepButton::Fifty, &mem, 32);
  EXPECT_EQ(o.cellText, "50 %");
  // Time steps.
  ASSERT_EQ(ApplyCellText(timr, 1, 0, "59:30", &mem, 32).result, kChanged);
  EXPECT_EQ(StepCell(timr, 1, 0, StepButton::MInc, &mem, 32).cellText, "00:30 min:s");
  EXPECT_NE(mem.image, image);
}

TEST(ValueEdit, HeldButtonRepeatsFromTheThirdTick) {
  ButtonRepeat r;
  EXPECT_FALSE(r.AnyHeld());
  r.Press(StepButton::Up);
  r.Press(StepButton::Zero);  // no repeat
  EXPECT_TRUE(r.AnyHeld());
  r.Tick(), r.Tick(), r.Tick();  // "+" repeats from now on
  r.Press(StepButton::SDec);
  EXPECT_EQ(r.Tick(), std::vector<StepButton>{StepButton::Up});
  EXPECT_EQ(r.Tick(), std::vector<StepButton>{StepButton::Up});
  EXPECT_EQ(r.Tick(), (std::vector<StepButton>{StepButton::Up, StepButton::SDec}));  // its third
  r.Release(StepButton::Up);
  r.Release(StepButton::SDec);
  EXPECT_FALSE(r.AnyHeld());
  EXPECT_TRUE(r.Tick().empty());
}

}  // namespace
}  // namespace core
