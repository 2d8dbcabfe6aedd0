// Writing what the catalog command found: the number of items in each of
// the 18 categories and in all.
#ifndef GLIMMERKIST_ROLL_CATALOG_COUNTS_H_
#define GLIMMERKIST_ROLL_CATALOG_COUNTS_H_

#include <array>
#include <cstdint>
#include <ostream>

#include "catalog/item_category.h"
#include "roll/output_format.h"

namespace glimmerkist::roll {

/// Items in each category, indexed by category code.
using CategoryCounts = std::array<std::int32_t, kCategoryCount>;

/// Text: an aligned table with a total. JSON: {"format_version",
/// "categories": [{"category", "tag", "items"}], "total_items"}. Markdown:
/// one table.
void writeCatalogCounts(std::ostream& out, Format format, const CategoryCounts& counts);

}  // namespace glimmerkist::roll

#endif  // GLIMMERKIST_ROLL_CATALOG_COUNTS_H_
