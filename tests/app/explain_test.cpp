// The explanations strip in the real window, driven as the editor drives it.

#include <QAction>
#include <QPainter>

#include "app/explain/erklaerung_image.h"
#include "app/explain/explain_module.h"
#include "app/explain/model_pictures.h"
#include "core/model/access.h"
#include "core/model/partab.h"
#include "core/model/partab_keys.h"
#include "core/model/partab_layout.h"
#include "tests/app/window_fixture.h"

namespace apptest {
namespace {

class ExplainTest : public WindowTest {
 protected:
  // Opens the window on a factory memory of the type, "&Erläuterungen" ticked.
  void OpenMemory(int typeMask) {
    OpenActive("STRIP", "", typeMask, true);
    form->Action(app::Cmd::FktErlaeuterungen)->setChecked(true);
  }
  app::ErklaerungPanel* Panel() const {
    return form->findChild<app::ErklaerungPanel*>("ErklaerungPanel");
  }
  QImage Canvas() const { return Panel()->Image()->Canvas(); }

  // Writes text to the row with the key (and channel) in a condition, as one edit of the window.
  void Edit(int key, int channel, int condition, const char* text) {
    const std::string placeholder = "$CHNAME" + std::to_string(channel) + "$";
    form->ChangeImage(*form->Store().GetActive(), [&](core::ModellSpeicherTyp& m) {
      for (int k = 1; k <= core::kParamCount; ++k) {
        const core::MemApplMapTyp& d = core::ParamDef(k);
        if (d.key != key || !core::ParameterInVersion(k, 32)) continue;
        if (channel != -1 && std::string(d.name).find(placeholder) == std::string::npos) continue;
        const int offset =
            core::IsConditionAddress(d.address) ? core::kConditionBlockSize * condition : 0;
        return core::SetParameterText(d.address + offset, core::ParameterFirstBit(d), &m, false,
                                      text, 32);
      }
      return 0;
    });
  }

