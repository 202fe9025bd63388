#include <benchmark/benchmark.h>

#include "core/model/defaults.h"
#include "core/print/print_pages.h"

namespace {

void BM_BuildPrintPagesAllMenus(benchmark::State& state, const char* type) {
  core::ModellSpeicherTyp mem;
  core::FillDefaultMemory(mem, core::ModelTypeMaskOfText(type), core::NewMemoryLanguage::Englisch, 32);
  core::PrintLayout layout;
  for (auto _ : state) {
    layout.BuildPrintPages(&mem, 32, [](std::string_view) { return true; });
    benchmark::DoNotOptimize(layout.PageCount());
  }
  state.counters["pages"] = layout.PageCount();
}
BENCHMARK_CAPTURE(BM_BuildPrintPagesAllMenus, heli_h1, "HELI H1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BuildPrintPagesAllMenus, glider_4_servos, "GLIDER 4 SERVOS")->Unit(benchmark::kMillisecond);

}  // namespace
