// CategoryItems is a read-only view of the items of one category of the
// catalog: their number, each one by position, and all of them in filing
// order. The catalog stores names, not Item records, so every item handed
// out is a fresh copy; the view stays valid while the catalog is unchanged.
#ifndef GLIMMERKIST_CATALOG_CATEGORY_ITEMS_H_
#define GLIMMERKIST_CATALOG_CATEGORY_ITEMS_H_

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "catalog/item.h"
#include "catalog/name_block.h"
#include "catalog/position_list.h"

namespace glimmerkist {

class CategoryItems {
 public:
  CategoryItems(std::int32_t code, const NameBlock& names, const PositionList& positions)
      : code_(code), names_(&names), positions_(&positions) {}

  /// Number of items.
  std::int32_t count() const { return positions_->count(); }

  /// The name of the item at `position`. REQUIRES: 0 <= position < count().
  std::string_view nameAt(std::int32_t position) const {
    return names_->nameAt(positions_->at(position));
  }

  /// Copies the item at `position`, counted from 0, into `out`; leaves `out`
  /// untouched when the category holds no item there.
  void itemAt(std::int32_t position, Item& out) const {
    if (position < 0 || position >= count()) return;
    out.setCategory(code_);
    out.setName(std::string(nameAt(position)));
  }

  /// Walks the items in filing order, handing out each as an Item by value.
  class Iterator {
   public:
    using iterator_category = std::input_iterator_tag;
    using value_type = Item;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = Item;

    Iterator(const CategoryItems* items, std::int32_t position)
        : items_(items), position_(position) {}

    Item operator*() const;
    Iterator& operator++() {
      ++position_;
      return *this;
    }
    bool operator==(const Iterator& other) const { return position_ == other.position_; }
    bool operator!=(const Iterator& other) const { return position_ != other.position_; }

   private:
    const CategoryItems* items_;
    std::int32_t position_;
  };

  Iterator begin() const { return Iterator(this, 0); }
  Iterator end() const { return Iterator(this, count()); }

 private:
  std::int32_t code_;
  const NameBlock* names_;
  const PositionList* positions_;
};

}  // namespace glimmerkist

#endif  // GLIMMERKIST_CATALOG_CATEGORY_ITEMS_H_
