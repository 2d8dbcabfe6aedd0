#include "catalog/item_catalog.h"

#include "base/random.h"

namespace glimmerkist {

void ItemCatalog::addItem(std::int32_t category, std::string_view name) {
  if (!isCategoryCode(category) || name.empty()) return;
  positions_[category].append(names_.append(name));
}

Item ItemCatalog::randomItem(std::int32_t category) const {
  Item result;
  if (!isCategoryCode(category)) return result;
  const CategoryItems items = this->category(category);
  if (items.count() <= 0) return result;
  items.itemAt(rand() % items.count(), result);
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
