#include "roll/output_format.h"

namespace glimmerkist::roll {

const std::array<std::string_view, kMetalCount> kMetalNames = {
    "Copper pieces", "Silver pieces", "Electrum pieces", "Gold pieces", "Platinum pieces"};

void writeJsonDocument(std::ostream& out, const Json& document) {
  out << document.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
}

std::string markdownCell(std::string_view text) {
  std::string cell;
  for (char c : text) {
    // A backslash makes each of these plain text; a line end would end the row.
    if (std::string_view("\\|*_`[]<>#").find(c) != std::string_view::npos) cell += '\\';
    cell += (c == '\n' || c == '\r') ? ' ' : c;
  }
  return cell;
}

Json coinsJson(const Coins& coins) {
  Json json = Json::object();
  for (int metal = 0; metal < kMetalCount; ++metal) {
    json[std::string(kMetalCodes[metal])] = coins[metal];
  }
  return json;
}

Json ratesJson(const CoinRates& rates) {
  Json json = Json::object();
  for (int metal = 0; metal < kMetalCount; ++metal) {
    json[std::string(kMetalCodes[metal])] = goldPieces(rates.units[metal]);
  }
  return json;
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
