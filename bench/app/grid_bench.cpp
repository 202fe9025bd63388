// The parameter grid widget's whole refill, offscreen: the core fill, the table's reset and
// widths, and one painted frame of the grid.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>

#include "app/editor/grid_model.h"
#include "app/editor/parameter_grid.h"
#include "core/editor/valueedit.h"
#include "core/model/defaults.h"

namespace {

struct Heavy {
  const char* code;
  int typeMask;
};

constexpr Heavy kHeavy[] = {{"ATV", 16}, {"AFR", 16}, {"MxVR", 32}, {"PMX1", 16}, {"TIMR", 16}};

struct Page {
  core::ModellSpeicherTyp mem;
  app::ParameterGrid grid;
  explicit Page(int mask) {
    core::FillDefaultMemory(mem, mask, core::NewMemoryLanguage::Englisch, 32);
    grid.resize(700, 400);
    grid.show();
  }
  void Refill(const char* code) { grid.Refill(core::FillGrid(code, &mem, 32, {true, true})); }
};

// A tab change: fill and render.
void BM_GridRefill(benchmark::State& state) {
  const Heavy& h = kHeavy[state.range(0)];
  Page page(h.typeMask);
  for (auto _ : state) {
    page.Refill(h.code);
    benchmark::DoNotOptimize(page.grid.grab());
  }
  state.SetLabel(h.code);
}
BENCHMARK(BM_GridRefill)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// A structure-changing edit: the value stored (not timed), then the refill over a full grid with
// its current cell kept.
void BM_GridRefillAfterEdit(benchmark::State& state) {
  const Heavy& h = kHeavy[state.range(0)];
  Page page(h.typeMask);
  page.Refill(h.code);
  const core::GridFill& g = page.grid.Fill();
  const int col = g.fixedCols, row = g.fixedRows;
  int step = 0;
  for (auto _ : state) {
    state.PauseTiming();  // the store itself is the model's cost, not the grid's
    core::StepCell(page.grid.Fill(), col, row,
                   ++step % 2 ? core::StepButton::Down : core::StepButton::Up, &page.mem, 32);
    state.ResumeTiming();
    page.Refill(h.code);
    benchmark::DoNotOptimize(page.grid.grab());
  }
  state.SetLabel(h.code);
}
BENCHMARK(BM_GridRefillAfterEdit)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
