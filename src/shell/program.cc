#include "shell/program.h"

#include <cstdint>

#include "shell/encounter_mode.h"
#include "shell/read_number.h"
#include "treasure/treasure_generator.h"

namespace glimmerkist {
namespace {

enum MenuChoice : std::int32_t { kQuit = 0, kPickFromCategory = 1, kPickAny = 2, kEncounter = 3 };

void showWelcome(Terminal& terminal) {
  terminal.out() << "\n Welcome to the Glimmerkist Generator\n\n"
                 << " This program has three modes of generating treasure...\n\n"
                 << " A) Picking a random from a Specific List\n"
                 << " B) Picking randomly from all of the available Items\n"
                 << " C) Generating a random treasure for an Encounter\n\n"
                 << " The first two options just print the results to the\n"
                 << " screen, while the third shows it on the screen and\n"
                 << " outputs the results to a temporary file in the same\n"
                 << " directory that the programming is running from. The\n"
                 << " file name is EncounterTreasureResult.txt.\n\n"
                 << " The last option requires that you know the Treasure Type"
                 << " of the Encounter (usually A to Z)\n\n ";
}

void showMainMenu(Terminal& terminal) {
  terminal.out() << "\n Enter the numeric value for the command you want:\n\n"
                 << " 0) Quit\n"
                 << " 1) Pick a random from Specific List\n"
                 << " 2) Pick totally random Item\n"
                 << " 3) Generate Encounter Treasure\n\n ";
}

}  // namespace

void fillNameTables(GemNames& gemNames, CategoryLabels& categoryLabels) {
  gemNames = filledGemNames();
  for (int code = 0; code < kCategoryLabelCount; ++code) {
    categoryLabels[code] = kCategoryLabels[code];
  }
}

int runProgram(Terminal& terminal) {
  GemNames gemNames;
  CategoryLabels categoryLabels;
  TreasureGenerator generator(terminal);
  fillNameTables(gemNames, categoryLabels);

  terminal.clearScreen();
  showWelcome(terminal);
  terminal.pauseScreen();

  for (;;) {
    terminal.clearScreen();
    showMainMenu(terminal);
    const std::int32_t choice = readNumber(terminal);
    if (choice <= kQuit) break;
    if (choice == kPickFromCategory) {
      if (pickFromCategory(terminal, generator, categoryLabels) < 0) break;
    } else if (choice == kPickAny) {
      pickFromAnyCategory(terminal, generator);
    } else if (choice == kEncounter) {
      runEncounter(terminal, generator, gemNames);
    }
  }
  return 0;
}

}  // namespace glimmerkist
