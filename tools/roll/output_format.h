// The three ways the batch command writes its results, and the small pieces
// the writers share.
#ifndef GLIMMERKIST_ROLL_OUTPUT_FORMAT_H_
#define GLIMMERKIST_ROLL_OUTPUT_FORMAT_H_

#include <array>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <string_view>

#include "treasure/coin_rates.h"

namespace glimmerkist::roll {

enum class Format {
  kText,      // the interactive program's own lines
  kJson,      // one JSON document, keys in a fixed order
  kMarkdown,  // tables to paste into notes
};

/// JSON objects keep their keys in the order written.
using Json = nlohmann::ordered_json;

/// Writes `document` indented by two, with a line end. Names come from the
/// catalog as bytes; any that are not UTF-8 show as replacement characters
/// rather than failing the whole document.
void writeJsonDocument(std::ostream& out, const Json& document);

/// The metals' names in tables: "Copper pieces" and so on.
extern const std::array<std::string_view, kMetalCount> kMetalNames;

/// `text` made safe for one cell of a Markdown table.
std::string markdownCell(std::string_view text);

/// The coin counts as a JSON object keyed cp, sp, ep, gp, pp.
Json coinsJson(const Coins& coins);

/// The rates as a JSON object of gold pieces per coin.
Json ratesJson(const CoinRates& rates);

/// One sentence naming the coin values: "1 cp = 0.01 gp, ... 1 pp = 5 gp".
std::string ratesSentence(const CoinRates& rates);

}  // namespace glimmerkist::roll

#endif  // GLIMMERKIST_ROLL_OUTPUT_FORMAT_H_
