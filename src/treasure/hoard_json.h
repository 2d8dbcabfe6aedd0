// The JSON layouts of hoards, of a chart's figures and of a list of charts: what glimmerkist-roll
// writes with --format json, and what any other front end offers as the same
// download. Only this module needs the JSON library; the interactive program
// never links it.
//
// Every document starts with "format_version". Counts, seeds and gem values
// are integers. Amounts of money are numbers of gold pieces written as the
// shortest exact decimal: 5000, 0.5, 0.0001 (money is counted in units of
// 0.0001 gp, so each amount is exact). Names are the shown names; bytes that
// are not UTF-8 become replacement characters rather than failing the
// document.
#ifndef GLIMMERKIST_TREASURE_HOARD_JSON_H_
#define GLIMMERKIST_TREASURE_HOARD_JSON_H_

#include <cstdint>
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <vector>

#include "treasure/chart_stats.h"
#include "treasure/coin_rates.h"
#include "treasure/hoard.h"
#include "treasure/treasure_report.h"

namespace glimmerkist {

/// The version of the layouts; it goes up when a field changes its meaning
/// or goes away, not when one is added.
constexpr int kJsonFormatVersion = 1;

using Json = nlohmann::ordered_json;

/// A hoard together with the rates and split its sums depend on.
struct PricedHoard {
  const Hoard* hoard;
  const HoardOptions* options;
};

/// {"cp": 0.01, "sp": 0.1, "ep": 0.5, "gp": 1, "pp": 5}
void to_json(Json& json, const CoinRates& rates);
/// {"name": "Ruby", "value_gp": 7949}; a null name for a gem of no kind.
void to_json(Json& json, const Gem& gem);
/// {"name", "category", "tag"}, the name as shown; all three null for an
/// empty category's draw.
void to_json(Json& json, const Item& item);
/// {"chart", "seed", "coins", "gems", "magic_items", "total_gp"}, and
/// "split" when the options ask for one.
void to_json(Json& json, const PricedHoard& hoard);
/// {"chart", "coins": {"cp": {"seen", "mean"}, ...}, "mean_gems",
/// "mean_magic_items", "total_value_gp": {"mean", "p10", "p50", "p90"}}
void to_json(Json& json, const ChartStats& stats);

/// An amount of money in units as JSON: a whole number of gold pieces as an
/// integer, any other amount as the double whose shortest form is exact.
Json moneyJson(std::int64_t units);

/// {"format_version", "rates_gp", "hoards": [...]} with a line end.
std::string hoardsJson(const std::vector<Hoard>& hoards, const HoardOptions& options);

/// {"format_version", "runs", "seed", "rates_gp", "charts": [...]} with a
/// line end.
std::string chartStatsJson(const std::vector<ChartStats>& stats, const CoinRates& rates);

/// {"format_version", "charts": [{"name", "description"}, ...]} with a line
/// end: the charts a list or the page offers.
std::string chartListJson(const std::vector<TreasureChart>& charts);

/// `document` indented by two, with a line end. Every control character of
/// its strings is escaped: the C0 ones as JSON must, and the C1 ones
/// (U+0080 to U+009F) as \u0080 to \u009f, so that the document is safe on a
/// terminal and still holds the exact text.
std::string jsonText(const Json& document);

}  // namespace glimmerkist

#endif  // GLIMMERKIST_TREASURE_HOARD_JSON_H_
