#include "base/quoted_input.h"

namespace glimmerkist {
namespace {

bool continuesCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// True when text[i] begins a C1 control as UTF-8 writes it: C2 80 to C2 9F.
bool startsC1Control(std::string_view text, std::size_t i) {
  return static_cast<unsigned char>(text[i]) == 0xC2 && i + 1 < text.size() &&
         static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
         static_cast<unsigned char>(text[i + 1]) <= 0x9F;
}

void appendHex(std::string& out, char c) {
  constexpr char kHex[] = "0123456789abcdef";
  const auto byte = static_cast<unsigned char>(c);
  out += "\\x";
  out += kHex[byte >> 4];
  out += kHex[byte & 0xF];
}

// Which characters besides the controls are escaped.
enum class Escape { kControls, kQuotes, kQuotesAndBackslashes };

// `text` with its control characters escaped, and more as `escape` says.
std::string escaped(std::string_view text, Escape escape) {
  std::string quote;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const auto byte = static_cast<unsigned char>(c);
    if (startsC1Control(text, i)) {
      appendHex(quote, c);
      appendHex(quote, text[++i]);
    } else if (c == '\n') {
      quote += "\\n";
    } else if (c == '\r') {
      quote += "\\r";
    } else if (c == '\t') {
      quote += "\\t";
    } else if (c == '"' && escape != Escape::kControls) {
      quote += "\\\"";
    } else if (c == '\\' && escape == Escape::kQuotesAndBackslashes) {
      quote += "\\\\";
    } else if (byte < 0x20 || byte == 0x7F) {
      appendHex(quote, c);
    } else {
      quote += c;
    }
  }
  return quote;
}

}  // namespace

std::string quotedInput(std::string_view text) {
  std::size_t shown = text.size();
  if (shown > kQuotedBytes) {
    shown = kQuotedBytes;
    // Back up over the rest of a UTF-8 sequence that the cut would split.
    while (shown > kQuotedBytes - 3 && continuesCharacter(text[shown])) --shown;
  }
  std::string quote = '"' + escaped(text.substr(0, shown), Escape::kQuotesAndBackslashes) + '"';
  if (shown < text.size()) quote += "...";
  return quote;
}

std::string quotedPath(std::string_view path) { return '"' + escaped(path, Escape::kQuotes) + '"'; }

std::string escapedControls(std::string_view text) { return escaped(text, Escape::kControls); }

}  // namespace glimmerkist
