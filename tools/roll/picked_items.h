// Items drawn one at a time from the catalog, each after a seed of its own,
// and writing them in the three formats.
#ifndef GLIMMERKIST_ROLL_PICKED_ITEMS_H_
#define GLIMMERKIST_ROLL_PICKED_ITEMS_H_

#include <cstdint>
#include <nlohmann/json_fwd.hpp>
#include <ostream>
#include <vector>

#include "catalog/item.h"
#include "catalog/item_catalog.h"
#include "roll/output_format.h"

namespace glimmerkist::roll {

struct PickedItem {
  std::uint32_t seed = 0;     // srand(seed) and then the pick gives this item
  std::int32_t category = 0;  // the category picked from, 0 to 17
  Item item;                  // noItem when the category holds none
};

/// After srand(seed), one item of `category`, or for kNoCategory of a
/// category drawn first: the draws the interactive program makes for a
/// category pick or a random pick right after seeding.
PickedItem pickItem(const ItemCatalog& catalog, std::int32_t category, std::uint32_t seed);

/// {"seed", "category", "tag", "name"}, the name shown with blanks, null for
/// an empty category.
void to_json(nlohmann::ordered_json& json, const PickedItem& picked);

/// Text: one line each, the interactive program's "A(n)" line followed by
/// the category tag and seed. JSON: {"format_version", "items": [...]}.
/// Markdown: one table.
void writePickedItems(std::ostream& out, Format format, const std::vector<PickedItem>& items);

}  // namespace glimmerkist::roll

#endif  // GLIMMERKIST_ROLL_PICKED_ITEMS_H_
