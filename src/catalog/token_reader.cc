#include "catalog/token_reader.h"

#include <cstdint>
#include <cstring>

namespace glimmerkist {
namespace {

// The six separators as bits of a 64-bit mask, indexed by byte value; every
// separator is below 64, so one shift and one test classify a byte.
constexpr std::uint64_t kSeparators = (std::uint64_t{1} << ' ') | (std::uint64_t{1} << '\t') |
                                      (std::uint64_t{1} << '\n') | (std::uint64_t{1} << '\r') |
                                      (std::uint64_t{1} << '\v') | (std::uint64_t{1} << '\f');

inline bool isSeparator(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte <= ' ' && ((kSeparators >> byte) & 1U) != 0;
}

// True when one of the eight bytes of `word` is a space or below: every
// separator is, and almost no byte of a name or tag is.
inline bool mayHoldSeparator(std::uint64_t word) {
  constexpr std::uint64_t kOnes = 0x0101010101010101U;
  constexpr std::uint64_t kHighBits = 0x8080808080808080U;
  return ((word - kOnes * (' ' + 1)) & ~word & kHighBits) != 0;
}

// The first separator in [from, end), or `end`; eight bytes at a time where
// no byte can be one.
const char* findSeparator(const char* from, const char* end) {
  for (;;) {
    std::uint64_t word = 0;
    while (end - from >= 8) {
      std::memcpy(&word, from, sizeof word);
      if (mayHoldSeparator(word)) break;
      from += 8;
    }
    const char* const stop = end - from >= 8 ? from + 8 : end;
    while (from < stop && !isSeparator(*from)) ++from;
    if (from < stop || from == end) return from;
  }
}

}  // namespace

TokenReader::TokenReader(std::istream& in) : in_(in), block_(kBlockBytes) {}

bool TokenReader::fill() {
  position_ = 0;
  end_ = 0;
  if (!in_) return false;
  in_.read(block_.data(), static_cast<std::streamsize>(block_.size()));
  end_ = static_cast<std::size_t>(in_.gcount());
  return end_ > 0;
}

void TokenReader::skipByteOrderMark() {
  static constexpr char kMark[] = "\xEF\xBB\xBF";
  if (position_ == end_ && !fill()) return;
  if (end_ - position_ >= 3 && std::memcmp(block_.data() + position_, kMark, 3) == 0) {
    position_ += 3;
  }
}

bool TokenReader::next(std::string_view& token) {
  token = std::string_view();
  if (tooLong_) return false;
  const char* const data = block_.data();
  // Skip separators, reading on as needed.
  for (;;) {
    while (position_ < end_ && isSeparator(data[position_])) ++position_;
    if (position_ < end_) break;
    if (!fill()) return false;
  }
  // The usual case: the token ends inside this block.
  std::size_t start = position_;
  position_ = static_cast<std::size_t>(findSeparator(data + start, data + end_) - data);
  if (position_ < end_) {
    token = std::string_view(data + start, position_ - start);
    return true;
  }
  // The token runs on into the next blocks: gather it.
  spill_.assign(data + start, position_ - start);
  while (fill()) {
    start = position_;
    position_ = static_cast<std::size_t>(findSeparator(data + start, data + end_) - data);
    const std::size_t length = position_ - start;
    if (length > kMaxCatalogTokenBytes - spill_.size()) {
      spill_.append(data + start, kMaxCatalogTokenBytes - spill_.size());
      tooLong_ = true;
      return false;
    }
    spill_.append(data + start, length);
    if (position_ < end_) break;
  }
  token = spill_;
  return true;
}

bool TokenReader::next(std::string& token) {
  std::string_view view;
  const bool found = next(view);
  token = view;
  return found;
}

}  // namespace glimmerkist
