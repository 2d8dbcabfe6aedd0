// ItemCatalog files every item of data.txt by category and hands out random
// items. It is filled once at start-up and only read afterwards.
#ifndef GLIMMERKIST_CATALOG_ITEM_CATALOG_H_
#define GLIMMERKIST_CATALOG_ITEM_CATALOG_H_

#include <array>
#include <cstdint>

#include "catalog/item.h"
#include "catalog/item_category.h"
#include "catalog/item_list.h"

namespace glimmerkist {

class ItemCatalog {
 public:
  /// Files `item` at the tail of its category's list when its category is 0
  /// to 17 and its name is not empty; anything else is silently refused.
  void addItem(Item item);

  /// A copy of a random item of `category`. Draws exactly one random number
  /// when the category holds items, none otherwise; returns noItem for an
  /// empty category or a code outside 0 to 17.
  Item randomItem(std::int32_t category) const;

  /// 0 to 17 clears that category, -1 clears all 18, anything else does
  /// nothing.
  void clearCategory(std::int32_t category);

  /// The list of one category. REQUIRES: isCategoryCode(category).
  const ItemList& category(std::int32_t code) const { return lists_[code]; }

  /// Gives back the lists' spare capacity after loading.
  void shrinkToFit();

 private:
  std::array<ItemList, kCategoryCount> lists_;
};

}  // namespace glimmerkist

#endif  // GLIMMERKIST_CATALOG_ITEM_CATALOG_H_
