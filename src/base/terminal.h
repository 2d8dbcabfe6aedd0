// The console as the program sees it: an input stream, an output stream, and
// the two screen controls that give every screen its shape.
//
// Menus, the catalog loader and the treasure charts receive a Terminal so that
// tests can drive them with scripted input and read back exactly what a person
// would have seen.
#ifndef GLIMMERKIST_BASE_TERMINAL_H_
#define GLIMMERKIST_BASE_TERMINAL_H_

#include <istream>
#include <ostream>

namespace glimmerkist {

class Terminal {
 public:
  virtual ~Terminal() = default;

  /// Where the user's typing comes from.
  virtual std::istream& in() = 0;
  /// Where everything the program shows goes.
  virtual std::ostream& out() = 0;

  /// Clears the screen. Text written to out() before the call appears before
  /// the clear, text written after it appears after it.
  virtual void clearScreen() = 0;
  /// Waits for one key press, with the platform's prompt. Same ordering
  /// guarantee as clearScreen().
  virtual void pauseScreen() = 0;
};

}  // namespace glimmerkist

#endif  // GLIMMERKIST_BASE_TERMINAL_H_
