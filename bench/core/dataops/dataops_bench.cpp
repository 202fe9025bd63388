// Both comparisons of two memories that differ in every byte, and a copy and a reset of every
// offered menu in every flight condition (one press each).

#include <benchmark/benchmark.h>

#include "core/dataops/copy.h"
#include "core/dataops/reset.h"
#include "core/editor/compare.h"
#include "core/model/defaults.h"

namespace {

using core::ModellSpeicherTyp;

ModellSpeicherTyp Memory(int mask, core::NewMemoryLanguage language) {
  ModellSpeicherTyp m;
  core::FillDefaultMemory(m, mask, language, 32);
  return m;
}

// The same model type (bytes 118 and 119 kept), every other byte different.
ModellSpeicherTyp DifferentEverywhere(const ModellSpeicherTyp& a) {
  ModellSpeicherTyp b = a;
  for (int i = 0; i < core::kImageSize; ++i)
    if (i != 118 && i != 119) b.image[static_cast<std::size_t>(i)] ^= 0x5A;
  return b;
}

core::DataSelection Everything(int typeMask) {
  core::DataSelection s;
  s.conditions.fill(true);
  for (const core::MdlMenuTyp* m : core::DataMenus(typeMask, 32)) s.menuIds.push_back(m->Id);
  return s;
}

void BM_CompareParameters(benchmark::State& state) {
  const ModellSpeicherTyp a =
      Memory(static_cast<int>(state.range(0)), core::NewMemoryLanguage::Deutsch);
  const ModellSpeicherTyp b = DifferentEverywhere(a);
  std::size_t rows = 0;
  for (auto _ : state) rows = core::CompareParameters(a, b, "A.FC", "B.FC", 32).rows.size();
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_CompareParameters)->Arg(32)->Arg(16)->Unit(benchmark::kMicrosecond);

void BM_CompareRaw(benchmark::State& state) {
  const ModellSpeicherTyp a =
      Memory(static_cast<int>(state.range(0)), core::NewMemoryLanguage::Deutsch);
  const ModellSpeicherTyp b = DifferentEverywhere(a);
  std::size_t lines = 0;
  for (auto _ : state) lines = core::CompareRaw(a, b, "A.FC", "B.FC", 32).lines.size();
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_CompareRaw)->Arg(32)->Arg(16)->Unit(benchmark::kMicrosecond);

// Source English, target German of the same type: every value is written and read back.
void BM_CopyAllMenus(benchmark::State& state) {
  const int mask = static_cast<int>(state.range(0));
  const ModellSpeicherTyp source =
      DifferentEverywhere(Memory(mask, core::NewMemoryLanguage::Englisch));
  const ModellSpeicherTyp fresh = Memory(mask, core::NewMemoryLanguage::Deutsch);
  const core::DataSelection selection = Everything(mask);
  for (auto _ : state) {
    ModellSpeicherTyp target = fresh;
    benchmark::DoNotOptimize(core::CopyMenus(source, 1, target, selection, 32));
  }
  state.counters["menus"] = static_cast<double>(selection.menuIds.size());
}
BENCHMARK(BM_CopyAllMenus)->Arg(32)->Arg(16)->Unit(benchmark::kMicrosecond);

void BM_ResetAllMenus(benchmark::State& state) {
  const int mask = static_cast<int>(state.range(0));
  const ModellSpeicherTyp changed =
      DifferentEverywhere(Memory(mask, core::NewMemoryLanguage::Deutsch));
  const core::DataSelection selection = Everything(mask);
  for (auto _ : state) {
    ModellSpeicherTyp m = changed;
    benchmark::DoNotOptimize(core::ResetMenus(m, selection, 32));
  }
  state.counters["menus"] = static_cast<double>(selection.menuIds.size());
}
BENCHMARK(BM_ResetAllMenus)->Arg(32)->Arg(16)->Unit(benchmark::kMicrosecond);

}  // namespace
