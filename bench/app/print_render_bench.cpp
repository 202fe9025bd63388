#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "app/print/print_render.h"
#include "core/model/defaults.h"

namespace {

struct Pages {
  core::ModellSpeicherTyp mem;
  core::PrintLayout layout;
  explicit Pages(const char* type) {
    core::FillDefaultMemory(mem, core::ModelTypeMaskOfText(type), core::NewMemoryLanguage::Englisch, 32);
    layout.BuildPrintPages(&mem, 32, [](std::string_view) { return true; });
  }
};

void BM_RenderPage2900(benchmark::State& state, const char* type) {
  Pages pages(type);
  QImage image(2050, 2900, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&image);
    app::DrawPrintPage(painter, pages.layout.Pages()[0], &pages.mem, 32, 2900);
  }
}
BENCHMARK_CAPTURE(BM_RenderPage2900, heli_h1, "HELI H1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RenderPage2900, glider_4_servos, "GLIDER 4 SERVOS")->Unit(benchmark::kMillisecond);

void BM_WholePdf(benchmark::State& state, const char* type) {
  Pages pages(type);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("bench.pdf"));
  for (auto _ : state) benchmark::DoNotOptimize(app::WritePrintPdf(path, pages.layout, &pages.mem, 32));
  state.counters["pages"] = pages.layout.PageCount();
}
BENCHMARK_CAPTURE(BM_WholePdf, heli_h1, "HELI H1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WholePdf, glider_4_servos, "GLIDER 4 SERVOS")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
