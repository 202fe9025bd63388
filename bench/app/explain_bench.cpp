// The explanations strip's repaint after an edit (the same menu: plot areas and curves) and when
// another menu is explained (everything), offscreen. With --shots DIR it saves the strip for ATV,
// D/R, THOV and MxTY as DIR/explanations.png instead (run it under Xvfb for the real platform).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <cstring>
#include <string>

#include "app/explain/erklaerung_image.h"
#include "app/explain/explain_module.h"
#include "app/explain/model_pictures.h"
#include "core/model/access.h"
#include "core/model/defaults.h"
#include "core/model/partab.h"
#include "core/model/partab_layout.h"
#include "core/model/partab_keys.h"

namespace {

void Set(core::ModellSpeicherTyp& m, int key, int channel, int condition, const char* text) {
  const std::string placeholder = "$CHNAME" + std::to_string(channel) + "$";
  for (int k = 1; k <= core::kParamCount; ++k) {
    const core::MemApplMapTyp& d = core::ParamDef(k);
    if (d.key != key || !core::ParameterInVersion(k, 32)) continue;
    if (channel != -1 && std::string(d.name).find(placeholder) == std::string::npos) continue;
    const int offset = core::IsConditionAddress(d.address) ? core::kConditionBlockSize * condition : 0;
    core::SetParameterText(d.address + offset, core::ParameterFirstBit(d), &m, false, text, 32);
    return;
  }
}

// A factory memory with all five flight conditions in use and a few values apart, so every
// condition's curve shows.
core::ModellSpeicherTyp Memory(int typeMask) {
  core::ModellSpeicherTyp m;
  core::FillDefaultMemory(m, typeMask, core::NewMemoryLanguage::Englisch, 32);
  for (int c = 0; c < 4; ++c) Set(m, core::key::kConditionSwitch1 + c, -1, 0, "SWITCH +A");
  for (int c = 1; c <= 4; ++c) {
    const std::string rate = std::to_string(100 - 15 * c);
    Set(m, core::key::kAtvRateRightUp, 1, c, rate.c_str());
    Set(m, core::key::kAtvRateLeftDown, 2, c, rate.c_str());
    Set(m, core::key::kAtvCenter, 3, c, std::to_string(5 * c).c_str());
    Set(m, core::key::kDualRate1Ch + 1, -1, c, rate.c_str());
    Set(m, core::key::kDualRate1Ch + 3, -1, c, std::to_string(20 * c).c_str());
    Set(m, core::key::kHoverThrottleRate, -1, c, std::to_string(12 * c).c_str());
    Set(m, core::key::kHoverThrottleRange, -1, c, "60");
  }
  Set(m, core::key::kAtvMode, 4, 1, "LIMIT");
  Set(m, core::key::kAtvLimitRightUp, 4, 1, "70");
  Set(m, core::key::kAtvLimitLeftDown, 4, 1, "60");
  Set(m, core::key::kDualRate1Ch + 5, -1, 2, "VTR");
  Set(m, core::key::kDualRate1Ch + 15, -1, 0, "EXP2");
  Set(m, core::key::kDualRate1Ch + 13, -1, 0, "60");
  return m;
}

core::Explanation Content(const char* code, const core::ModellSpeicherTyp& m) {
  return core::DescribeExplanation(*core::FindMenuByCode(code), &m, 32);
}

// After an edit of the same menu: describe, compute, repaint plot areas and curves, show.
void BM_StripRepaintAfterEdit(benchmark::State& state, const char* code, int typeMask) {
  const core::ModellSpeicherTyp m = Memory(typeMask);
  app::ErklaerungPanel panel(nullptr);
  panel.SetShowing(true);
  panel.resize(core::kStripWidth, core::kStripHeight);
  panel.Image()->Draw(Content(code, m), true, &m, 32);
  for (auto _ : state) {
    panel.Image()->Draw(Content(code, m), false, &m, 32);
    panel.Image()->repaint();
  }
}
BENCHMARK_CAPTURE(BM_StripRepaintAfterEdit, ATV, "ATV", 16)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StripRepaintAfterEdit, THOV, "THOV", 32)->Unit(benchmark::kMillisecond);

// Another menu: background, labels, frames, curves and text.
void BM_StripDrawAfresh(benchmark::State& state, const char* code, int typeMask) {
  const core::ModellSpeicherTyp m = Memory(typeMask);
  app::ErklaerungPanel panel(nullptr);
  panel.SetShowing(true);
  panel.resize(core::kStripWidth, core::kStripHeight);
  for (auto _ : state) {
    panel.Image()->Draw(Content(code, m), true, &m, 32);
    panel.Image()->repaint();
  }
}
BENCHMARK_CAPTURE(BM_StripDrawAfresh, ATV, "ATV", 16)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StripDrawAfresh, TIMR, "TIMR", 16)->Unit(benchmark::kMillisecond);

// The strip as the window shows it, for ATV, D/R, THOV and MxTY one under the other.
int SaveShots(const std::string& dir) {
  struct Shot {
    const char* code;
    int typeMask;
  };
  constexpr Shot kShots[] = {{"ATV", 16}, {"D/R", 16}, {"THOV", 32}, {"MxTY", 4}};
  const int gap = 6;
  QPixmap sheet(core::kStripWidth + 271, 4 * core::kStripHeight + 3 * gap);
  sheet.fill(Qt::darkGray);
  QPainter p(&sheet);
  int y = 0;
  for (const Shot& s : kShots) {
    const core::ModellSpeicherTyp m = Memory(s.typeMask);
    const core::Explanation content = Content(s.code, m);
    app::ErklaerungPanel panel(nullptr);
    panel.resize(sheet.width(), core::kStripHeight);
    panel.SetShowing(true);
    panel.ShowPicture(content.pictureMask);
    panel.Image()->Draw(content, true, &m, 32);
    p.drawPixmap(0, y, panel.grab());
    y += core::kStripHeight + gap;
  }
  p.end();
  // The nine model type pictures, three a row.
  QPixmap pictures(3 * (271 + gap), 3 * (core::kStripHeight + gap));
  pictures.fill(Qt::darkGray);
  QPainter q(&pictures);
  int n = 0;
  for (int mask = 2; mask <= 512; mask <<= 1, ++n) {
    q.save();
    q.translate((n % 3) * (271 + gap), (n / 3) * (core::kStripHeight + gap));
    app::PaintModelPicture(q, mask);
    q.restore();
  }
  q.end();
  const std::string path = dir + "/explanations.png";
  const std::string picturesPath = dir + "/model_pictures.png";
  if (!sheet.save(QString::fromStdString(path)) ||
      !pictures.save(QString::fromStdString(picturesPath)))
    return 1;
  std::printf("%s\n%s\n", path.c_str(), picturesPath.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc == 3 && std::strcmp(argv[1], "--shots") == 0) return SaveShots(argv[2]);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
