// Loading a model memory directory into the tree, against simply reading the same files.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/store/model_memory.h"
#include "core/store/store.h"
#include "core/store/tree.h"
#include "core/util/datetime.h"
#include "core/util/files.h"

namespace {

namespace fs = std::filesystem;

// A directory of n model memory files: 1870 data bytes each, 60 model names, spread dates,
// every eighth with a comment. Written once per size and removed at exit.
class Fixture {
 public:
  explicit Fixture(int n) {
    std::random_device rd;
    dir_ = fs::temp_directory_path() / ("veltrano_bench_" + std::to_string(rd()));
    fs::create_directories(dir_);
    std::mt19937 rng(n);
    core::ModellSpeicherTyp r;
    std::copy_n("FC2830", 6, r.header.begin());
    r.setDataLength(1870);
    r.inUse = true;
    for (int i = 0; i < n; ++i) {
      core::SetNameFromText(r, "MODELL " + std::to_string(i % 60));
      for (int b = core::kNameLength; b < 1870; ++b) r.image[b] = static_cast<std::uint8_t>(rng());
      r.dateText =
          core::FormatDateText({2000 + static_cast<int>(rng() % 27),
                                1 + static_cast<int>(rng() % 12), 1 + static_cast<int>(rng() % 28),
                                static_cast<int>(rng() % 24), static_cast<int>(rng() % 60), 0});
      r.hasComment = i % 8 == 0;
      r.comment = {"Kommentar " + std::to_string(i)};
      r.imageSaved = r.commentSaved = false;
      core::WriteModelMemory(r, (dir_ / ("M" + std::to_string(i) + ".FC")).string());
    }
  }
  ~Fixture() {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  std::string dir() const { return dir_.string() + "/"; }

 private:
  fs::path dir_;
};

const Fixture& FixtureFor(int n) {
  static std::map<int, std::unique_ptr<Fixture>> fixtures;
  auto& f = fixtures[n];
  if (!f) f = std::make_unique<Fixture>(n);
  return *f;
}

void BM_LoadIntoTree(benchmark::State& state) {
  const std::string dir = FixtureFor(static_cast<int>(state.range(0))).dir();
  core::NullStoreHost host;
  for (auto _ : state) {
    core::ModelMemoryStore store(host);
    store.SetModelMemoryDir(dir);
    store.LoadDirectory(dir);
    std::string select = "MODELL 7";
    const core::TreeDescription tree = core::BuildTree(store, dir, select);
    const std::vector<int> icons = core::ComputeTreeIcons(store, tree, tree.names[0].text);
    benchmark::DoNotOptimize(icons.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Baseline: enumerate the same directory and read every file's bytes, nothing else.
void BM_ReadBytesOnly(benchmark::State& state) {
  const std::string dir = FixtureFor(static_cast<int>(state.range(0))).dir();
  std::vector<std::uint8_t> buf(4096);
  for (auto _ : state) {
    std::size_t total = 0;
    for (const auto& e : fs::directory_iterator(dir)) {
      const std::string name = e.path().filename().string();
      if (name.size() < 3 || name.compare(name.size() - 3, 3, ".FC") != 0) continue;
      std::FILE* f = std::fopen((dir + name).c_str(), "rb");
      if (f == nullptr) continue;
      total += std::fread(buf.data(), 1, buf.size(), f);
      std::fclose(f);
    }
    benchmark::DoNotOptimize(total);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Loading alone, without the tree.
void BM_LoadOnly(benchmark::State& state) {
  const std::string dir = FixtureFor(static_cast<int>(state.range(0))).dir();
  core::NullStoreHost host;
  for (auto _ : state) {
    core::ModelMemoryStore store(host);
    store.LoadDirectory(dir);
    benchmark::DoNotOptimize(store.MainListHead());
  }
}

// The tree alone over an already loaded store (sort, tree description, icons).
void BM_TreeOnly(benchmark::State& state) {
  const std::string dir = FixtureFor(static_cast<int>(state.range(0))).dir();
  core::NullStoreHost host;
  core::ModelMemoryStore store(host);
  store.SetModelMemoryDir(dir);
  store.LoadDirectory(dir);
  for (auto _ : state) {
    std::string select;
    const core::TreeDescription tree = core::BuildTree(store, dir, select);
    const std::vector<int> icons = core::ComputeTreeIcons(store, tree, "");
    benchmark::DoNotOptimize(icons.data());
  }
}

BENCHMARK(BM_LoadIntoTree)->Arg(256)->Arg(1024)->Arg(2048)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadBytesOnly)->Arg(256)->Arg(1024)->Arg(2048)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadOnly)->Arg(256)->Arg(1024)->Arg(2048)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreeOnly)->Arg(256)->Arg(1024)->Arg(2048)->Unit(benchmark::kMillisecond);

}  // namespace
