// NameBlock keeps the catalog's item names back to back in one contiguous
// block of bytes, each behind its length, so that a million names cost their
// own bytes and one or two more each instead of a heap string apiece. A name
// is found by the offset that append() returned for it; names are never
// removed one by one.
#ifndef GLIMMERKIST_CATALOG_NAME_BLOCK_H_
#define GLIMMERKIST_CATALOG_NAME_BLOCK_H_

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace glimmerkist {

class NameBlock {
 public:
  using Offset = std::uint64_t;

  /// Makes room for `bytes` bytes of names and lengths at once, so that the
  /// block need not be copied while it grows. Room that is never written is
  /// only reserved address space, not memory in use.
  void reserve(std::size_t bytes) { bytes_.reserve(bytes); }

  /// Stores `name`, any bytes, and returns where it starts. Offsets grow with
  /// every call.
  Offset append(std::string_view name);

  /// The name stored at `offset`. The view stays valid until the block
  /// changes. REQUIRES: `offset` was returned by append().
  std::string_view nameAt(Offset offset) const {
    const char* at = bytes_.data() + offset;
    std::uint64_t length = static_cast<unsigned char>(*at++);
    if (length >= 0x80) length = longLength(length, at);
    return std::string_view(at, static_cast<std::size_t>(length));
  }

  /// Removes every name and gives the memory back.
  void clear() { std::vector<char>().swap(bytes_); }

  /// Bytes in use, the names and their lengths.
  std::size_t size() const { return bytes_.size(); }

 private:
  /// The rest of a length of 128 or more whose first byte was `first`;
  /// moves `at` past it.
  static std::uint64_t longLength(std::uint64_t first, const char*& at);

  std::vector<char> bytes_;
};

}  // namespace glimmerkist

#endif  // GLIMMERKIST_CATALOG_NAME_BLOCK_H_
