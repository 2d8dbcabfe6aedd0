// Main menu choices 1 and 2: one random item from a category the user picks,
// or from a category drawn at random.
#ifndef GLIMMERKIST_SHELL_ITEM_PICKING_H_
#define GLIMMERKIST_SHELL_ITEM_PICKING_H_

#include <array>
#include <cstdint>
#include <string>

#include "base/terminal.h"
#include "catalog/item.h"
#include "catalog/item_catalog.h"
#include "catalog/item_category.h"

namespace glimmerkist {

/// The table the category menu receives, indexed by category code.
using CategoryLabels = std::array<std::string, kCategoryLabelCount>;

/// Writes the one-line display of `item`, blanks in place of underscores.
void showPickedItem(Terminal& terminal, const Item& item);

/// Lists the categories, reads a number and shows a random item of that
/// category (nothing for a number outside 0 to 17), then pauses. Returns the
/// number read; the caller ends the program when it is negative.
std::int32_t pickFromCategory(Terminal& terminal, const ItemCatalog& catalog,
                              const CategoryLabels& labels);

/// Draws a category, then shows a random item of it, then pauses.
void pickFromAnyCategory(Terminal& terminal, const ItemCatalog& catalog);

}  // namespace glimmerkist

#endif  // GLIMMERKIST_SHELL_ITEM_PICKING_H_
