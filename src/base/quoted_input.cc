#include "base/quoted_input.h"

namespace glimmerkist {
namespace {

bool continuesCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// `text` quoted, cut after `limit` bytes; a backslash is doubled when
// `escapeBackslash`.
std::string quoted(std::string_view text, std::size_t limit, bool escapeBackslash) {
  std::size_t shown = text.size();
  if (shown > limit) {
    shown = limit;
    // Back up over the rest of a UTF-8 sequence that the cut would split.
    while (shown > limit - 3 && continuesCharacter(text[shown])) --shown;
  }
  std::string quote = "\"";
  for (char c : text.substr(0, shown)) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '\n':
        quote += "\\n";
        break;
      case '\r':
        quote += "\\r";
        break;
      case '\t':
        quote += "\\t";
        break;
      case '"':
        quote += "\\\"";
        break;
      case '\\':
        quote += escapeBackslash ? "\\\\" : "\\";
        break;
      default:
        if (byte < 0x20 || byte == 0x7F) {
          constexpr char kHex[] = "0123456789abcdef";
          quote += "\\x";
          quote += kHex[byte >> 4];
          quote += kHex[byte & 0xF];
        } else {
          quote += c;
        }
    }
  }
  quote += '"';
  if (shown < text.size()) quote += "...";
  return quote;
}

}  // namespace

std::string quotedInput(std::string_view text) { return quoted(text, kQuotedBytes, true); }

std::string quotedPath(std::string_view path) { return quoted(path, path.size(), false); }

}  // namespace glimmerkist
