// Writing drawn hoards: the text heading that goes before the interactive
// program's report lines, and the JSON and Markdown forms, which carry the
// same data plus each hoard's total value and, when asked, the party's
// shares of its coins.
//
// The JSON layout is the core's (treasure/hoard_json.h).
#ifndef GLIMMERKIST_ROLL_HOARD_FORMATS_H_
#define GLIMMERKIST_ROLL_HOARD_FORMATS_H_

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "treasure/coin_rates.h"
#include "treasure/hoard_sheet.h"

namespace glimmerkist::roll {

/// The line before hoard `index` (from 0) of `count` in text, such as
/// " Hoard 1 of 3: chart A, seed 42".
void writeHoardHeading(std::ostream& out, const std::string& chart, std::uint32_t seed, int index,
                       int count);

/// The hoards as one JSON document: {"format_version", "rates_gp", "hoards"}.
void writeHoardsJson(std::ostream& out, const std::vector<HoardSheet>& sheets,
                     const HoardSheetOptions& options);

/// The hoards as Markdown: a heading and a table for each, a second table for
/// the split when asked, and the coin values at the end.
void writeHoardsMarkdown(std::ostream& out, const std::vector<HoardSheet>& sheets,
                         const HoardSheetOptions& options);

}  // namespace glimmerkist::roll

#endif  // GLIMMERKIST_ROLL_HOARD_FORMATS_H_
