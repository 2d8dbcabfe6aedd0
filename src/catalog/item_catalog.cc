#include "catalog/item_catalog.h"

#include <utility>

#include "base/random.h"

namespace glimmerkist {

void ItemCatalog::addItem(Item item) {
  const std::int32_t category = item.getCategory();
  if (!isCategoryCode(category) || item.getName().empty()) return;
  lists_[category].append(std::move(item));
}

Item ItemCatalog::randomItem(std::int32_t category) const {
  Item result;
  if (!isCategoryCode(category)) return result;
  const ItemList& list = lists_[category];
  if (list.count() <= 0) return result;
  list.itemAt(rand() % list.count(), result);
  return result;
}

void ItemCatalog::clearCategory(std::int32_t category) {
  if (isCategoryCode(category)) {
    lists_[category].clear();
  } else if (category == kNoCategory) {
    for (ItemList& list : lists_) list.clear();
  }
}

void ItemCatalog::shrinkToFit() {
  for (ItemList& list : lists_) list.shrinkToFit();
}

}  // namespace glimmerkist
