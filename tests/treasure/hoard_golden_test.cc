// A few fixed hoards, drawn from the golden catalog, in every text the core
// writes for a hoard, each compared with its file under golden/. The files
// were written by the layouts' earlier home (glimmerkist-roll and the
// interactive program), so the table holds every front end to the same text.
#include <gtest/gtest.h>

#include <string>

#include "catalog/catalog_loader.h"
#include "support/temp_dir.h"
#include "treasure/hoard.h"
#include "treasure/hoard_json.h"
#include "treasure/treasure_report.h"

namespace glimmerkist {
namespace {

const std::string kGolden = GLIMMERKIST_GOLDEN_DIR;

struct GoldenHoard {
  const char* name;
  std::int32_t chart;
  std::uint32_t seed;
  std::int32_t split;
  const char* rates;
};

// Coins, gems and items; a split with dearer platinum; an item from an empty
// category; a count of potions; copper alone.
const GoldenHoard kHoards[] = {
    {"a-42", 0, 42, 0, ""}, {"h-7", 7, 7, 3, "pp=10"}, {"b-5", 1, 5, 0, ""},
    {"s-1", 18, 1, 1, ""},  {"j-0", 9, 0, 0, ""},
};

struct GoldenFormat {
  const char* suffix;
  std::string (*render)(const Hoard&, const HoardOptions&);
};

const GoldenFormat kFormats[] = {
    {"report.txt",
     [](const Hoard& h, const HoardOptions&) { return encounterReportText(h, storedGemNames()); }},
    {"result.txt",
     [](const Hoard& h, const HoardOptions&) { return encounterResultText(h, storedGemNames()); }},
    {"text.txt", [](const Hoard& h, const HoardOptions&) { return hoardText(h, 0, 1); }},
    {"md", [](const Hoard& h, const HoardOptions& o) { return hoardsMarkdown({h}, o); }},
    {"json", [](const Hoard& h, const HoardOptions& o) { return hoardsJson({h}, o); }},
};

TEST(HoardGoldenTest, EveryHoardInEveryFormat) {
  ItemCatalog catalog;
  ASSERT_EQ(readCatalogFile(kGolden + "/catalog.txt", catalog).problem.kind, ProblemKind::kNone);
  for (const GoldenHoard& golden : kHoards) {
    const Hoard hoard = drawHoard(catalog, golden.chart, golden.seed);
    HoardOptions options;
    options.splitAmong = golden.split;
    if (*golden.rates != '\0') {
      ASSERT_TRUE(parseRates(golden.rates, options.rates).ok());
    }
    for (const GoldenFormat& format : kFormats) {
      const std::string file = std::string(golden.name) + "." + format.suffix;
      EXPECT_EQ(format.render(hoard, options), readFile(kGolden + "/" + file)) << file;
    }
  }
}

}  // namespace
}  // namespace glimmerkist
