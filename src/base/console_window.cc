#include "base/console_window.h"

#include <iostream>

#ifdef _WIN32
#include <cstdlib>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif

namespace glimmerkist {

#ifdef _WIN32

bool consoleClosesAtExit() {
  DWORD mode = 0;
  if (GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) == 0) return false;
  DWORD processes[2];
  return GetConsoleProcessList(processes, 2) == 1;
}

void holdConsoleAtExit() {
  std::cerr.flush();
  std::cout.flush();
  // Once the output can no longer be written, nobody sees it either.
  if (std::cout.fail()) return;
  if (consoleClosesAtExit()) std::system("pause");
}

#else

bool consoleClosesAtExit() { return false; }

void holdConsoleAtExit() {}

#endif

}  // namespace glimmerkist
