// The console window a program may have been given by a double click, which
// closes as soon as the program ends. Both programs wait for a key first, so
// that their last screen or message can be read.
#ifndef GLIMMERKIST_BASE_CONSOLE_WINDOW_H_
#define GLIMMERKIST_BASE_CONSOLE_WINDOW_H_

namespace glimmerkist {

/// True when the program's console window closes as soon as the program
/// ends: on Windows, a program started by a double click is the only
/// process of its console, and reads from it. Never from a console window
/// the person opened, nor with input from a pipe or a file; never on POSIX.
bool consoleClosesAtExit();

/// Brings out everything written and, when consoleClosesAtExit(), waits for
/// a key, so that the last screen or message can be read.
void holdConsoleAtExit();

}  // namespace glimmerkist

#endif  // GLIMMERKIST_BASE_CONSOLE_WINDOW_H_
