// glimmerkist-roll: treasure for the game master's notes, from the command
// line. Everything but this is the library glimmerkist_roll.
#include <iostream>

#include "roll/roll_command.h"

int main(int argc, char** argv) {
  return glimmerkist::roll::runRollCommand(argc, argv, std::cout, std::cerr);
}
