#include "base/quoted_input.h"

namespace glimmerkist {
namespace {

bool continuesCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string quotedInput(std::string_view text) {
  std::size_t shown = text.size();
  if (shown > kQuotedBytes) {
    shown = kQuotedBytes;
    // Back up over the rest of a UTF-8 sequence that the cut would split.
    while (shown > kQuotedBytes - 3 && continuesCharacter(text[shown])) --shown;
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
        quote += "\\\\";
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

}  // namespace glimmerkist
