#include "roll/picked_items.h"

#include "base/random.h"
#include "catalog/item_category.h"
#include "treasure/treasure_report.h"

namespace glimmerkist::roll {
namespace {

void writeText(std::ostream& out, const std::vector<PickedItem>& items) {
  for (const PickedItem& item : items) {
    out << " A(n) " << item.name << "  (" << kCategoryTags[item.category] << ", seed " << item.seed
        << ")\n";
  }
}

void writeJson(std::ostream& out, const std::vector<PickedItem>& items) {
  Json document = Json::object();
  document["items"] = Json::array();
  for (const PickedItem& item : items) {
    Json json = Json::object();
    json["seed"] = item.seed;
    json["category"] = item.category;
    json["tag"] = std::string(kCategoryTags[item.category]);
    if (item.name.empty()) {
      json["name"] = nullptr;
    } else {
      json["name"] = item.name;
    }
    document["items"].push_back(json);
  }
  writeJsonDocument(out, document);
}

void writeMarkdown(std::ostream& out, const std::vector<PickedItem>& items) {
  out << "| Item | Category | Seed |\n"
      << "| --- | --- | ---: |\n";
  for (const PickedItem& item : items) {
    out << "| " << (item.name.empty() ? "(none: empty category)" : markdownCell(item.name)) << " | "
        << kCategoryTags[item.category] << " | " << item.seed << " |\n";
  }
}

}  // namespace

PickedItem pickItem(const ItemCatalog& catalog, std::int32_t category, std::uint32_t seed) {
  srand(seed);
  PickedItem picked;
  picked.seed = seed;
  picked.category = isCategoryCode(category) ? category : randomCategory();
  picked.name = shownName(catalog.randomItem(picked.category));
  return picked;
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
