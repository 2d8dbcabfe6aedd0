// The texts of what the program draws, one function each, so that a hoard
// reads the same wherever it is shown: the screen report and the result file
// of the interactive program, the batch command's plain text and Markdown,
// and the line of a picked item. The JSON layout is in hoard_json.h, apart
// only because it needs the JSON library.
//
// Names are stored with underscores for spaces; every text here shows them
// with blanks and each control character as "?", and no stored name changes.
#ifndef GLIMMERKIST_TREASURE_TREASURE_REPORT_H_
#define GLIMMERKIST_TREASURE_TREASURE_REPORT_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/item.h"
#include "treasure/coin_rates.h"
#include "treasure/gem_names.h"
#include "treasure/hoard.h"

namespace glimmerkist {

/// What goes with a hoard's sums besides its contents.
struct HoardOptions {
  CoinRates rates;
  /// Characters to split the coins among; 0 for no split.
  std::int32_t splitAmong = 0;
};

/// The gem names filled once from the stored ones, for texts that have no
/// table of their own to hand.
const GemNames& storedGemNames();

/// The item's name as shown to people: a copy with every underscore a blank
/// and every control character a "?".
std::string shownName(const Item& item);

/// The item's name as data formats such as JSON give it: a copy with every
/// underscore a blank, every other byte kept.
std::string nameWithBlanks(const Item& item);

/// "A(n) " and the item's shown name: the line of a picked item without its
/// margin and line ends. An empty category's noItem gives "A(n) ".
std::string pickedItemLine(const Item& item);

/// The screen report of the hoard, from "\n TREASURE FOUND:" to the empty
/// line after the magic items; the closing "\n\n " is the caller's, so that
/// a note may go before it. Every gem on a line of its own.
std::string encounterReportText(const Hoard& hoard, const GemNames& gemNames);

/// The whole text of the result file: gems one on the first line and then up
/// to four a line, ending in "\n\n ".
std::string encounterResultText(const Hoard& hoard, const GemNames& gemNames);

/// Hoard `index` (from 0) of `count` as plain text: a heading such as
/// " Hoard 1 of 3: chart A, seed 42" and then the screen report.
std::string hoardText(const Hoard& hoard, int index, int count);

/// The hoards as Markdown: a heading and a table for each, a second table for
/// the split when asked, and the coin values at the end.
std::string hoardsMarkdown(const std::vector<Hoard>& hoards, const HoardOptions& options);

/// `text` made to show as itself in one cell of a Markdown table, on GitHub
/// and in pandoc alike: every character that Markdown or HTML could take as
/// markup is escaped with a backslash, and a line end becomes a blank.
std::string markdownCell(std::string_view text);

}  // namespace glimmerkist

#endif  // GLIMMERKIST_TREASURE_TREASURE_REPORT_H_
