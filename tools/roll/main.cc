// glimmerkist-roll: treasure for the game master's notes, from the command
// line. Everything but this is the library glimmerkist_roll.
//
// On Windows the arguments are taken wide and handed on as UTF-8, the
// encoding of every path in the program, so any file name reaches it whole.
// Started by a double click, without arguments, it shows its help, and its
// console window waits for a key before it closes.
#include <iostream>
#include <string>
#include <vector>

#include "base/console_window.h"
#include "roll/roll_command.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif

namespace {

int run(std::vector<std::string> arguments) {
  if (arguments.size() == 1 && glimmerkist::consoleClosesAtExit()) arguments.emplace_back("--help");
  std::vector<const char*> argv;
  argv.reserve(arguments.size() + 1);
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  argv.push_back(nullptr);
  const int status = glimmerkist::roll::runRollCommand(static_cast<int>(arguments.size()),
                                                       argv.data(), std::cout, std::cerr);
  glimmerkist::holdConsoleAtExit();
  return status;
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** wargv) {
  std::vector<std::string> arguments;
  for (int i = 0; i < argc; ++i) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wargv[i], -1, nullptr, 0, nullptr, nullptr);
    std::string argument(size > 0 ? size : 1, '\0');
    if (size > 0) {
      WideCharToMultiByte(CP_UTF8, 0, wargv[i], -1, argument.data(), size, nullptr, nullptr);
    }
    argument.pop_back();  // the terminating NUL
    arguments.push_back(argument);
  }
  return run(arguments);
}
#else
int main(int argc, char** argv) { return run(std::vector<std::string>(argv, argv + argc)); }
#endif
