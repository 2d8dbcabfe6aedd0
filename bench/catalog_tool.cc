// A helper for scripts/run-benchmarks, one job per process so that a job's
// run time and peak memory can be measured from outside:
//
//   glimmerkist_catalog_tool write RECORDS PATH   writes a generated catalog
//   glimmerkist_catalog_tool load PATH            loads it as the program does
//   glimmerkist_catalog_tool scan PATH            only splits it into tokens
//
// load prints the records filed; scan prints the records of the file and the
// bytes of their names, the names' own share of any memory figure.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "bench_catalog.h"
#include "catalog/catalog_loader.h"
#include "catalog/item_catalog.h"
#include "catalog/token_reader.h"

namespace {

int usage() {
  std::cerr << "usage: glimmerkist_catalog_tool write RECORDS PATH | load PATH | scan PATH\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace glimmerkist;
  if (argc < 3) return usage();
  const std::string job = argv[1];
  if (job == "write" && argc == 4) {
    std::ofstream file(argv[3], std::ios::binary | std::ios::trunc);
    bench::writeCatalog(file, std::strtoll(argv[2], nullptr, 10));
    return file.flush() ? 0 : 1;
  }
  if (job == "load" && argc == 3) {
    ItemCatalog catalog;
    bench::QuietTerminal terminal;
    const LoadResult result = loadCatalog(catalog, terminal, argv[2]);
    std::cout << "records " << result.filed << "\n";
    return result.problem.kind == ProblemKind::kNone ? 0 : 1;
  }
  if (job == "scan" && argc == 3) {
    std::ifstream file(argv[2], std::ios::binary);
    TokenReader reader(file);
    std::string_view token;
    std::int64_t records = 0;
    std::int64_t nameBytes = 0;
    bool header = true;
    bool inNote = false;
    bool nameNext = true;
    // The header, then the note up to its closer; then names and tags take
    // turns.
    while (reader.next(token)) {
      if (header) {
        header = false;
        inNote = token == "<note>";
      } else if (inNote) {
        inNote = token != "</note>";
      } else if (nameNext) {
        nameBytes += static_cast<std::int64_t>(token.size());
        nameNext = false;
      } else {
        ++records;
        nameNext = true;
      }
    }
    std::cout << "records " << records << " name_bytes " << nameBytes << "\n";
    return file.is_open() ? 0 : 1;
  }
  return usage();
}
