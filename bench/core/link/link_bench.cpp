// Cost of link steps: an idle tick, a waiting tick, and a whole receive of 1870 bytes.
#include <benchmark/benchmark.h>

#include "core/link/com_handler.h"
#include "core/link/transfer_display.h"
#include "tests/core/link/link_fakes.h"

namespace {

void BM_IdleTick(benchmark::State& state) {
  linktest::Rig r;
  r.Tick();
  for (auto _ : state) r.link.TransferTick();
}
BENCHMARK(BM_IdleTick);

void BM_WaitingTickWithDisplay(benchmark::State& state) {
  linktest::Rig r;
  core::TransferDisplay display(r.timers);
  r.Tick();
  r.link.StartReceive();
  for (auto _ : state) {
    r.link.TransferTick();
    benchmark::DoNotOptimize(display.Tick(r.link.TransferProgress(), r.link.TransferBusy()));
  }
}
BENCHMARK(BM_WaitingTickWithDisplay);

void BM_Receive1870(benchmark::State& state) {
  linktest::Bytes image(1870, 0x5A);
  for (auto _ : state) {
    linktest::Rig r;
    r.Tick();
    r.link.StartReceive();
    r.Feed(core::kAck);
    r.Tick(2);
    r.Feed({'F', 'C', '2', '8', '3', '0'});
    r.Tick(2);
    r.Feed({0x07, 0x4E});
    r.Tick(2);
    r.Feed(image);
    r.Tick(2);
    benchmark::DoNotOptimize(r.host.rebuilds);
  }
}
BENCHMARK(BM_Receive1870);

}  // namespace
