// A helper for scripts/run-benchmarks, one job per process so that a job's
// run time and peak memory can be measured from outside:
//
//   glimmerkist_catalog_tool write RECORDS PATH   writes a generated catalog
//   glimmerkist_catalog_tool load PATH            loads it as the program does
//   glimmerkist_catalog_tool scan PATH            only splits it into tokens
//
// load prints the records filed and the bytes of their names; scan, the
// baseline of the memory figure, prints the tokens it saw.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

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
    std::int64_t nameBytes = 0;
    for (int code = 0; code < kCategoryCount; ++code) {
      for (const Item& item : catalog.category(code)) {
        nameBytes += static_cast<std::int64_t>(item.getName().size());
      }
    }
    std::cout << "records " << result.filed << " name_bytes " << nameBytes << "\n";
    return result.status == LoadStatus::kLoaded ? 0 : 1;
  }
  if (job == "scan" && argc == 3) {
    std::ifstream file(argv[2], std::ios::binary);
    TokenReader reader(file);
    std::string token;
    std::int64_t tokens = 0;
    while (reader.next(token)) ++tokens;
    std::cout << "tokens " << tokens << "\n";
    return file.is_open() ? 0 : 1;
  }
  return usage();
}
