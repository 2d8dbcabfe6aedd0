#include "catalog/category_items.h"

namespace glimmerkist {

Item CategoryItems::Iterator::operator*() const {
  Item item;
  items_->itemAt(position_, item);
  return item;
}

}  // namespace glimmerkist
