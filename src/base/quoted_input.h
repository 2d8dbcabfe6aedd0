// Quoting what a person typed or a file held inside a one-line message.
#ifndef GLIMMERKIST_BASE_QUOTED_INPUT_H_
#define GLIMMERKIST_BASE_QUOTED_INPUT_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace glimmerkist {

/// The most bytes of the text that a quotation shows.
constexpr std::size_t kQuotedBytes = 60;

/// `text` in double quotes, safe in a one-line message whatever it holds:
/// control characters, quotes and backslashes escaped in C style (\n, \t,
/// \", \\, \x1b; a C1 control in UTF-8 as \xc2\x9b), and only its first
/// kQuotedBytes bytes, cut at the start of a character, with "..." after the
/// closing quote when cut.
std::string quotedInput(std::string_view text);

/// A file's path in double quotes, whole however long: control characters
/// and quotes escaped as quotedInput does, backslashes kept as they are, as
/// they part the folders of a Windows path.
std::string quotedPath(std::string_view path);

/// `text` with its control characters escaped as quotedInput does and
/// nothing else changed, quotes and backslashes included: for a message
/// that holds quotations already.
std::string escapedControls(std::string_view text);

}  // namespace glimmerkist

#endif  // GLIMMERKIST_BASE_QUOTED_INPUT_H_
