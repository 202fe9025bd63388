// The whole grid fill of the heaviest menus: the work of every tab change, option tick and
// structure-changing edit.

#include <benchmark/benchmark.h>

#include "core/editor/gridfill.h"
#include "core/model/defaults.h"

namespace {

struct Heavy {
  const char* code;
  int typeMask;
  core::GridOptions options;
};

// ATV and AFR with defaults and all conditions are the largest grids; MxVR, PMX1 and TIMR the
// largest of their kinds (value lists, curves, times).
constexpr Heavy kHeavy[] = {
    {"ATV", 16, {true, true}},  {"AFR", 16, {true, true}},  {"MxVR", 32, {true, true}},
    {"PMX1", 16, {true, true}}, {"TIMR", 16, {true, true}},
};

void BM_FillGrid(benchmark::State& state) {
  const Heavy& h = kHeavy[state.range(0)];
  core::ModellSpeicherTyp m;
  core::FillDefaultMemory(m, h.typeMask, core::NewMemoryLanguage::Englisch, 32);
  int cells = 0;
  for (auto _ : state) {
    const core::GridFill g = core::FillGrid(h.code, &m, 32, h.options);
    cells = g.cols * g.rows;
    benchmark::DoNotOptimize(g.texts.data());
  }
  state.SetLabel(h.code);
  state.counters["cells"] = cells;
}
BENCHMARK(BM_FillGrid)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

}  // namespace
