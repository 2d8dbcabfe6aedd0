#include "treasure/chart_line.h"

namespace glimmerkist {
namespace {

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::size_t chartCharacterLength(std::string_view text, std::size_t at) {
  const auto c = static_cast<unsigned char>(text[at]);
  if (c < 0x80) return (c < 0x20 && c != '\t') || c == 0x7F ? 0 : 1;
  std::size_t length = 0;
  std::uint32_t code = 0;
  if (c >= 0xC2 && c <= 0xDF) {
    length = 2;
    code = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    length = 3;
    code = c & 0x0F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    length = 4;
    code = c & 0x07;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if (!isContinuation(next)) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  const std::uint32_t lowest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
  if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  if (code <= 0x9F) return 0;  // C1 controls
  return length;
}

int characterCount(std::string_view text) { return ChartLine(text).columnOf(text.size()) - 1; }

void ChartLine::skipBlanks() {
  while (!atEnd() && isBlank(line_[at_])) ++at_;
}

bool ChartLine::take(char c) {
  if (peek() != c) return false;
  ++at_;
  return true;
}

std::string_view ChartLine::word(bool commaEnds) {
  const std::size_t start = at_;
  while (!atEnd() && !isBlank(line_[at_]) && !(commaEnds && line_[at_] == ',')) ++at_;
  return line_.substr(start, at_ - start);
}

std::string_view ChartLine::rest() {
  std::string_view text = line_.substr(at_);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  at_ = line_.size();
  return text;
}

bool ChartLine::number(std::int64_t& value) {
  const std::size_t start = at_;
  value = 0;
  while (!atEnd() && line_[at_] >= '0' && line_[at_] <= '9') {
    if (at_ - start == 10) return false;
    value = value * 10 + (line_[at_] - '0');
    ++at_;
  }
  return at_ > start;
}

int ChartLine::columnOf(std::size_t byte) const {
  int column = 1;
  for (std::size_t i = 0; i < byte && i < line_.size(); ++i) {
    if (!isContinuation(static_cast<unsigned char>(line_[i]))) ++column;
  }
  return column;
}

}  // namespace glimmerkist
