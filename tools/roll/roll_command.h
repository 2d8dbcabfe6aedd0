// The command line of glimmerkist-roll: reads the arguments, runs the command
// they name and returns the exit status (0 done, 1 a catalog that cannot be
// loaded, 2 bad arguments, reported in one line on `err`). --help for the
// program or a command writes its help to `out`.
#ifndef GLIMMERKIST_ROLL_ROLL_COMMAND_H_
#define GLIMMERKIST_ROLL_ROLL_COMMAND_H_

#include <ostream>

namespace glimmerkist::roll {

/// `argv[0]` is the program's name, as main receives it.
int runRollCommand(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace glimmerkist::roll

#endif  // GLIMMERKIST_ROLL_ROLL_COMMAND_H_
