// An Item is one entry of the catalog: a magic item's name and its category.
//
// Names are stored exactly as read from data.txt, with underscores standing
// for spaces; only the display (replaceUnderscores) turns them into blanks.
// Invalid values given to the setters are not reported: the item falls back
// to noItem (category -1, empty name).
#ifndef GLIMMERKIST_CATALOG_ITEM_H_
#define GLIMMERKIST_CATALOG_ITEM_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "catalog/item_category.h"

namespace glimmerkist {

class Item {
 public:
  /// A new item is noItem.
  Item() = default;

  /// Makes the item noItem.
  void clear() {
    category_ = kNoCategory;
    name_.clear();
  }

  /// Codes -1 to 17 are stored and keep the name; any other code makes the
  /// whole item noItem.
  void setCategory(std::int32_t code) {
    if (code >= kNoCategory && code < kCategoryCount) {
      category_ = code;
    } else {
      clear();
    }
  }
  /// A non-empty name is stored and keeps the category; an empty one makes
  /// the whole item noItem.
  void setName(std::string name) {
    if (name.empty()) {
      clear();
    } else {
      name_ = std::move(name);
    }
  }

  std::int32_t getCategory() const { return category_; }
  /// The stored name, underscores included.
  const std::string& getName() const { return name_; }

  bool operator==(const Item& other) const {
    return category_ == other.category_ && name_ == other.name_;
  }
  bool operator!=(const Item& other) const { return !(*this == other); }

 private:
  std::int32_t category_ = kNoCategory;
  std::string name_;
};

/// The empty item: category -1 and an empty name.
inline const Item noItem{};

/// Turns every "_" of `text` into a blank, in place; nothing else changes.
void replaceUnderscores(std::string& text);

/// `text` with each control character shown as "?": the C0 controls (bytes
/// 0x00 to 0x1F), DEL, and the C1 controls as UTF-8 writes them (U+0080 to
/// U+009F, bytes C2 80 to C2 9F). Every text meant for people shows catalog
/// text through this, so that a catalog cannot send the terminal escape
/// sequences; JSON keeps the exact text.
std::string maskControlCharacters(std::string_view text);

}  // namespace glimmerkist

#endif  // GLIMMERKIST_CATALOG_ITEM_H_