  // The canvas pixel of the k-th diagram's curve point at stick position x, value y.
  QRgb CurvePixel(int k, int x, int y) const {
    const core::PixelRect plot = core::MakeDiagramFrame(core::StripDiagramRect(k)).plot;
    return Canvas().pixel(core::PlotColumn(plot, x), core::PlotRow(plot, y));
  }
};

TEST_F(ExplainTest, ConditionsInUseDrawnWithConditionZeroOnTopAndPmx1OnlyWithV32) {
  OpenMemory(16);
  Edit(core::key::kConditionSwitch1, -1, 0, "SWITCH +A");
  Edit(core::key::kConditionSwitch1 + 2, -1, 0, "SWITCH +B");
  Edit(core::key::kAtvRateRightUp, 1, 3, "50");
  Edit(core::key::kAtvMode, 1, 1, "LIMIT");
  Edit(core::key::kAtvLimitRightUp, 1, 1, "60");
  form->RequestExplanation("ATV");
  const QRgb red = qRgb(255, 0, 0), purple = qRgb(128, 0, 128), lime = qRgb(0, 255, 0);
  EXPECT_EQ(CurvePixel(0, 100, 50), lime);    // condition 3 alone
  EXPECT_EQ(CurvePixel(0, 100, 60), purple);  // condition 1 cut flat at its limit
  EXPECT_EQ(CurvePixel(0, 100, 100), red);    // condition 0
  EXPECT_EQ(CurvePixel(0, -100, -100), red);  // all three meet: 0 is drawn last
  EXPECT_EQ(CurvePixel(1, 50, 50), red);      // servo 2: the same in every condition

  // The PMX1 diagram, left of the text, only with V3.2.
  form->RequestExplanation("PMX1");
  const core::DiagramFrame frame = core::MakeDiagramFrame(core::StripDiagramRect(0));
  EXPECT_EQ(Canvas().pixel(frame.grid[0].x1, frame.grid[0].y1 + 3), qRgb(192, 192, 192));
  form->VersionAction(core::TransmitterVersion::V31)->trigger();
  form->RequestExplanation("PMX1");
  EXPECT_EQ(Canvas().pixel(frame.grid[0].x1, frame.grid[0].y1 + 3),
            Panel()->palette().color(QPalette::Button).rgb());
}

TEST_F(ExplainTest, EditRedrawsTheCurveAndLeavesTheLabels) {
  OpenMemory(32);
  form->RequestExplanation("THOV");
  const core::DiagramFrame frame = core::MakeDiagramFrame(core::StripDiagramRect(0));
  const QRect labels(frame.area.left, frame.area.top, frame.area.Width(), frame.area.Height());
  const QImage before = Canvas();
  const core::PixelRect p = frame.plot;
  const int column = core::PlotColumn(p, 90) + 1;  // nine-point curves lie one pixel right
  EXPECT_EQ(before.pixel(column, core::PlotRow(p, 88)), qRgb(255, 0, 0));
  Edit(core::key::kThrottleCurvePoint1 + 8, -1, 0, "50");  // point 9: 100 % -> 50 %
  form->RequestExplanation("THOV");
  const QImage after = Canvas();
  // At x = 90 the curve falls from 2 x 94 - 100 = 88 to 2 x 65 - 100 = 30.
  EXPECT_NE(after.pixel(column, core::PlotRow(p, 88)), qRgb(255, 0, 0));
  EXPECT_EQ(after.pixel(column, core::PlotRow(p, 30)), qRgb(255, 0, 0));
  int dark = 0;
  for (int y = labels.top(); y <= labels.bottom(); ++y)
    for (int x = labels.left(); x <= labels.right(); ++x) {
      const bool inPlot = x >= p.left && x < p.right && y >= p.top && y < p.bottom;
      if (inPlot) continue;
      EXPECT_EQ(after.pixel(x, y), before.pixel(x, y)) << x << "," << y;
      dark += qGray(after.pixel(x, y)) < 100;
    }
  EXPECT_GT(dark, 20);  // both labels are there
}

TEST_F(ExplainTest, StripFollowsTheTickAndTheMenuWithTheModelTypePictureLeftOfTheText) {
  OpenMemory(4);
  app::ErklaerungPanel* panel = Panel();
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->Image()->objectName(), "ErklaerungImage");
  struct Step {
    const char* code;
    bool ticked;
    int height;
  };
  for (const Step& s : {Step{"TIMR", true, 120}, Step{"TACO", true, 1}, Step{"ATV", true, 120},
                        Step{"", true, 1}, Step{"ATV", false, 1}, Step{"ATV", true, 120}}) {
    form->Action(app::Cmd::FktErlaeuterungen)->setChecked(s.ticked);
    form->RequestExplanation(s.code);
    EXPECT_EQ(panel->height(), s.height) << s.code << " ticked " << s.ticked;
    EXPECT_EQ(panel->isVisible(), s.ticked) << s.code;
  }

  form->RequestExplanation("MxTY");
  auto* glider4 = Find("Gld4Image", panel);
  EXPECT_EQ(glider4->width(), 271);
  EXPECT_TRUE(glider4->isVisible());
  EXPECT_EQ(panel->Image()->x(), 271);
  for (const char* other : {"Gld2Image", "AcroImage", "HeliHN3Image"})
    EXPECT_EQ(Find(other, panel)->width(), 0) << other;
  form->RequestExplanation("ATV");
  EXPECT_EQ(glider4->width(), 0);
  EXPECT_EQ(panel->Image()->x(), 0);

  // Nine different drawings, each with black lines and white ground.
  std::vector<QImage> pictures;
  for (int mask = 2; mask <= 512; mask <<= 1) {
    QImage image(core::ModelPictureWidth(mask), 120, QImage::Format_RGB32);
    QPainter painter(&image);
    app::PaintModelPicture(painter, mask);
    painter.end();
    int black = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) black += qGray(image.pixel(x, y)) < 64;
    EXPECT_GT(black, 500) << mask;
    for (const QImage& seen : pictures) EXPECT_NE(seen, image) << mask;
    pictures.push_back(image);
  }
}

}  // namespace
}  // namespace apptest
