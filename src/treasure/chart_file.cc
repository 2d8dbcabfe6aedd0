#include "treasure/chart_file.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <unordered_map>

#include "base/quoted_input.h"
#include "catalog/item_category.h"
#include "treasure/chart_line.h"

namespace glimmerkist {
namespace {

constexpr int kShareCount = static_cast<int>(kChartShareWords.size());
constexpr int kGemShare = kMetalCount;
constexpr int kItemShare = kMetalCount + 1;

constexpr std::int32_t kMaxCoins = std::numeric_limits<std::int32_t>::max();

bool isNameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

// A name as findChart compares it: ASCII letters in lower case.
std::string foldedName(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

std::string tooLong() {
  return "a line is at most " + std::to_string(kMaxChartLineBytes) + " bytes long";
}

// A chart being read, with the lines its parts came from.
struct OpenChart {
  TreasureChart chart;
  int line = 0;
  int descriptionLine = 0;
  std::array<int, kShareCount> shareLines{};
  int itemsDrawn = 0;  // every group at its highest count
};

class ChartFileParser {
 public:
  // False once the file is refused; the problem is then in result().
  bool addLine(std::string_view line);
  // After the last line.
  void finish();
  ChartFileResult result() &&;
  void refuse(int line, int column, std::string message) {
    if (!problem_) problem_ = ChartFileProblem{line, column, std::move(message)};
  }
  int lineNumber() const { return lineNumber_; }

 private:
  bool fail(const ChartLine& s, std::size_t at, std::string message) {
    refuse(lineNumber_, s.columnOf(at), std::move(message));
    return false;
  }
  bool expectEnd(ChartLine& s) {
    s.skipBlanks();
    return s.atEnd() || fail(s, s.at(), "expected the end of the line");
  }
  bool startChart(ChartLine& s);
  bool closeChart();
  bool readShare(ChartLine& s, int share, std::size_t wordAt);
  template <typename Cell>
  struct AmountWords {
    typename Cell::Kind none;
    std::optional<typename Cell::Kind> never;  // for coins only
    std::int64_t most;
    const char* counted;
    const char* expected;
  };
  template <typename Cell>
  bool readAmount(ChartLine& s, Cell& cell, const AmountWords<Cell>& words);
  bool readItems(ChartLine& s, ItemCell& cell);
  bool readGroup(ChartLine& s, ItemDraw& draw);
  bool readChance(ChartLine& s, std::string_view word, std::size_t wordAt, char sign, int& chance);
  bool readRange(ChartLine& s, std::int64_t most, const char* counted, int& low, int& high);

  int lineNumber_ = 0;
  std::optional<OpenChart> open_;
  std::vector<TreasureChart> charts_;
  std::vector<int> chartLines_;
  std::unordered_map<std::string, int> chartsByName_;  // by foldedName
  std::optional<ChartFileProblem> problem_;
};

bool ChartFileParser::addLine(std::string_view line) {
  ++lineNumber_;
  if (problem_) return false;
  if (lineNumber_ == 1 && line.substr(0, 3) == "\xEF\xBB\xBF") line.remove_prefix(3);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  ChartLine s(line);
  if (line.size() > kMaxChartLineBytes) return fail(s, kMaxChartLineBytes, tooLong());
  for (std::size_t at = 0; at < line.size();) {
    const std::size_t length = chartCharacterLength(line, at);
    if (length == 0) {
      char byte[8];
      std::snprintf(byte, sizeof byte, "0x%02x", static_cast<unsigned char>(line[at]));
      return fail(
          s, at,
          std::string("expected UTF-8 text without control characters, found the byte ") + byte);
    }
    at += length;
  }
  s.skipBlanks();
  if (s.atEnd() || s.peek() == '#') return true;
  const std::size_t wordAt = s.at();
  const std::string_view word = s.word(false);
  if (word == "chart") return startChart(s);
  if (!open_) return fail(s, wordAt, "expected \"chart NAME\" to begin a chart");
  if (word == "description") {
    if (open_->descriptionLine != 0) {
      return fail(s, wordAt,
                  "a second description line; the first is on line " +
                      std::to_string(open_->descriptionLine));
    }
    s.skipBlanks();
    const std::size_t textAt = s.at();
    const std::string_view text = s.rest();
    if (text.empty() || characterCount(text) > kMaxChartDescriptionChars) {
      return fail(s, textAt,
                  "a description is one line of 1 to " + std::to_string(kMaxChartDescriptionChars) +
                      " characters");
    }
    open_->chart.description = std::string(text);
    open_->descriptionLine = lineNumber_;
    return true;
  }
  for (int share = 0; share < kShareCount; ++share) {
    if (word == kChartShareWords[share]) return readShare(s, share, wordAt);
  }
  return fail(s, wordAt,
              "expected chart, description, copper, silver, electrum, gold, platinum, gems or "
              "items, found " +
                  quotedInput(word));
}

bool ChartFileParser::startChart(ChartLine& s) {
  if (!closeChart()) return false;
  s.skipBlanks();
  const std::size_t nameAt = s.at();
  const std::string_view name = s.word(false);
  bool valid = !name.empty() && characterCount(name) <= kMaxChartNameChars;
  for (char c : name) valid = valid && isNameCharacter(c);
  if (!valid) {
    return fail(s, nameAt,
                "a chart's name is 1 to " + std::to_string(kMaxChartNameChars) +
                    " letters, digits, '-' and '_'");
  }
  const auto same = chartsByName_.find(foldedName(name));
  if (same != chartsByName_.end()) {
    const int first = same->second;
    return fail(s, nameAt,
                "a chart named " + quotedInput(charts_[first].name) + " is already on line " +
                    std::to_string(chartLines_[first]));
  }
  if (static_cast<int>(charts_.size()) == kMaxChartsInFile) {
    return fail(s, nameAt,
                "a chart file holds at most " + std::to_string(kMaxChartsInFile) + " charts");
  }
  if (!expectEnd(s)) return false;
  open_.emplace();
  open_->chart.name = std::string(name);
  open_->chart.coins.fill(CoinCell{CoinCell::kZero, 0, 0, 0});
  open_->chart.gems = GemCell{GemCell::kNone, 0, 0, 0};
  open_->chart.items = ItemCell{ItemCell::kNone, 0, {}};
  open_->line = lineNumber_;
  return true;
}

bool ChartFileParser::closeChart() {
  if (!open_) return true;
  const OpenChart& open = *open_;
  const std::string name = quotedInput(open.chart.name);
  if (open.descriptionLine == 0) {
    refuse(open.line, 1, "chart " + name + " has no description line");
    return false;
  }
  bool yields = open.chart.gems.kind != GemCell::kNone || open.chart.items.kind != ItemCell::kNone;
  for (const CoinCell& cell : open.chart.coins) {
    yields = yields || cell.kind == CoinCell::kChance || cell.kind == CoinCell::kRange;
  }
  if (!yields) {
    refuse(open.line, 1,
           "chart " + name + " yields nothing; give it a line of coins, gems or items that is " +
               "not none or never");
    return false;
  }
  chartsByName_.emplace(foldedName(open.chart.name), static_cast<int>(charts_.size()));
  chartLines_.push_back(open.line);
  charts_.push_back(std::move(open_->chart));
  open_.reset();
  return true;
}

bool ChartFileParser::readShare(ChartLine& s, int share, std::size_t wordAt) {
  int& first = open_->shareLines[share];
  if (first != 0) {
    return fail(s, wordAt,
                "a second " + std::string(kChartShareWords[share]) +
                    " line; the first is on line " + std::to_string(first));
  }
  first = lineNumber_;
  TreasureChart& chart = open_->chart;
  static const AmountWords<CoinCell> kCoinWords = {
      CoinCell::kZero, CoinCell::kNever, kMaxCoins, "coins",
      "expected a chance such as 25%, always, never or none"};
  static const AmountWords<GemCell> kGemWords = {GemCell::kNone, std::nullopt, kMaxGemsInCell,
                                                 "gems",
                                                 "expected a chance such as 60%, always or none"};
  const bool read = share == kGemShare    ? readAmount(s, chart.gems, kGemWords)
                    : share == kItemShare ? readItems(s, chart.items)
                                          : readAmount(s, chart.coins[share], kCoinWords);
  return read && expectEnd(s);
}

// A coin or gem line: a chance and a range, always and a range, none, and
// for coins never.
template <typename Cell>
bool ChartFileParser::readAmount(ChartLine& s, Cell& cell, const AmountWords<Cell>& words) {
  s.skipBlanks();
  const std::size_t wordAt = s.at();
  const std::string_view word = s.word(false);
  cell = Cell{words.none, 0, 0, 0};
  if (word == "none") return true;
  if (word == "never" && words.never) {
    cell.kind = *words.never;
    return true;
  }
  if (word == "always") {
    cell.kind = Cell::kRange;
  } else if (!word.empty() && word.back() == '%') {
    cell.kind = Cell::kChance;
    if (!readChance(s, word, wordAt, '%', cell.chance)) return false;
  } else {
    return fail(s, wordAt, words.expected);
  }
  return readRange(s, words.most, words.counted, cell.low, cell.high);
}

bool ChartFileParser::readItems(ChartLine& s, ItemCell& cell) {
  s.skipBlanks();
  const std::size_t wordAt = s.at();
  const std::string_view word = s.word(false);
  cell = ItemCell{ItemCell::kNone, 0, {}};
  if (word == "none") return true;
  if (word == "always") {
    cell.kind = ItemCell::kAlways;
  } else if (!word.empty() && word.back() == '+') {
    cell.kind = ItemCell::kAtLeast;
    if (!readChance(s, word, wordAt, '+', cell.threshold)) return false;
  } else {
    return fail(s, wordAt,
                "expected a roll such as 30+ (30 or more on a percentile roll), always or none");
  }
  do {
    ItemDraw draw{};
    const std::size_t groupAt = (s.skipBlanks(), s.at());
    if (!readGroup(s, draw)) return false;
    open_->itemsDrawn += draw.countDie > 0 ? draw.countDie : draw.count;
    if (open_->itemsDrawn > kMaxItemsInChart) {
      return fail(s, groupAt,
                  "a chart draws at most " + std::to_string(kMaxItemsInChart) + " magic items");
    }
    cell.draws.push_back(draw);
    s.skipBlanks();
  } while (s.take(','));
  return true;
}

bool ChartFileParser::readGroup(ChartLine& s, ItemDraw& draw) {
  const std::size_t countAt = s.at();
  const bool die = s.take('d');
  std::int64_t count = 0;
  if (!s.number(count) || count < 1 || count > kMaxItemsInGroup || s.peek() == ',' ||
      (!s.atEnd() && s.peek() != ' ' && s.peek() != '\t')) {
    return fail(s, countAt,
                "expected a count of items from 1 to " + std::to_string(kMaxItemsInGroup) +
                    ", or a die such as d8 for 1 to 8");
  }
  (die ? draw.countDie : draw.count) = static_cast<int>(count);
  s.skipBlanks();
  const std::size_t sourceAt = s.at();
  const std::string_view source = s.word(true);
  if (source == "any") {
    draw.source = ItemDraw::kAny;
  } else if (source == "any-but-weapons") {
    draw.source = ItemDraw::kAnyButWeapons;
  } else if ((draw.category = categoryFromTag(source)) != kNoCategory) {
    draw.source = ItemDraw::kCategory;
  } else {
    return fail(s, sourceAt, "expected any, any-but-weapons or a category tag such as tccWeapons");
  }
  return true;
}

bool ChartFileParser::readChance(ChartLine& s, std::string_view word, std::size_t wordAt, char sign,
                                 int& chance) {
  ChartLine digits(word.substr(0, word.size() - 1));
  std::int64_t value = 0;
  if (!digits.number(value) || !digits.atEnd() || value < 1 || value > 100) {
    return fail(s, wordAt,
                std::string(sign == '%' ? "a chance" : "a roll") +
                    " is a whole number from 1 to 100, followed by " + sign);
  }
  chance = static_cast<int>(value);
  return true;
}

bool ChartFileParser::readRange(ChartLine& s, std::int64_t most, const char* counted, int& low,
                                int& high) {
  const std::string expected = std::string("expected a range of ") + counted +
                               " such as 10-40, each end from 0 to " + std::to_string(most);
  s.skipBlanks();
  const std::size_t lowAt = s.at();
  std::int64_t first = 0;
  if (!s.number(first) || first > most) return fail(s, lowAt, expected);
  s.skipBlanks();
  if (!s.take('-')) return fail(s, s.at(), expected);
  s.skipBlanks();
  const std::size_t highAt = s.at();
  std::int64_t last = 0;
  if (!s.number(last) || last > most) return fail(s, highAt, expected);
  if (last < first) {
    return fail(
        s, highAt,
        "the high end " + std::to_string(last) + " is below the low end " + std::to_string(first));
  }
  if (last - first > kWidestRange) {
    const std::string reach = std::to_string(first + kWidestRange);
    return fail(s, highAt,
                "the generator cannot reach past " + reach + ", " + std::to_string(kWidestRange) +
                    " above the low end; write " + std::to_string(first) + "-" + reach +
                    " for the same draws");
  }
  low = static_cast<int>(first);
  high = static_cast<int>(last);
  return true;
}

void ChartFileParser::finish() {
  if (problem_) return;
  if (!closeChart()) return;
  if (charts_.empty()) refuse(1, 1, "expected \"chart NAME\"; the file holds no chart");
}

ChartFileResult ChartFileParser::result() && {
  ChartFileResult result;
  result.problem = std::move(problem_);
  if (!result.problem) result.charts = std::move(charts_);
  return result;
}

}  // namespace

ChartFileResult readChartFile(std::istream& in) {
  ChartFileParser parser;
  std::string pending;
  std::array<char, std::size_t{16} * 1024> buffer{};
  bool more = true;
  while (more) {
    in.read(buffer.data(), buffer.size());
    const std::size_t got = static_cast<std::size_t>(in.gcount());
    more = got == buffer.size();
    std::size_t start = 0;
    for (std::size_t at = 0; at < got; ++at) {
      if (buffer[at] != '\n') continue;
      pending.append(buffer.data() + start, at - start);
      if (!parser.addLine(pending)) return std::move(parser).result();
      pending.clear();
      start = at + 1;
    }
    pending.append(buffer.data() + start, got - start);
    // Room for the carriage return of a line end written \r\n.
    if (pending.size() > kMaxChartLineBytes + 1) {
      const int line = parser.lineNumber() + 1;
      pending.resize(kMaxChartLineBytes);
      parser.refuse(line, ChartLine(pending).columnOf(kMaxChartLineBytes), tooLong());
      return std::move(parser).result();
    }
  }
  if (in.bad()) {
    parser.refuse(0, 0, "the file could not be read");
    return std::move(parser).result();
  }
  if (!pending.empty() && !parser.addLine(pending)) return std::move(parser).result();
  parser.finish();
  return std::move(parser).result();
}

ChartFileResult parseChartFile(std::string_view text) {
  std::istringstream in{std::string(text)};
  return readChartFile(in);
}

ChartFileResult loadChartFile(const std::string& path) {
  std::error_code error;
  std::ifstream file;
  if (!std::filesystem::is_directory(path, error)) file.open(path, std::ios::binary);
  if (!file.is_open()) {
    ChartFileResult result;
    result.problem = ChartFileProblem{0, 0, "no chart file can be opened there"};
    return result;
  }
  return readChartFile(file);
}

std::string describeChartFileProblem(const ChartFileProblem& problem, std::string_view fileName) {
  std::string text(fileName);
  if (problem.line > 0) {
    text += ", line " + std::to_string(problem.line) + ", column " + std::to_string(problem.column);
  }
  return text + ": " + problem.message;
}

}  // namespace glimmerkist
