#include "roll/picked_items.h"

#include <nlohmann/json.hpp>

#include "base/random.h"
#include "catalog/item_category.h"
#include "treasure/hoard_json.h"
#include "treasure/treasure_report.h"

namespace glimmerkist::roll {
namespace {

void writeText(std::ostream& out, const std::vector<PickedItem>& items) {
  for (const PickedItem& picked : items) {
    out << " " << pickedItemLine(picked.item) << "  (" << kCategoryTags[picked.category]
        << ", seed " << picked.seed << ")\n";
  }
}

void writeJson(std::ostream& out, const std::vector<PickedItem>& items) {
  Json document = Json::object();
  document["format_version"] = kJsonFormatVersion;
  document["items"] = items;
  out << jsonText(document);
}

void writeMarkdown(std::ostream& out, const std::vector<PickedItem>& items) {
  out << "| Item | Category | Seed |\n"
      << "| --- | --- | ---: |\n";
  for (const PickedItem& picked : items) {
    const bool none = picked.item.getName().empty();
    out << "| " << (none ? "(none: empty category)" : markdownCell(shownName(picked.item))) << " | "
        << kCategoryTags[picked.category] << " | " << picked.seed << " |\n";
  }
}

}  // namespace

PickedItem pickItem(const ItemCatalog& catalog, std::int32_t category, std::uint32_t seed) {
  srand(seed);
  PickedItem picked;
  picked.seed = seed;
  picked.category = isCategoryCode(category) ? category : randomCategory();
  picked.item = catalog.randomItem(picked.category);
  return picked;
}

void to_json(nlohmann::ordered_json& json, const PickedItem& picked) {
  json = Json::object();
  json["seed"] = picked.seed;
  json["category"] = picked.category;
  json["tag"] = std::string(kCategoryTags[picked.category]);
  const bool none = picked.item.getName().empty();
  json["name"] = none ? Json(nullptr) : Json(nameWithBlanks(picked.item));
}

void writePickedItems(std::ostream& out, Format format, const std::vector<PickedItem>& items) {
  switch (format) {
    case Format::kText:
      writeText(out, items);
      break;
    case Format::kJson:
      writeJson(out, items);
      break;
    case Format::kMarkdown:
      writeMarkdown(out, items);
      break;
  }
}

}  // namespace glimmerkist::roll
