#include "roll/output_format.h"

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
  for (char c : text) {
    if (kMarkup.find(c) != std::string_view::npos) cell += '\\';
    // A line end would end the row.
    cell += (c == '\n' || c == '\r') ? ' ' : c;
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
