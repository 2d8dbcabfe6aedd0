#include "web/page_request.h"

#include <limits>
#include <utility>

#include "base/limits.h"
#include "base/whole_number.h"
#include "catalog/item_category.h"
#include "treasure/treasure_chart.h"

namespace glimmerkist::web {
namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// "%41" and "+" as an address writes them; false for a broken escape.
bool percentDecode(std::string_view text, std::string& decoded) {
  decoded.clear();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '+') {
      decoded += ' ';
    } else if (text[i] != '%') {
      decoded += text[i];
    } else {
      if (i + 2 >= text.size()) return false;
      const int high = hexDigit(text[i + 1]);
      const int low = hexDigit(text[i + 2]);
      if (high < 0 || low < 0) return false;
      decoded += static_cast<char>(high * 16 + low);
      i += 2;
    }
  }
  return true;
}

// True when `key` is one of the comma-separated `keys`.
bool isOneOf(std::string_view key, std::string_view keys) {
  while (true) {
    const std::size_t comma = keys.find(',');
    if (keys.substr(0, comma) == key) return true;
    if (comma == std::string_view::npos) return false;
    keys.remove_prefix(comma + 1);
  }
}

// `text` as an address holds it: letters, digits and "-._~" as they are,
// every other byte as %XX.
std::string percentEncode(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (plain || c == '-' || c == '.' || c == '_' || c == '~') {
      encoded += c;
    } else {
      encoded += '%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 15];
    }
  }
  return encoded;
}

}  // namespace

bool readQuery(std::string_view text, std::string_view keys, Query& query) {
  Query read;
  // Every "&" stands between two pairs; an empty text holds none.
  bool more = !text.empty();
  while (more) {
    const std::size_t amp = text.find('&');
    const std::string_view pair = text.substr(0, amp);
    more = amp != std::string_view::npos;
    text = more ? text.substr(amp + 1) : std::string_view();
    const std::size_t equals = pair.find('=');
    if (equals == std::string_view::npos) return false;
    const std::string_view key = pair.substr(0, equals);
    if (!isOneOf(key, keys) || read.count(key) > 0) return false;
    std::string value;
    if (!percentDecode(pair.substr(equals + 1), value)) return false;
    read.emplace(key, std::move(value));
  }
  query = std::move(read);
  return true;
}

bool readHoardAddress(std::string_view text, HoardAddress& address) {
  Query query;
  if (!readQuery(text, "charts,chart,seed,split", query) || query.count("chart") == 0) return false;
  address.chart = query["chart"];
  address.seed = query["seed"];
  address.split = query["split"];
  address.charts = query["charts"];
  return true;
}

bool readChartLetters(std::string_view letters, std::vector<std::int32_t>& charts) {
  std::vector<std::int32_t> read;
  for (char letter : letters) {
    const std::int32_t chart = chartIndexFromLetter(std::string(1, letter));
    if (chart < 0) return false;
    read.push_back(chart);
  }
  if (read.empty()) return false;
  charts = std::move(read);
  return true;
}

std::string splitMessage() {
  return "Please enter a number of characters from 1 to " + std::to_string(kMaxSplitCharacters) +
         ", or leave it empty.";
}

std::string runsMessage() {
  return "Please enter a number of hoards from 1 to " + std::to_string(kMaxStatsRuns) + ".";
}

bool readRuns(std::string_view text, std::int64_t& runs) {
  std::uint64_t value = 0;
  if (!readWholeNumber(text, 1, kMaxStatsRuns, value).ok()) return false;
  runs = static_cast<std::int64_t>(value);
  return true;
}

bool readCategory(std::string_view text, std::int64_t& category) {
  std::uint64_t value = 0;
  if (!readWholeNumber(text, 0, kCategoryCount - 1, value).ok()) return false;
  category = static_cast<std::int64_t>(value);
  return true;
}

bool readSeed(std::string_view text, std::optional<std::uint32_t>& seed) {
  if (text.empty()) {
    seed.reset();
    return true;
  }
  std::uint64_t value = 0;
  if (!readWholeNumber(text, 0, std::numeric_limits<std::uint32_t>::max(), value).ok()) {
    return false;
  }
  seed = static_cast<std::uint32_t>(value);
  return true;
}

bool readSplit(std::string_view text, std::int32_t& split) {
  if (text.empty()) {
    split = 0;
    return true;
  }
  std::uint64_t value = 0;
  if (!readWholeNumber(text, 1, kMaxSplitCharacters, value).ok()) return false;
  split = static_cast<std::int32_t>(value);
  return true;
}

std::string hoardAddress(std::string_view chartFile, std::string_view chart, std::uint32_t seed,
                         std::int32_t split) {
  std::string address;
  if (!chartFile.empty()) address = "charts=" + percentEncode(chartFile) + "&";
  address += "chart=" + percentEncode(chart) + "&seed=" + std::to_string(seed);
  if (split > 0) address += "&split=" + std::to_string(split);
  return address;
}

}  // namespace glimmerkist::web
