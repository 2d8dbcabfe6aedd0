#include "treasure/hoard_json.h"

#include <nlohmann/json.hpp>

#include "catalog/item_category.h"

namespace glimmerkist {
namespace {

Json coinsJson(const Coins& coins) {
  Json json = Json::object();
  for (int metal = 0; metal < kMetalCount; ++metal) {
    json[std::string(kMetalCodes[metal])] = coins[metal];
  }
  return json;
}

Json splitJson(const Hoard& hoard, const HoardOptions& options) {
  const PartySplit split = splitCoins(hoard.coins, options.splitAmong);
  Json json = Json::object();
  json["characters"] = split.characters;
  json["each"] = coinsJson(split.each);
  json["each_gp"] = moneyJson(coinValue(split.each, options.rates));
  json["remainder"] = coinsJson(split.remainder);
  json["remainder_gp"] = moneyJson(coinValue(split.remainder, options.rates));
  json["shared_gp"] = moneyJson(gemsWorth(hoard.gems) * kUnitsPerGp);
  return json;
}

}  // namespace

Json moneyJson(std::int64_t units) {
  if (units % kUnitsPerGp == 0) return Json(units / kUnitsPerGp);
  // nlohmann writes a double in its shortest round-trip form, which for an
  // amount of whole units is its exact decimal: 0.5, 1234.5678.
  return Json(goldPieces(units));
}

void to_json(Json& json, const CoinRates& rates) {
  json = Json::object();
  for (int metal = 0; metal < kMetalCount; ++metal) {
    json[std::string(kMetalCodes[metal])] = moneyJson(rates.units[metal]);
  }
}

void to_json(Json& json, const Gem& gem) {
  json = Json::object();
  json["name"] = isGemKind(gem.kind()) ? Json(storedGemNames()[gem.kind()]) : Json(nullptr);
  json["value_gp"] = gem.printedValue();
}

void to_json(Json& json, const Item& item) {
  json = Json::object();
  const std::int32_t category = item.getCategory();
  if (isCategoryCode(category)) {
    json["name"] = nameWithBlanks(item);
    json["category"] = category;
    json["tag"] = std::string(kCategoryTags[category]);
  } else {
    // Drawn from a category that holds no items.
    json["name"] = nullptr;
    json["category"] = nullptr;
    json["tag"] = nullptr;
  }
}

void to_json(Json& json, const PricedHoard& hoard) {
  const Hoard& drawn = *hoard.hoard;
  json = Json::object();
  json["chart"] = drawn.chartName;
  json["seed"] = drawn.seed;
  json["coins"] = coinsJson(drawn.coins);
  json["gems"] = Json::array();
  for (const Gem& gem : drawn.gems) json["gems"].push_back(gem);
  json["magic_items"] = Json::array();
  for (const Item& item : drawn.magicItems) json["magic_items"].push_back(item);
  json["total_gp"] = moneyJson(totalValue(drawn, hoard.options->rates));
  if (hoard.options->splitAmong > 0) json["split"] = splitJson(drawn, *hoard.options);
}

void to_json(Json& json, const ChartStats& stats) {
  json = Json::object();
  json["chart"] = stats.chart;
  json["coins"] = Json::object();
  for (int metal = 0; metal < kMetalCount; ++metal) {
    json["coins"][std::string(kMetalCodes[metal])] = {{"seen", stats.seenShare[metal]},
                                                      {"mean", stats.meanCount[metal]}};
  }
  json["mean_gems"] = stats.meanGems;
  json["mean_magic_items"] = stats.meanMagicItems;
  json["total_value_gp"] = {{"mean", stats.meanTotalGp},
                            {"p10", moneyJson(stats.p10)},
                            {"p50", moneyJson(stats.p50)},
                            {"p90", moneyJson(stats.p90)}};
}

std::string hoardsJson(const std::vector<Hoard>& hoards, const HoardOptions& options) {
  Json document = Json::object();
  document["format_version"] = kJsonFormatVersion;
  document["rates_gp"] = options.rates;
  document["hoards"] = Json::array();
  for (const Hoard& hoard : hoards) document["hoards"].push_back(PricedHoard{&hoard, &options});
  return jsonText(document);
}

std::string chartStatsJson(const std::vector<ChartStats>& stats, const CoinRates& rates) {
  Json document = Json::object();
  document["format_version"] = kJsonFormatVersion;
  document["runs"] = stats.empty() ? 0 : stats.front().runs;
  document["seed"] = stats.empty() ? 0 : stats.front().seed;
  document["rates_gp"] = rates;
  document["charts"] = stats;
  return jsonText(document);
}

std::string chartListJson(const std::vector<TreasureChart>& charts) {
  Json document = Json::object();
  document["format_version"] = kJsonFormatVersion;
  document["charts"] = Json::array();
  for (const TreasureChart& chart : charts) {
    document["charts"].push_back({{"name", chart.name}, {"description", chart.description}});
  }
  return jsonText(document);
}

std::string jsonText(const Json& document) {
  const std::string dumped = document.dump(2, ' ', false, Json::error_handler_t::replace);
  // Outside its strings a document is plain ASCII, so a C1 control is
  // always inside one.
  std::string text;
  text.reserve(dumped.size() + 1);
  for (std::size_t i = 0; i < dumped.size(); ++i) {
    const auto next = i + 1 < dumped.size() ? static_cast<unsigned char>(dumped[i + 1]) : 0;
    if (static_cast<unsigned char>(dumped[i]) == 0xC2 && next >= 0x80 && next <= 0x9F) {
      constexpr char kHex[] = "0123456789abcdef";
      text += "\\u00";
      text += kHex[next >> 4];
      text += kHex[next & 0xF];
      ++i;
    } else {
      text += dumped[i];
    }
  }
  return text + "\n";
}

}  // namespace glimmerkist
