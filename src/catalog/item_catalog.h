// ItemCatalog files every item of data.txt by category and hands out random
// items. It is filled once at start-up and only read afterwards.
//
// All names sit in one NameBlock, in filing order; each category is a list
// of positions into it. An item is rebuilt from its name and its category's
// code whenever one is handed out.
#ifndef GLIMMERKIST_CATALOG_ITEM_CATALOG_H_
#define GLIMMERKIST_CATALOG_ITEM_CATALOG_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "catalog/category_items.h"
#include "catalog/item.h"
#include "catalog/item_category.h"
#include "catalog/name_block.h"
#include "catalog/position_list.h"

namespace glimmerkist {

class ItemCatalog {
 public:
  /// Files `item` at the tail of its category's list when its category is 0
  /// to 17 and its name is not empty; anything else is silently refused.
  void addItem(const Item& item) { addItem(item.getCategory(), item.getName()); }

  /// The same for an item given as its category and name, as the loader
  /// reads them, without building an Item first.
  void addItem(std::int32_t category, std::string_view name);

  /// A copy of a random item of `category`. Draws exactly one random number
  /// when the category holds items, none otherwise; returns noItem for an
  /// empty category or a code outside 0 to 17.
  Item randomItem(std::int32_t category) const;

  /// 0 to 17 clears that category, -1 clears all 18, anything else does
  /// nothing.
  void clearCategory(std::int32_t category);

  /// The items of one category. REQUIRES: isCategoryCode(code).
  CategoryItems category(std::int32_t code) const {
    return CategoryItems(code, names_, positions_[code]);
  }

  /// Makes room for `bytes` bytes of names before loading, so that the block
  /// of names is not copied while it grows. A catalog file's size bounds the
  /// bytes its names take.
  void reserveNameBytes(std::size_t bytes) { names_.reserve(bytes); }

  /// Gives back the lists' spare capacity after loading.
  void shrinkToFit();

 private:
  NameBlock names_;
  std::array<PositionList, kCategoryCount> positions_;
};

}  // namespace glimmerkist

#endif  // GLIMMERKIST_CATALOG_ITEM_CATALOG_H_
