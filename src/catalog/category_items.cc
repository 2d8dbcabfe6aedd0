#include "catalog/category_items.h"

#include <string>

namespace glimmerkist {

void CategoryItems::itemAt(std::int32_t position, Item& out) const {
  if (position < 0 || position >= count()) return;
  out.setCategory(code_);
  out.setName(std::string(nameAt(position)));
}

Item CategoryItems::Iterator::operator*() const {
  Item item;
  items_->itemAt(position_, item);
  return item;
}

}  // namespace glimmerkist
