#include "shell/item_picking.h"

#include "catalog/item_category.h"
#include "shell/read_number.h"
#include "treasure/treasure_report.h"

namespace glimmerkist {

void showPickedItem(Terminal& terminal, const Item& item) {
  terminal.out() << "\n\n " << pickedItemLine(item) << "\n\n ";
}

std::int32_t pickFromCategory(Terminal& terminal, const ItemCatalog& catalog,
                              const CategoryLabels& labels) {
  terminal.clearScreen();
  std::ostream& out = terminal.out();
  out << "\n Enter the number for the Category to get Item from\n";
  for (int code = 0; code < kCategoryCount; ++code) {
    out << "\n ";
    if (code < 10) out << " ";  // lines up one-digit numbers under two-digit ones
    out << code << ") " << labels[code];
  }
  out << "\n ";
  const std::int32_t choice = readNumber(terminal);
  if (isCategoryCode(choice)) showPickedItem(terminal, catalog.randomItem(choice));
  terminal.pauseScreen();
  return choice;
}

void pickFromAnyCategory(Terminal& terminal, const ItemCatalog& catalog) {
  terminal.clearScreen();
  const int category = randomCategory();
  showPickedItem(terminal, catalog.randomItem(category));
  terminal.pauseScreen();
}

}  // namespace glimmerkist
