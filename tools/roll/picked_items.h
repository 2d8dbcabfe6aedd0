// Items drawn one at a time from the catalog, each after a seed of its own,
// and writing them in the three formats.
#ifndef GLIMMERKIST_ROLL_PICKED_ITEMS_H_
#define GLIMMERKIST_ROLL_PICKED_ITEMS_H_

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "catalog/item_catalog.h"
#include "roll/output_format.h"

namespace glimmerkist::roll {

struct PickedItem {
  std::uint32_t seed = 0;     // srand(seed) and then the pick gives this item
  std::int32_t category = 0;  // the category picked from, 0 to 17
  std::string name;           // with blanks for underscores; empty when the category has none
};

/// After srand(seed), one item of `category`, or for kNoCategory of a
/// category drawn first: the draws the interactive program makes for a
/// category pick or a random pick right after seeding.
PickedItem pickItem(const ItemCatalog& catalog, std::int32_t category, std::uint32_t seed);

/// Text: one line each, the interactive program's " A(n) " line followed by
/// the category tag and seed. JSON: {"items": [...]} with a null name for an
/// empty category. Markdown: one table.
void writePickedItems(std::ostream& out, Format format, const std::vector<PickedItem>& items);

}  // namespace glimmerkist::roll

#endif  // GLIMMERKIST_ROLL_PICKED_ITEMS_H_
