// Loading generated catalogs of 10,000, 100,000 and 1,000,000 records from a
// file, as the program loads data.txt at start-up. The file is in the page
// cache after the first iteration, as it is for `wc -w` beside it.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "bench_catalog.h"
#include "catalog/catalog_loader.h"
#include "catalog/item_catalog.h"

namespace glimmerkist::bench {
namespace {

void BM_LoadCatalog(benchmark::State& state) {
  const std::int64_t records = state.range(0);
  const std::string path = catalogPath(records);
  QuietTerminal terminal;
  for (auto _ : state) {
    auto catalog = std::make_unique<ItemCatalog>();
    const LoadResult result = loadCatalog(*catalog, terminal, path);
    if (result.problem.kind != ProblemKind::kNone || result.filed != records) {
      state.SkipWithError("the catalog did not load whole");
      break;
    }
    benchmark::DoNotOptimize(catalog.get());
    // Releasing a million names is no part of loading them.
    state.PauseTiming();
    catalog.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * records);
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(std::filesystem::file_size(path)));
}
BENCHMARK(BM_LoadCatalog)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glimmerkist::bench
