// A full dump of one memory, and the parameter lookup with its index against a walk of the table.

#include <benchmark/benchmark.h>

#include "core/model/access.h"
#include "core/model/defaults.h"
#include "core/model/dump.h"

namespace {

using core::ModellSpeicherTyp;

ModellSpeicherTyp Memory(int mask) {
  ModellSpeicherTyp m;
  core::FillDefaultMemory(m, mask, core::NewMemoryLanguage::Englisch, 32);
  return m;
}

// Acro has the most visible rows of the ten types.
void BM_FullDump(benchmark::State& state) {
  const ModellSpeicherTyp m = Memory(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(core::DumpText(m, 32, false));
  state.counters["values"] = static_cast<double>(core::DumpMemory(m, 32, false).size());
}
BENCHMARK(BM_FullDump)->Arg(16)->Arg(4)->Arg(32)->Unit(benchmark::kMicrosecond);

template <int (*Find)(int, int, const ModellSpeicherTyp*, int)>
void SweepAll(benchmark::State& state) {
  const ModellSpeicherTyp m = Memory(16);
  for (auto _ : state) {
    int found = 0;
    for (int address = 0; address < core::kImageSize; ++address)
      for (int bit = -1; bit <= 7; ++bit) found += Find(address, bit, &m, 32) != 0;
    benchmark::DoNotOptimize(found);
  }
  state.counters["lookups"] = core::kImageSize * 9;
}

void BM_FindParameterIndexed(benchmark::State& state) { SweepAll<core::FindParameter>(state); }
void BM_FindParameterWalk(benchmark::State& state) { SweepAll<core::FindParameterByWalk>(state); }
BENCHMARK(BM_FindParameterIndexed)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindParameterWalk)->Unit(benchmark::kMicrosecond);

// The lookups one dump makes (row and condition of every value's address), by index and by walk.
template <int (*Find)(int, int, const ModellSpeicherTyp*, int)>
void DumpLookups(benchmark::State& state) {
  const ModellSpeicherTyp m = Memory(16);
  const auto entries = core::DumpMemory(m, 32, false);
  for (auto _ : state) {
    int sum = 0;
    for (const auto& e : entries) sum += Find(e.address, e.bit, &m, 32) + Find(e.address, -1, &m, 32);
    benchmark::DoNotOptimize(sum);
  }
  state.counters["lookups"] = static_cast<double>(entries.size() * 2);
}
void BM_DumpLookupsIndexed(benchmark::State& state) { DumpLookups<core::FindParameter>(state); }
void BM_DumpLookupsWalk(benchmark::State& state) { DumpLookups<core::FindParameterByWalk>(state); }
BENCHMARK(BM_DumpLookupsIndexed)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DumpLookupsWalk)->Unit(benchmark::kMicrosecond);

}  // namespace
