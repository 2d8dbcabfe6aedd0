// The whole life of the interactive program: the welcome screen, then the
// main menu until the user quits.
#ifndef GLIMMERKIST_SHELL_PROGRAM_H_
#define GLIMMERKIST_SHELL_PROGRAM_H_

#include <string>

#include "base/terminal.h"
#include "catalog/catalog_loader.h"
#include "shell/item_picking.h"
#include "treasure/gem_names.h"

namespace glimmerkist {

/// Fills the gem name and category label tables from the stored texts.
void fillNameTables(GemNames& gemNames, CategoryLabels& categoryLabels);

/// Loads the catalog at `catalogPath`, shows the welcome screen and runs the
/// main menu on `terminal` until 0, a negative number, or a negative category
/// number. The caller seeds the random generator first. Returns the exit
/// status, 0.
int runProgram(Terminal& terminal, const std::string& catalogPath = kCatalogFileName);

}  // namespace glimmerkist

#endif  // GLIMMERKIST_SHELL_PROGRAM_H_
