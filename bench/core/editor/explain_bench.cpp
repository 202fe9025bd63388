// The curves the explanations strip computes after an edit: every diagram of ATV, AFR and D/R
// for five flight conditions, with the keyed reads, and the arithmetic alone.

#include <benchmark/benchmark.h>

#include "core/editor/explanation.h"
#include "core/model/access.h"
#include "core/model/defaults.h"
#include "core/model/partab.h"
#include "core/model/partab_keys.h"

namespace {

// An ACRO memory with all four extra flight conditions switched in.
core::ModellSpeicherTyp FiveConditions() {
  core::ModellSpeicherTyp m;
  core::FillDefaultMemory(m, 16, core::NewMemoryLanguage::Englisch, 32);
  for (int k = 1; k <= core::kParamCount; ++k) {
    const core::MemApplMapTyp& d = core::ParamDef(k);
    if (d.key >= core::key::kConditionSwitch1 && d.key < core::key::kConditionSwitch1 + 4)
      core::SetParameterText(d.address, core::ParameterFirstBit(d), &m, false, "SWITCH +A", 32);
  }
  return m;
}

void BM_CurvesAtvAfrDualRate(benchmark::State& state) {
  const core::ModellSpeicherTyp m = FiveConditions();
  std::vector<core::DiagramDescription> diagrams;
  for (const char* code : {"ATV", "AFR", "D/R"})
    for (auto& d : core::DescribeExplanation(*core::FindMenuByCode(code), &m, 32).diagrams)
      diagrams.push_back(d);
  int curves = 0;
  for (auto _ : state) {
    curves = 0;
    for (const auto& d : diagrams) {
      auto c = core::DiagramCurves(d, &m, 32);
      curves += static_cast<int>(c.size());
      benchmark::DoNotOptimize(c);
    }
  }
  state.counters["curves"] = curves;
}
BENCHMARK(BM_CurvesAtvAfrDualRate)->Unit(benchmark::kMicrosecond);

// The same 95 curves from inputs already read.
void BM_CurveArithmetic(benchmark::State& state) {
  for (auto _ : state) {
    for (int i = 0; i < 5; ++i) {
      for (int n = 0; n < 8; ++n) {
        benchmark::DoNotOptimize(core::ServoLine({100 - n, 90, n, 80, 80, n % 2 == 0}));
        benchmark::DoNotOptimize(core::RateCurve({n % 3, 20 + n, 30, 90, 80}));
      }
      for (int k = 0; k < 3; ++k) benchmark::DoNotOptimize(core::RateCurve({k, 40, 50, 70, 60}));
    }
  }
}
BENCHMARK(BM_CurveArithmetic)->Unit(benchmark::kMicrosecond);

// Describing a menu's strip: labels and texts, without the curves.
void BM_DescribeAtv(benchmark::State& state) {
  const core::ModellSpeicherTyp m = FiveConditions();
  for (auto _ : state)
    benchmark::DoNotOptimize(core::DescribeExplanation(*core::FindMenuByCode("ATV"), &m, 32));
}
BENCHMARK(BM_DescribeAtv)->Unit(benchmark::kMicrosecond);

}  // namespace

namespace {

// One keyed read as the curves make it: a per-channel ATV rate in flight condition 3.
void BM_GetTextByKey(benchmark::State& state) {
  const core::ModellSpeicherTyp m = FiveConditions();
  for (auto _ : state)
    benchmark::DoNotOptimize(core::GetTextByKey(core::key::kAtvRateRightUp, 5, 3, &m, 32));
}
BENCHMARK(BM_GetTextByKey);

}  // namespace
