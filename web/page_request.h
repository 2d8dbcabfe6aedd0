// What the page asks of the core, read from the text of its fields and its
// address. The page hands over text exactly as a person typed it or as the
// address holds it; every number is checked here, and a problem comes back
// as one short message in the program's voice, so the page only shows it.
#ifndef GLIMMERKIST_WEB_PAGE_REQUEST_H_
#define GLIMMERKIST_WEB_PAGE_REQUEST_H_

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glimmerkist::web {

inline constexpr char kSeedMessage[] =
    "Please enter a seed from 0 to 4294967295, or leave it empty for a fresh one.";
inline constexpr char kChartMessage[] = "Please choose a chart, one letter from A to Z.";
inline constexpr char kChartsMessage[] = "Please choose at least one chart from A to Z.";
inline constexpr char kItemAddressMessage[] =
    "This address names no item. Please verify that it reads like #item=17&seed=42.";
inline constexpr char kAddressMessage[] =
    "This address names no hoard. Please verify that it reads like #chart=H&seed=42&split=4.";

/// "Please enter a number of characters from 1 to ..., or leave it empty."
std::string splitMessage();
/// "Please enter a number of hoards from 1 to ...."
std::string runsMessage();

/// Pairs key=value joined by "&", as an address or a form writes them.
using Query = std::map<std::string, std::string, std::less<>>;

/// Takes apart `text`: values percent-decoded ("+" is a blank), each key at
/// most once, every key one of `keys` (comma-separated). False for anything
/// else, leaving `query` unchanged.
bool readQuery(std::string_view text, std::string_view keys, Query& query);

/// A hoard as the address or the fields name it, each part still as text:
/// "chart=H&seed=42&split=4", or "charts=lairs.txt&chart=wyrmling-nest&..."
/// for a chart of a chart file. The chart is checked by the charts
/// themselves.
struct HoardAddress {
  std::string chart;
  std::string seed;    // "" for a fresh seed
  std::string split;   // "" for no split
  std::string charts;  // the chart file's name; "" for the built-in charts
};

/// Takes apart `text` (an address without its "#"), a query of the keys
/// charts, chart, seed and split with chart required. False for anything
/// else.
bool readHoardAddress(std::string_view text, HoardAddress& address);

/// The hoards of each chart for the statistics: 1 to kMaxStatsRuns.
/// False for anything else.
bool readRuns(std::string_view text, std::int64_t& runs);

/// A category code, 0 to 17. False for anything else.
bool readCategory(std::string_view text, std::int64_t& category);

/// "" gives no seed (draw a fresh one); otherwise a seed from 0 to
/// 4294967295. False for anything else.
bool readSeed(std::string_view text, std::optional<std::uint32_t>& seed);

/// "" gives 0 (no split); otherwise 1 to kMaxSplitCharacters. False for
/// anything else.
bool readSplit(std::string_view text, std::int32_t& split);

/// The charts named by `letters` ("AZ", "hq"), in that order, as indexes
/// 0 to 25. False when a letter names no chart or none is named.
bool readChartLetters(std::string_view letters, std::vector<std::int32_t>& charts);

/// The address that draws this hoard again, "chart=H&seed=42", with
/// "&split=4" when the coins are split and "charts=FILE&" before it for a
/// chart of a chart file (`chartFile` not ""). Names are percent-encoded
/// but for letters, digits and "-._~".
std::string hoardAddress(std::string_view chartFile, std::string_view chart, std::uint32_t seed,
                         std::int32_t split);

}  // namespace glimmerkist::web

#endif  // GLIMMERKIST_WEB_PAGE_REQUEST_H_
