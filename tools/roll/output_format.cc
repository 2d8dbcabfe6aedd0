#include "roll/output_format.h"

#include <algorithm>

#include "catalog/item.h"

namespace glimmerkist::roll {
namespace {

// ASCII punctuation that Markdown or inline HTML may read as markup; a
// backslash before any ASCII punctuation shows it as itself. "|" would end
// the cell, "&" start an entity, "<" a tag.
constexpr std::string_view kMarkup = "\\|*_~`[]<>&#!";

}  // namespace

const std::array<std::string_view, kMetalCount> kMetalNames = {
    "Copper pieces", "Silver pieces", "Electrum pieces", "Gold pieces", "Platinum pieces"};

std::string markdownCell(std::string_view text) {
  std::string cell;
  cell.reserve(text.size());
  std::string line(text);
  // A line end would end the row.
  std::replace_if(
      line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  for (char c : maskControlCharacters(line)) {
    if (kMarkup.find(c) != std::string_view::npos) cell += '\\';
    cell += c;
  }
  return cell;
}

std::string ratesSentence(const CoinRates& rates) {
  std::string sentence;
  for (int metal = 0; metal < kMetalCount; ++metal) {
    if (metal > 0) sentence += ", ";
    sentence +=
        "1 " + std::string(kMetalCodes[metal]) + " = " + formatGold(rates.units[metal]) + " gp";
  }
  return sentence;
}

}  // namespace glimmerkist::roll
