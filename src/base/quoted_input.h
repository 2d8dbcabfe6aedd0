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
/// \", \\, \x1b), and only its first kQuotedBytes bytes, cut at the start
/// of a character, with "..." after the closing quote when cut.
std::string quotedInput(std::string_view text);

/// A file's path in double quotes, as the person would type it: whole, and
/// with backslashes (the folder separator of Windows) kept as they are;
/// control characters and quotes are escaped as by quotedInput.
std::string quotedPath(std::string_view path);

}  // namespace glimmerkist

#endif  // GLIMMERKIST_BASE_QUOTED_INPUT_H_
