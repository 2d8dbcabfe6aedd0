#include "catalog/item_catalog.h"

#include <string>

#include "base/random.h"

namespace glimmerkist {

void ItemCatalog::addItem(std::int32_t category, std::string_view name) {
  if (!isCategoryCode(category) || name.empty()) return;
  positions_[category].append(names_.append(name));
}

Item ItemCatalog::randomItem(std::int32_t category) const {
  Item result;
  if (!isCategoryCode(category)) return result;
  const PositionList& list = positions_[category];
  if (list.count() <= 0) return result;
  const std::int32_t position = rand() % list.count();
  result.setCategory(category);
  result.setName(std::string(names_.nameAt(list.at(position))));
  return result;
}

void ItemCatalog::clearCategory(std::int32_t category) {
  if (isCategoryCode(category)) {
    positions_[category].clear();
  } else if (category == kNoCategory) {
    for (PositionList& list : positions_) list.clear();
  } else {
    return;
  }
  // The names of a cleared category stay in the block until every category
  // is empty; the catalog is cleared only as a whole in practice.
  for (const PositionList& list : positions_) {
    if (list.count() > 0) return;
  }
  names_.clear();
}

void ItemCatalog::shrinkToFit() {
  for (PositionList& list : positions_) list.shrinkToFit();
}

}  // namespace glimmerkist
