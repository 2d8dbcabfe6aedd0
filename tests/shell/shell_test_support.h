// What the shell's tests build their expected transcripts from: the screens
// as a person sees them, written out literal by literal; a small sample
// catalog with each name as stored and as shown; and a walk along the
// reference sequence of draws.
#ifndef GLIMMERKIST_TESTS_SHELL_SHELL_TEST_SUPPORT_H_
#define GLIMMERKIST_TESTS_SHELL_SHELL_TEST_SUPPORT_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/item.h"
#include "catalog/item_catalog.h"
#include "support/reference_random.h"
#include "treasure/gem_names.h"

namespace glimmerkist {

inline const std::string kWelcomeText =
    "\n Welcome to the Glimmerkist Generator\n\n"
    " This program has three modes of generating treasure...\n\n"
    " A) Picking a random from a Specific List\n"
    " B) Picking randomly from all of the available Items\n"
    " C) Generating a random treasure for an Encounter\n\n"
    " The first two options just print the results to the\n"
    " screen, while the third shows it on the screen and\n"
    " outputs the results to a temporary file in the same\n"
    " directory that the programming is running from. The\n"
    " file name is EncounterTreasureResult.txt.\n\n"
    " The last option requires that you know the Treasure Type"
    " of the Encounter (usually A to Z)\n\n ";

inline const std::string kMainMenuText =
    "\n Enter the numeric value for the command you want:\n\n"
    " 0) Quit\n"
    " 1) Pick a random from Specific List\n"
    " 2) Pick totally random Item\n"
    " 3) Generate Encounter Treasure\n\n ";

/// One pass of the main menu up to the read.
inline const std::string kMainMenu = "[clear]" + kMainMenuText;

inline const std::string kBadEntryReport = "\n Please enter a numeric value\n\n [pause]";

/// The category menu up to the read, the clear included.
inline const std::string kCategoryMenu =
    "[clear]"
    "\n Enter the number for the Category to get Item from\n"
    "\n  0) ...Potions and Oils"
    "\n  1) ...Scrolls"
    "\n  2) ...Rings"
    "\n  3) ...Rods"
    "\n  4) ...Staves"
    "\n  5) ...Wands"
    "\n  6) ...Books and Tomes"
    "\n  7) ...Gems and Jewelry"
    "\n  8) ...Cloak and Robes"
    "\n  9) ...Boots and Gloves"
    "\n 10) ...Girdles and Helms"
    "\n 11) ...Bags and Bottles"
    "\n 12) ...Dusts and Stones"
    "\n 13) ...Household Items"
    "\n 14) ...Musical Instruments"
    "\n 15) ...Weird Stuff"
    "\n 16) ...Armor and Shields"
    "\n 17) ...Weapons"
    "\n ";

/// The display line of a picked item, as shown.
inline std::string pickedItemLine(const std::string& shownName) {
  return "\n\n A(n) " + shownName + "\n\n ";
}

/// The gem names by kind, as the report prints them (pinned letter for
/// letter by the treasure tests).
inline const std::array<std::string_view, 51>& kShownGemNames = kGemNames;

inline const std::string kLetterPrompt =
    "\n Select a letter from A to Z (or alternately a to z)\n"
    " for the treasure chart you wish to generate from\n\n ";

inline const std::string kSavingLine = " Saving to file...please wait...\n\n";

inline const std::string kInvalidChartScreen =
    "[clear]"
    "\n There was an error with the Treasure Chart variable.\n"
    " Please verify that the value is a vlue of A to Z.\n "
    "[pause]";

/// A gem as the report shows it: its name and its whole gold pieces.
struct ShownGem {
  std::string name;
  long long goldPieces = 0;
};

/// A hoard as the report shows it.
struct ShownHoard {
  std::array<long long, 5> coins{};  // copper, silver, electrum, gold, platinum
  std::vector<ShownGem> gems;
  std::vector<std::string> items;  // names with blanks
};

/// The report's line on a result file that does not hold the hoard shown.
inline const std::string kNotSavedNote =
    " The treasure could not be saved to EncounterTreasureResult.txt\n";
inline const std::string kNoChartNote =
    " No treasure chart was chosen, so EncounterTreasureResult.txt was left as it was\n";

/// The on-screen treasure report of `hoard`, with `note` on the result file.
inline std::string treasureReport(const ShownHoard& hoard, const std::string& note = "") {
  std::string text = "\n TREASURE FOUND:\n\n Coins -\n";
  text += " Copper Pieces: " + std::to_string(hoard.coins[0]) + "\n";
  text += " Silver Pieces: " + std::to_string(hoard.coins[1]) + "\n";
  text += " Electrum Pieces: " + std::to_string(hoard.coins[2]) + "\n";
  text += " Gold Pieces: " + std::to_string(hoard.coins[3]) + "\n";
  text += " Platinum Pieces: " + std::to_string(hoard.coins[4]) + "\n\n";
  text += " Gems -\n";
  if (hoard.gems.empty()) {
    text += " None\n\n";
  } else {
    for (const ShownGem& gem : hoard.gems) {
      text += " " + gem.name + " " + std::to_string(gem.goldPieces) + " gp\n";
    }
    text += "\n";
  }
  text += " Magic Items -\n";
  if (hoard.items.empty()) {
    text += " None\n\n";
  } else {
    for (const std::string& item : hoard.items) text += " " + item + "\n";
    text += "\n";
  }
  text += note + "\n\n ";
  return text;
}

/// Everything one encounter shows: the letter prompt, the invalid-chart
/// screen when there is one, the saving line, and the report with its pause.
inline std::string encounterScreens(const std::string& report,
                                    const std::string& invalidChart = "") {
  return "[clear]" + kLetterPrompt + invalidChart + kSavingLine + "[clear]" + report + "[pause]";
}

/// One item of the sample catalog.
struct SampleItem {
  const char* tag;
  int category;
  const char* stored;  // as in data.txt
  const char* shown;   // as on screen
};

/// Every category holds one to three items, except the wands (5) and the
/// musical instruments (14), which hold none.
inline const std::vector<SampleItem> kSampleItems = {
    {"tccPotionsAndOils", 0, "Potion_of_Flying", "Potion of Flying"},
    {"tccPotionsAndOils", 0, "Oil_of_Slipperiness", "Oil of Slipperiness"},
    {"tccPotionsAndOils", 0, "Elixir_of_Youth", "Elixir of Youth"},
    {"tccScrolls", 1, "Scroll_of_Warding", "Scroll of Warding"},
    {"tccScrolls", 1, "Scroll_of_Fireball", "Scroll of Fireball"},
    {"tccRings", 2, "Ring_of_Invisibility", "Ring of Invisibility"},
    {"tccRods", 3, "Rod_of_Lordly_Might", "Rod of Lordly Might"},
    {"tccRods", 3, "Rod_of_Absorption", "Rod of Absorption"},
    {"tccStaves", 4, "Staff_of_the_Woodlands", "Staff of the Woodlands"},
    {"tccBooksAndTomes", 6, "Manual_of_Bodily_Health", "Manual of Bodily Health"},
    {"tccBooksAndTomes", 6, "Tome_of_Clear_Thought", "Tome of Clear Thought"},
    {"tccBooksAndTomes", 6, "Libram_of_Silver_Magic", "Libram of Silver Magic"},
    {"tccGemsAndJewelry", 7, "Necklace_of_Adaptation", "Necklace of Adaptation"},
    {"tccCloaksAndRobes", 8, "Cloak_of_Elvenkind", "Cloak of Elvenkind"},
    {"tccCloaksAndRobes", 8, "Robe_of_Stars", "Robe of Stars"},
    {"tccBootsAndGloves", 9, "Boots_of_Speed", "Boots of Speed"},
    {"tccBootsAndGloves", 9, "Gauntlets_of_Ogre_Power", "Gauntlets of Ogre Power"},
    {"tccGirdlesAndHelms", 10, "Helm_of_Brilliance", "Helm of Brilliance"},
    {"tccBagsAndBottles", 11, "Bag_of_Holding", "Bag of Holding"},
    {"tccBagsAndBottles", 11, "Decanter_of_Endless_Water", "Decanter of Endless Water"},
    {"tccDustsAndStones", 12, "Dust_of_Disappearance", "Dust of Disappearance"},
    {"tccHouseholdItemsAndTools", 13, "Silver_Hand_Mirror", "Silver Hand Mirror"},
    {"tccHouseholdItemsAndTools", 13, "Everfull_Mug", "Everfull Mug"},
    {"tccTheWeirdStuff", 15, "Deck_of_Many_Things", "Deck of Many Things"},
    {"tccArmorAndShields", 16, "Chain_Mail_+1", "Chain Mail +1"},
    {"tccArmorAndShields", 16, "Shield_+2", "Shield +2"},
    {"tccWeapons", 17, "Sword_+1", "Sword +1"},
    {"tccWeapons", 17, "Dagger_of_Venom", "Dagger of Venom"},
    {"tccWeapons", 17, "Mace_of_Disruption", "Mace of Disruption"},
};

/// The shown names of one category of the sample catalog, in filing order.
inline std::vector<std::string> sampleShown(int category) {
  std::vector<std::string> names;
  for (const SampleItem& item : kSampleItems) {
    if (item.category == category) names.push_back(item.shown);
  }
  return names;
}

/// Files the sample catalog into `catalog`, as the loader would.
inline void fileSampleCatalog(ItemCatalog& catalog) {
  for (const SampleItem& sample : kSampleItems) {
    Item item;
    item.setCategory(sample.category);
    item.setName(sample.stored);
    catalog.addItem(item);
  }
}

/// The sample catalog as a data.txt, behind a note.
inline std::string sampleDataFile() {
  std::string text = "<note>\nThe sample catalog of the shell's tests.\n</note>\n";
  for (const SampleItem& item : kSampleItems) {
    text += std::string(item.stored) + "\n" + item.tag + "\n";
  }
  return text;
}

/// Walks the reference sequence one draw at a time.
class ReferenceDice {
 public:
  explicit ReferenceDice(std::uint32_t seed) : draws_(referenceDraws(seed, 2000)) {}

  int draw() { return draws_.at(used_++); }
  int percentile() { return draw() % 100 + 1; }
  int range(int low, int high) { return low + draw() % (high - low + 1); }
  /// A random entry of `names`, drawing once; blank and no draw when empty.
  std::string pick(const std::vector<std::string>& names) {
    if (names.empty()) return "";
    return names[draw() % static_cast<int>(names.size())];
  }
  /// How many draws were taken so far.
  int used() const { return used_; }

 private:
  std::vector<int> draws_;
  int used_ = 0;
};

}  // namespace glimmerkist

#endif  // GLIMMERKIST_TESTS_SHELL_SHELL_TEST_SUPPORT_H_
