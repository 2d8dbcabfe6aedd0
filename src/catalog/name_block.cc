#include "catalog/name_block.h"

namespace glimmerkist {

// A name's length goes before it seven bits a byte, lowest first, the high
// bit set on every byte but the last: one byte for names under 128 bytes.
NameBlock::Offset NameBlock::append(std::string_view name) {
  const Offset offset = bytes_.size();
  std::uint64_t length = name.size();
  while (length >= 0x80) {
    bytes_.push_back(static_cast<char>((length & 0x7F) | 0x80));
    length >>= 7;
  }
  bytes_.push_back(static_cast<char>(length));
  bytes_.insert(bytes_.end(), name.begin(), name.end());
  return offset;
}

std::uint64_t NameBlock::longLength(std::uint64_t first, const char*& at) {
  std::uint64_t length = first & 0x7F;
  for (int shift = 7;; shift += 7) {
    const auto byte = static_cast<unsigned char>(*at++);
    length |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
    if ((byte & 0x80) == 0) return length;
  }
}

}  // namespace glimmerkist
