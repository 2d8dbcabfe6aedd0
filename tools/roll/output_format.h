// The three ways the batch command writes its results, and the small pieces
// the text and Markdown writers share. The JSON layouts are the core's
// (treasure/hoard_json.h).
#ifndef GLIMMERKIST_ROLL_OUTPUT_FORMAT_H_
#define GLIMMERKIST_ROLL_OUTPUT_FORMAT_H_

#include <array>
#include <string>
#include <string_view>

#include "treasure/coin_rates.h"

namespace glimmerkist::roll {

enum class Format {
  kText,      // the interactive program's own lines
  kJson,      // one JSON document, keys in a fixed order
  kMarkdown,  // tables to paste into notes
};

/// The metals' names in tables: "Copper pieces" and so on.
extern const std::array<std::string_view, kMetalCount> kMetalNames;

/// `text` made to show as itself in one cell of a Markdown table, on GitHub
/// and in pandoc alike: every character that Markdown or HTML could take as
/// markup is escaped with a backslash, a line end becomes a blank, and any
/// other control character a "?".
std::string markdownCell(std::string_view text);

/// One sentence naming the coin values: "1 cp = 0.01 gp, ... 1 pp = 5 gp".
std::string ratesSentence(const CoinRates& rates);

}  // namespace glimmerkist::roll

#endif  // GLIMMERKIST_ROLL_OUTPUT_FORMAT_H_
