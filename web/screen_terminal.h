// A terminal for the page: nobody types into it, and it keeps what a person
// would still see on the console, the text written since the last clear.
// The page shows that text where the console program would have stopped
// for a key.
#ifndef GLIMMERKIST_WEB_SCREEN_TERMINAL_H_
#define GLIMMERKIST_WEB_SCREEN_TERMINAL_H_

#include <sstream>
#include <string>

#include "base/terminal.h"

namespace glimmerkist::web {

class ScreenTerminal : public Terminal {
 public:
  std::istream& in() override { return in_; }
  std::ostream& out() override { return out_; }
  void clearScreen() override { out_.str(""); }
  void pauseScreen() override {}

  /// The text on screen now.
  std::string screen() const { return out_.str(); }
  /// Starts a fresh screen.
  void clear() { out_.str(""); }

 private:
  std::istringstream in_;
  std::ostringstream out_;
};

}  // namespace glimmerkist::web

#endif  // GLIMMERKIST_WEB_SCREEN_TERMINAL_H_
