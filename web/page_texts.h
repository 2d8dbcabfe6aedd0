// Texts the page shows beside the hoard and the statistics: gems gathered by
// kind and value, numbers with thousands separators, and one line per chart
// that tells a new game master what the chart yields. The result file and the
// JSON keep one gem a line; these are the page's and its print's view only.
#ifndef GLIMMERKIST_WEB_PAGE_TEXTS_H_
#define GLIMMERKIST_WEB_PAGE_TEXTS_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "treasure/chart_stats.h"
#include "treasure/hoard.h"

namespace glimmerkist::web {

/// A whole number with a comma between thousands: "1,234,567", "-5,000".
std::string withThousands(std::int64_t value);

/// One line a kind and value, in the order each first turns up:
/// "3 × Carnelian, 25 gp each", "Ruby, 7,949 gp". Gems of no kind, which no
/// report shows, are left out.
std::vector<std::string> groupedGemLines(const GemList& gems);

/// What a chart yields, in a line: "Copper and silver, sometimes gold;
/// about 2 gems; no magic items; typically 1,234 gp (most 200 to 5,000)".
std::string chartGuideLine(const ChartStats& stats);

/// For a catalog in `bytes` that opens with no <note> block, the line that
/// says its first word was taken for a heading and skipped; "" otherwise.
std::string catalogHint(std::string_view bytes);

}  // namespace glimmerkist::web

#endif  // GLIMMERKIST_WEB_PAGE_TEXTS_H_
