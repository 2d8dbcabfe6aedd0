#include "web/page_texts.h"

#include <array>
#include <cmath>
#include <string_view>
#include <utility>

#include "base/quoted_input.h"
#include "treasure/coin_rates.h"
#include "treasure/treasure_report.h"

namespace glimmerkist::web {
namespace {

// A metal that turns up in at least this share of the hoards is one the
// chart yields; below it but above the second, one it yields now and then.
constexpr double kUsualShare = 0.5;
constexpr double kRareShare = 0.02;

// "copper" for "Copper pieces".
std::string metalWord(int metal) {
  std::string word(kMetalNames[metal].substr(0, kMetalNames[metal].find(' ')));
  word[0] = static_cast<char>(word[0] - 'A' + 'a');
  return word;
}

// "copper", "copper and silver", "copper, silver and gold".
std::string joined(const std::vector<std::string>& words) {
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

std::vector<std::string> groupedGemLines(const GemList& gems) {
  struct Group {
    std::int32_t kind;
    std::int64_t valueGp;
    std::int64_t count;
  };
  std::vector<Group> groups;
  for (const Gem& gem : gems) {
    if (!isGemKind(gem.kind())) continue;
    const std::int64_t valueGp = gem.printedValue();
    bool found = false;
    for (Group& group : groups) {
      if (group.kind == gem.kind() && group.valueGp == valueGp) {
        ++group.count;
        found = true;
        break;
      }
    }
    if (!found) groups.push_back({gem.kind(), valueGp, 1});
  }
  std::vector<std::string> lines;
  for (const Group& group : groups) {
    std::string line = group.count == 1 ? "" : withThousands(group.count) + " × ";
    line += storedGemNames()[group.kind];
    line += ", " + withThousands(group.valueGp) + " gp";
    if (group.count > 1) line += " each";
    lines.push_back(std::move(line));
  }
  return lines;
}

std::string chartGuideLine(const ChartStats& stats) {
  std::vector<std::string> usual;
  std::vector<std::string> rare;
  for (int metal = 0; metal < kMetalCount; ++metal) {
    if (stats.seenShare[metal] >= kUsualShare) {
      usual.push_back(metalWord(metal));
    } else if (stats.seenShare[metal] >= kRareShare) {
      rare.push_back(metalWord(metal));
    }
  }
  std::string coins;
  if (!usual.empty()) coins = joined(usual);
  if (!rare.empty()) coins += (coins.empty() ? "sometimes " : ", sometimes ") + joined(rare);
  if (coins.empty()) coins = "no coins";
  coins[0] = static_cast<char>(coins[0] - 'a' + 'A');
  // Whole gold pieces say nothing of a purse of a few coppers.
  std::string worth = "no worth in coins or gems";
  if (stats.p90 >= kUnitsPerGp / 2) {
    worth = "typically " + wholeGold(stats.p50) + " gp (most " + wholeGold(stats.p10) + " to " +
            wholeGold(stats.p90) + ")";
  } else if (stats.p90 > 0) {
    worth = "worth under 1 gp";
  }
  return coins + "; " + howMany(stats.meanGems, "gem", "gems") + "; " +
         howMany(stats.meanMagicItems, "magic item", "magic items") + "; " + worth;
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
