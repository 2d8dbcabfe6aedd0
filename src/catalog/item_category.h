// The 18 item categories. An enumerator's name is, letter for letter, the tag
// that marks an item's category in data.txt, and its code is the index of the
// category's list in the catalog.
#ifndef GLIMMERKIST_CATALOG_ITEM_CATEGORY_H_
#define GLIMMERKIST_CATALOG_ITEM_CATEGORY_H_

#include <array>
#include <string_view>

namespace glimmerkist {

enum ItemCategory : int {
  tccPotionsAndOils = 0,
  tccScrolls,
  tccRings,
  tccRods,
  tccStaves,
  tccWands,
  tccBooksAndTomes,
  tccGemsAndJewelry,
  tccCloaksAndRobes,
  tccBootsAndGloves,
  tccGirdlesAndHelms,
  tccBagsAndBottles,
  tccDustsAndStones,
  tccHouseholdItemsAndTools,
  tccMusicalInstruments,
  tccTheWeirdStuff,
  tccArmorAndShields,
  tccWeapons,
};

/// Number of categories; valid codes are 0 to kCategoryCount - 1.
constexpr int kCategoryCount = 18;

/// The code that stands for "no category".
constexpr int kNoCategory = -1;

/// The data-file tags, indexed by category code.
extern const std::array<std::string_view, kCategoryCount> kCategoryTags;

/// Entries of the category label table: the 18 categories, then two that the
/// category menu does not list.
constexpr int kCategoryLabelCount = 20;

/// The categories as the program names them to a person, indexed by code.
extern const std::array<std::string_view, kCategoryLabelCount> kCategoryLabels;

/// Returns the code whose tag equals `token` exactly (case included), or
/// kNoCategory when no tag does.
int categoryFromTag(std::string_view token);

/// Draws a category code, 0 to 17, as rand() % 18: one draw.
int randomCategory();

/// True for the codes 0 to 17.
inline bool isCategoryCode(int code) { return code >= 0 && code < kCategoryCount; }

}  // namespace glimmerkist

#endif  // GLIMMERKIST_CATALOG_ITEM_CATEGORY_H_
