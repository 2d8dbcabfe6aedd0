#include "web/core_exports.h"

#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/limits.h"
#include "catalog/item_category.h"
#include "treasure/chart_stats.h"
#include "treasure/coin_rates.h"
#include "treasure/hoard_json.h"
#include "treasure/treasure_chart.h"
#include "treasure/treasure_report.h"
#include "web/page_request.h"
#include "web/page_session.h"
#include "web/page_texts.h"

#ifdef __wasm__
// The page hears how far a count has come.
extern "C" __attribute__((import_module("env"), import_name("gk_progress"))) void gk_progress(
    double drawn);
#else
extern "C" void gk_progress(double /*drawn*/) {}
#endif

namespace glimmerkist::web {
namespace {

using glimmerkist::Json;

struct Reply {
  std::vector<std::string> parts;
};

// One session and one reply for the life of the page.
PageSession& session() {
  static PageSession instance;
  return instance;
}

Reply& reply() {
  static Reply instance;
  return instance;
}

struct InputBuffer {
  char* data = nullptr;
  std::size_t size = 0;
};

InputBuffer& input() {
  static InputBuffer buffer;
  return buffer;
}

std::string_view inputText(std::size_t size) {
  return size <= input().size ? std::string_view(input().data, size) : std::string_view();
}

// Names come from the catalog as bytes; any that are not UTF-8 show as
// replacement characters rather than failing the reply.
void setReply(const Json& meta, std::vector<std::string> more = {}) {
  reply().parts.clear();
  reply().parts.push_back(meta.dump(-1, ' ', false, Json::error_handler_t::replace));
  for (std::string& part : more) reply().parts.push_back(std::move(part));
}

Json problemJson(const std::string& problem) { return Json{{"problem", problem}}; }

// The chart file in use and its charts, with `message`.
void setChartsReply(const std::string& message) {
  Json charts = Json::array();
  for (const TreasureChart& chart : session().charts()) {
    charts.push_back({{"name", chart.name}, {"description", chart.description}});
  }
  setReply(Json{{"message", message}, {"file", session().chartFileName()}, {"charts", charts}});
}

// The input laid out as a file's name, `nameSize` bytes, then its bytes.
struct NamedFile {
  std::string_view name;
  std::string_view bytes;
};

NamedFile namedFile(std::size_t size, std::size_t nameSize) {
  const std::string_view text = inputText(size);
  if (nameSize > text.size()) return {};
  return {text.substr(0, nameSize), text.substr(nameSize)};
}

}  // namespace
}  // namespace glimmerkist::web

using glimmerkist::web::input;
using glimmerkist::web::inputText;
using glimmerkist::web::Json;
using glimmerkist::web::namedFile;
using glimmerkist::web::problemJson;
using glimmerkist::web::reply;
using glimmerkist::web::session;
using glimmerkist::web::setChartsReply;
using glimmerkist::web::setReply;

