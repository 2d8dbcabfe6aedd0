#include "catalog/item.h"

#include <algorithm>
#include <utility>

namespace glimmerkist {

void Item::clear() {
  category_ = kNoCategory;
  name_.clear();
}

void Item::setCategory(std::int32_t code) {
  if (code >= kNoCategory && code < kCategoryCount) {
    category_ = code;
  } else {
    clear();
  }
}

void Item::setName(std::string name) {
  if (name.empty()) {
    clear();
  } else {
    name_ = std::move(name);
  }
}

void replaceUnderscores(std::string& text) { std::replace(text.begin(), text.end(), '_', ' '); }

}  // namespace glimmerkist
