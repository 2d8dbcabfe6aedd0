#include "catalog/token_reader.h"

#include <cstring>

namespace glimmerkist {
namespace {

constexpr std::size_t kBufferSize = 1 << 16;

bool isSeparator(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

TokenReader::TokenReader(std::istream& in) : in_(in), buffer_(kBufferSize) {}

bool TokenReader::fill() {
  position_ = 0;
  end_ = 0;
  if (!in_) return false;
  in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  end_ = static_cast<std::size_t>(in_.gcount());
  return end_ > 0;
}

void TokenReader::skipByteOrderMark() {
  static constexpr char kMark[] = "\xEF\xBB\xBF";
  if (position_ == end_ && !fill()) return;
  if (end_ - position_ >= 3 && std::memcmp(buffer_.data() + position_, kMark, 3) == 0) {
    position_ += 3;
  }
}

bool TokenReader::next(std::string& token) {
  token.clear();
  // Skip separators, refilling as needed.
  for (;;) {
    while (position_ < end_ && isSeparator(buffer_[position_])) ++position_;
    if (position_ < end_) break;
    if (!fill()) return false;
  }
  // Take bytes up to the next separator or the end of the stream.
  for (;;) {
    std::size_t start = position_;
    while (position_ < end_ && !isSeparator(buffer_[position_])) ++position_;
    token.append(buffer_.data() + start, position_ - start);
    if (position_ < end_ || !fill()) return true;
  }
}

}  // namespace glimmerkist