extern "C" {

char* gk_input(std::size_t size) {
  std::free(input().data);
  input().data = static_cast<char*>(std::malloc(size == 0 ? 1 : size));
  input().size = input().data == nullptr ? 0 : size;
  return input().data;
}

int gk_reply_count() { return static_cast<int>(reply().parts.size()); }

const char* gk_reply_data(int part) {
  return reply().parts.at(static_cast<std::size_t>(part)).data();
}

std::size_t gk_reply_size(int part) {
  return reply().parts.at(static_cast<std::size_t>(part)).size();
}

void gk_categories() {
  Json labels = Json::array();
  Json tags = Json::array();
  for (int code = 0; code < glimmerkist::kCategoryCount; ++code) {
    labels.push_back(glimmerkist::kCategoryLabels[code]);
    tags.push_back(glimmerkist::kCategoryTags[code]);
  }
  Json metals = Json::array();
  for (int metal = 0; metal < glimmerkist::kMetalCount; ++metal) {
    metals.push_back(
        {{"code", glimmerkist::kMetalCodes[metal]}, {"name", glimmerkist::kMetalNames[metal]}});
  }
  setReply(Json{{"labels", labels},
                {"tags", tags},
                {"metals", metals},
                {"stats_headings", glimmerkist::chartStatsHeadings()}});
}

void gk_load_catalog(std::size_t size) {
  const glimmerkist::web::CatalogOutcome outcome = session().loadCatalog(inputText(size));
  Json counts = Json::array();
  for (std::int32_t count : outcome.counts) counts.push_back(count);
  setReply(Json{{"filed", outcome.result.filed},
                {"message", outcome.message},
                {"hint", outcome.hint},
                {"counts", counts}});
}

void gk_load_charts(std::size_t size, std::size_t nameSize) {
  const glimmerkist::web::NamedFile file = namedFile(size, nameSize);
  setChartsReply(session().loadCharts(file.bytes, file.name));
}

void gk_forget_charts() {
  session().forgetCharts();
  setChartsReply("");
}

int gk_is_chart_file(std::size_t size, std::size_t nameSize) {
  const glimmerkist::web::NamedFile file = namedFile(size, nameSize);
  return glimmerkist::web::isChartFile(file.name, file.bytes) ? 1 : 0;
}

void gk_draw_hoard(std::size_t size, std::uint32_t freshSeed) {
  glimmerkist::web::HoardAddress address;
  if (!glimmerkist::web::readHoardAddress(inputText(size), address)) {
    setReply(problemJson(glimmerkist::web::kAddressMessage));
    return;
  }
  glimmerkist::web::HoardOutcome outcome = session().drawHoard(address, freshSeed);
  if (!outcome.problem.empty()) {
    Json meta = problemJson(outcome.problem);
    if (!outcome.missingCharts.empty()) meta["missing_charts"] = outcome.missingCharts;
    setReply(meta);
    return;
  }
  glimmerkist::HoardOptions options;
  setReply(Json{{"address", outcome.address},
                {"charts", outcome.chartFile},
                {"seed", outcome.hoard.seed},
                {"split", outcome.split},
                {"rates", glimmerkist::ratesSentence(options.rates)},
                {"gem_lines", outcome.gemLines}},
           {std::move(outcome.json), std::move(outcome.markdown), std::move(outcome.resultFile),
            std::move(outcome.shownJson)});
}

void gk_pick_item(std::size_t size, std::uint32_t freshSeed) {
  glimmerkist::web::Query query;
  std::int64_t category = -1;
  std::optional<std::uint32_t> seed;
  if (!glimmerkist::web::readQuery(inputText(size), "item,seed", query) ||
      query.count("item") == 0 ||
      (query["item"] != "any" && !glimmerkist::web::readCategory(query["item"], category))) {
    setReply(problemJson(glimmerkist::web::kItemAddressMessage));
  } else if (!glimmerkist::web::readSeed(query["seed"], seed)) {
    setReply(problemJson(glimmerkist::web::kSeedMessage));
  } else {
    const std::uint32_t used = seed.value_or(freshSeed);
    setReply(Json{{"item", session().pickItem(static_cast<std::int32_t>(category), used)},
                  {"seed", used},
                  {"address", "item=" + (category < 0 ? "any" : std::to_string(category)) +
                                  "&seed=" + std::to_string(used)}});
  }
}

void gk_plan_stats(std::size_t size, std::uint32_t freshSeed) {
  glimmerkist::web::Query query;
  std::vector<std::int32_t> charts;
  std::int64_t runs = 0;
  std::optional<std::uint32_t> seed;
  std::string problem = glimmerkist::web::kChartsMessage;
  if (!glimmerkist::web::readQuery(inputText(size), "charts,runs,seed,file", query) ||
      (query.count("file") == 0
           ? !glimmerkist::web::readChartLetters(query["charts"], charts)
           : !(problem = session().readChartNames(query["charts"], charts)).empty())) {
    setReply(problemJson(problem));
  } else if (!glimmerkist::web::readRuns(query["runs"], runs)) {
    setReply(problemJson(glimmerkist::web::runsMessage()));
  } else if (!glimmerkist::web::readSeed(query["seed"], seed)) {
    setReply(problemJson(glimmerkist::web::kSeedMessage));
  } else {
    setReply(Json{{"charts", charts}, {"runs", runs}, {"seed", seed.value_or(freshSeed)}});
  }
}

void gk_chart_stats(int chart, double runs, std::uint32_t seed, int ofFile) {
  const std::vector<glimmerkist::TreasureChart>& own = session().charts();
  const int charts = ofFile == 0 ? glimmerkist::kChartCount : static_cast<int>(own.size());
  if (chart < 0 || chart >= charts || !(runs >= 1) ||
      runs > static_cast<double>(glimmerkist::kMaxStatsRuns)) {
    setReply(problemJson(glimmerkist::web::runsMessage()));
    return;
  }
  const auto at = static_cast<std::size_t>(chart);
  const glimmerkist::ChartStats stats = glimmerkist::web::PageSession::chartStats(
      ofFile == 0 ? glimmerkist::kTreasureCharts[at] : own[at], static_cast<std::int64_t>(runs),
      seed, [](std::int64_t drawn) { gk_progress(static_cast<double>(drawn)); });
  setReply(Json{{"figures", stats},
                {"cells", glimmerkist::chartStatsCells(stats)},
                {"guide", glimmerkist::web::chartGuideLine(stats)}});
}

}  // extern "C"
