#include "roll/catalog_counts.h"

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "treasure/hoard_json.h"

namespace glimmerkist::roll {
namespace {

std::int64_t totalOf(const CategoryCounts& counts) {
  std::int64_t total = 0;
  for (std::int32_t count : counts) total += count;
  return total;
}

void writeText(std::ostream& out, const CategoryCounts& counts) {
  char line[80];
  std::snprintf(line, sizeof line, " %-32s %7s\n", "Category", "Items");
  out << line;
  for (int code = 0; code < kCategoryCount; ++code) {
    std::snprintf(line, sizeof line, " %3d  %-27s %7d\n", code,
                  std::string(kCategoryTags[code]).c_str(), counts[code]);
    out << line;
  }
  std::snprintf(line, sizeof line, " %-32s %7lld\n", "Total",
                static_cast<long long>(totalOf(counts)));
  out << line;
}

void writeJson(std::ostream& out, const CategoryCounts& counts) {
  Json document = Json::object();
  document["format_version"] = kJsonFormatVersion;
  document["categories"] = Json::array();
  for (int code = 0; code < kCategoryCount; ++code) {
    document["categories"].push_back(
        {{"category", code}, {"tag", std::string(kCategoryTags[code])}, {"items", counts[code]}});
  }
  document["total_items"] = totalOf(counts);
  out << jsonText(document);
}

void writeMarkdown(std::ostream& out, const CategoryCounts& counts) {
  out << "| Category | Tag | Items |\n"
      << "| ---: | --- | ---: |\n";
  for (int code = 0; code < kCategoryCount; ++code) {
    out << "| " << code << " | " << kCategoryTags[code] << " | " << counts[code] << " |\n";
  }
  out << "|  | **Total** | **" << totalOf(counts) << "** |\n";
}

}  // namespace

void writeCatalogCounts(std::ostream& out, Format format, const CategoryCounts& counts) {
  switch (format) {
    case Format::kText:
      writeText(out, counts);
      break;
    case Format::kJson:
      writeJson(out, counts);
      break;
    case Format::kMarkdown:
      writeMarkdown(out, counts);
      break;
  }
}

}  // namespace glimmerkist::roll
