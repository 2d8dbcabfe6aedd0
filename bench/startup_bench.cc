// The whole start-up on the shipped catalog, up to the main menu: loading
// data.txt from the current folder, the name tables, the welcome screen and
// the menu, then quitting with 0.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_catalog.h"
#include "shell/program.h"

namespace glimmerkist::bench {
namespace {

void BM_StartupToMainMenu(benchmark::State& state) {
  namespace fs = std::filesystem;
  const fs::path previous = fs::current_path();
  const fs::path folder = fs::temp_directory_path() / "glimmerkist-bench-startup";
  fs::create_directories(folder);
  fs::copy_file(GLIMMERKIST_SHIPPED_CATALOG, folder / "data.txt",
                fs::copy_options::overwrite_existing);
  fs::current_path(folder);
  QuietTerminal terminal;
  for (auto _ : state) {
    terminal.reset("0\n");
    benchmark::DoNotOptimize(runProgram(terminal));
  }
  const bool reachedMenu =
      terminal.output().find(" 3) Generate Encounter Treasure") != std::string::npos;
  fs::current_path(previous);
  fs::remove_all(folder);
  if (!reachedMenu) state.SkipWithError("the main menu was not shown");
}
BENCHMARK(BM_StartupToMainMenu)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace glimmerkist::bench
