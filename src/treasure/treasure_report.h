// The texts the program shows and saves for what it draws: the screen report
// and the result file of a hoard, and the line of a picked item. Every front
// end lays these out as they are, so a hoard reads the same wherever it is
// shown.
//
// Names are stored with underscores for spaces; every text here shows them
// with blanks and each control character as "?", and no stored name changes.
#ifndef GLIMMERKIST_TREASURE_TREASURE_REPORT_H_
#define GLIMMERKIST_TREASURE_TREASURE_REPORT_H_

#include <string>

#include "catalog/item.h"
#include "treasure/gem_names.h"
#include "treasure/treasure_generator.h"

namespace glimmerkist {

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
std::string encounterReportText(const TreasureGenerator& generator, const GemNames& gemNames);

/// The whole text of the result file: gems one on the first line and then up
/// to four a line, ending in "\n\n ".
std::string encounterResultText(const TreasureGenerator& generator, const GemNames& gemNames);

}  // namespace glimmerkist

#endif  // GLIMMERKIST_TREASURE_TREASURE_REPORT_H_
