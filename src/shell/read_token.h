// Reading one entry of the user's typing: a whitespace-delimited token, as
// formatted string extraction reads it, but in bounded memory whatever the
// input holds.
#ifndef GLIMMERKIST_SHELL_READ_TOKEN_H_
#define GLIMMERKIST_SHELL_READ_TOKEN_H_

#include <cstddef>
#include <string>

#include "base/limits.h"
#include "base/terminal.h"

namespace glimmerkist {

/// Reads the next token from the terminal's input: leading white space is
/// skipped, then everything up to, not including, the next white space or
/// the end of input is taken, of which the first kMaxTypedTokenBytes bytes are
/// returned. What follows the token stays unread. At the end of input the
/// token is empty.
///
/// When the terminal's output can no longer be written (a closed pipe, a
/// full disk), nobody sees the screens any more: nothing is read, and the
/// token is empty as at the end of input, so the program winds down.
std::string readToken(Terminal& terminal);

}  // namespace glimmerkist

#endif  // GLIMMERKIST_SHELL_READ_TOKEN_H_
