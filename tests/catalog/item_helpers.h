// Small helpers shared by the catalog tests: building named items and
// printing them readably when an expectation fails.
#ifndef GLIMMERKIST_TESTS_CATALOG_ITEM_HELPERS_H_
#define GLIMMERKIST_TESTS_CATALOG_ITEM_HELPERS_H_

#include <ostream>
#include <string>

#include "catalog/item.h"

namespace glimmerkist {

/// An item filled the way the loader fills one: category first, then name.
inline Item makeItem(int category, const std::string& name) {
  Item item;
  item.setCategory(category);
  item.setName(name);
  return item;
}

/// Lets failing expectations show items as {category, "name"}.
inline void PrintTo(const Item& item, std::ostream* os) {
  *os << "{" << item.getCategory() << ", \"" << item.getName() << "\"}";
}

}  // namespace glimmerkist

#endif  // GLIMMERKIST_TESTS_CATALOG_ITEM_HELPERS_H_
