#include "web/page_texts.h"

#include <array>
#include <cmath>
#include <string_view>

#include "base/quoted_input.h"
#include "treasure/coin_rates.h"

namespace glimmerkist::web {
namespace {

constexpr std::array<std::string_view, kMetalCount> kMetalWords = {"copper", "silver", "electrum",
                                                                   "gold", "platinum"};

// A metal that turns up in at least this share of the hoards is one the
// chart yields; below it but above the second, one it yields now and then.
constexpr double kUsualShare = 0.5;
constexpr double kRareShare = 0.02;

// "copper", "copper and silver", "copper, silver and gold".
std::string joined(const std::vector<std::string_view>& words) {
  std::string text;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i > 0) text += i + 1 == words.size() ? " and " : ", ";
    text += words[i];
  }
  return text;
}

// "no gems", "sometimes a gem", "about 1 gem", "about 3 gems".
std::string howMany(double mean, std::string_view one, std::string_view many) {
  if (mean <= 0.0) return "no " + std::string(many);
  const std::int64_t rounded = std::llround(mean);
  if (rounded == 0) return "sometimes a " + std::string(one);
  return "about " + withThousands(rounded) + " " + std::string(rounded == 1 ? one : many);
}

std::string wholeGold(std::int64_t units) {
  return withThousands((units + kUnitsPerGp / 2) / kUnitsPerGp);
}

}  // namespace

std::string withThousands(std::int64_t value) {
  const std::uint64_t magnitude =
      value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  const std::string digits = std::to_string(magnitude);
  std::string text = value < 0 ? "-" : "";
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  return text;
}

std::vector<std::string> groupedGemLines(const std::vector<GemLine>& gems) {
  struct Group {
    const GemLine* gem;
    std::int64_t count;
  };
  std::vector<Group> groups;
  for (const GemLine& gem : gems) {
    if (gem.name.empty()) continue;
    bool found = false;
    for (Group& group : groups) {
      if (group.gem->name == gem.name && group.gem->valueGp == gem.valueGp) {
        ++group.count;
        found = true;
        break;
      }
    }
    if (!found) groups.push_back({&gem, 1});
  }
  std::vector<std::string> lines;
  for (const Group& group : groups) {
    const std::string value = withThousands(group.gem->valueGp) + " gp";
    lines.push_back(group.count == 1 ? group.gem->name + ", " + value
                                     : withThousands(group.count) + " × " + group.gem->name + ", " +
                                           value + " each");
  }
  return lines;
}

std::string chartGuideLine(const ChartStats& stats) {
  std::vector<std::string_view> usual;
  std::vector<std::string_view> rare;
  for (int metal = 0; metal < kMetalCount; ++metal) {
    if (stats.seenShare[metal] >= kUsualShare) {
      usual.push_back(kMetalWords[metal]);
    } else if (stats.seenShare[metal] >= kRareShare) {
      rare.push_back(kMetalWords[metal]);
    }
  }
  std::string coins;
  if (!usual.empty()) coins = joined(usual);
  if (!rare.empty()) coins += (coins.empty() ? "sometimes " : ", sometimes ") + joined(rare);
  if (coins.empty()) coins = "no coins";
  coins[0] = static_cast<char>(coins[0] - 'a' + 'A');
  const std::string worth = stats.p90 == 0
                                ? "no worth in coins or gems"
                                : "typically " + wholeGold(stats.p50) + " gp (most " +
                                      wholeGold(stats.p10) + " to " + wholeGold(stats.p90) + ")";
  return coins + "; " + howMany(stats.meanGems, "gem", "gems") + "; " +
         howMany(stats.meanMagicItems, "magic item", "magic items") + "; " + worth;
}

std::string catalogProblem(const LoadResult& result) {
  const std::string record = "Record " + withThousands(result.badRecord);
  switch (result.status) {
    case LoadStatus::kLoaded:
      if (result.filed > 0) return "";
      return "It holds no item. A catalog lists each item as its name and then its category "
             "tag, such as Ring_of_Proof tccRings.";
    case LoadStatus::kTagMismatch:
      return "The file is corrupt. A data type did not match: " + record + ", " +
             quotedInput(result.badName) + " " + quotedInput(result.badTag) +
             ", has a tag that is none of the 18 category tags.";
    case LoadStatus::kMissingTag:
      return "The file is corrupt: it ends after the name of " + record + ", " +
             quotedInput(result.badName) + ", before its category tag.";
    case LoadStatus::kNoteNotClosed:
      return "The file is corrupt: the note opened by <note> is never closed by </note>.";
    case LoadStatus::kTokenTooLong:
      return "The file is corrupt. A token is too long: " +
             (result.badRecord > 0 ? record + " holds " : std::string("the note holds ")) +
             quotedInput(result.tooLongStart) + ", a word longer than 64 MiB.";
    case LoadStatus::kOpenFailed:
      break;
  }
  return "The file could not be read.";
}

std::string catalogHint(std::string_view bytes) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  constexpr std::string_view kBlanks = " \t\n\v\f\r";
  if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    bytes.remove_prefix(kByteOrderMark.size());
  }
  const std::size_t start = bytes.find_first_not_of(kBlanks);
  if (start == std::string_view::npos) return "";
  const std::string_view first = bytes.substr(start, bytes.find_first_of(kBlanks, start) - start);
  if (first == "<note>") return "";
  return "This catalog has no <note> block, so its first word, " + quotedInput(first) +
         ", was taken for a heading and skipped.";
}

}  // namespace glimmerkist::web
