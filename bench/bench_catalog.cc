#include "bench_catalog.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "catalog/item_category.h"
#include "catalog/token_reader.h"

namespace glimmerkist::bench {

const std::vector<Item>& shippedRecords() {
  static const std::vector<Item> records = [] {
    std::ifstream file(GLIMMERKIST_SHIPPED_CATALOG, std::ios::binary);
    if (!file) throw std::runtime_error("cannot open " GLIMMERKIST_SHIPPED_CATALOG);
    // Read in file order, not through the catalog, which files by category.
    TokenReader reader(file);
    std::vector<Item> result;
    std::string token;
    std::string name;
    reader.next(token);  // the header: "<note>" in the shipped file
    if (token == "<note>") {
      while (reader.next(token) && token != "</note>") {
      }
    }
    while (reader.next(name) && reader.next(token)) {
      Item item;
      item.setCategory(categoryFromTag(token));
      item.setName(name);
      result.push_back(item);
    }
    if (result.empty()) throw std::runtime_error("no records in " GLIMMERKIST_SHIPPED_CATALOG);
    return result;
  }();
  return records;
}

void writeCatalog(std::ostream& out, std::int64_t records) {
  const std::vector<Item>& shipped = shippedRecords();
  out << "<note>\nA generated catalog of " << records
      << " records for the benchmarks: the shipped items, repeated.\n</note>\n";
  for (std::int64_t i = 0; i < records; ++i) {
    const Item& item = shipped[static_cast<std::size_t>(i) % shipped.size()];
    out << item.getName() << '\n' << kCategoryTags[item.getCategory()] << '\n';
  }
}

std::string catalogPath(std::int64_t records) {
  const char* dir = std::getenv("GLIMMERKIST_BENCH_DIR");
  const std::filesystem::path folder = dir != nullptr && *dir != '\0' ? dir : "bench-data";
  std::filesystem::create_directories(folder);
  const std::filesystem::path path = folder / ("catalog-" + std::to_string(records) + ".txt");
  if (!std::filesystem::exists(path)) {
    const std::filesystem::path partial = path.string() + ".partial";
    {
      std::ofstream file(partial, std::ios::binary | std::ios::trunc);
      writeCatalog(file, records);
      if (!file.flush()) throw std::runtime_error("cannot write " + partial.string());
    }
    std::filesystem::rename(partial, path);
  }
  return path.string();
}

}  // namespace glimmerkist::bench
