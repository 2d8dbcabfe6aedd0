// PositionList is one category's list of where its names lie in the
// catalog's NameBlock, in the order the items were filed.
//
// Offsets are appended in rising order, so each entry keeps only the low 32
// bits of its offset, and the rare crossings into a further 4 GiB of the block
// are remembered apart: four bytes an item however large the block grows.
#ifndef GLIMMERKIST_CATALOG_POSITION_LIST_H_
#define GLIMMERKIST_CATALOG_POSITION_LIST_H_

#include <cstddef>
#include <cstdint>
#include <vector>

namespace glimmerkist {

class PositionList {
 public:
  /// Adds `offset` after the last entry. REQUIRES: `offset` is not below
  /// any offset appended before.
  void append(std::uint64_t offset);

  /// The offset of entry `index`, counted from 0 in appending order.
  /// REQUIRES: 0 <= index < count().
  std::uint64_t at(std::int32_t index) const {
    const std::uint32_t low = low_[static_cast<std::size_t>(index)];
    return firstAbove_.empty() ? low : (highPart(index) << 32) | low;
  }

  /// Number of entries.
  std::int32_t count() const { return static_cast<std::int32_t>(low_.size()); }

  /// Removes every entry and gives the memory back.
  void clear();

  /// Gives back spare room once the list has been filled for good.
  void shrinkToFit() { low_.shrink_to_fit(); }

 private:
  /// Which 4 GiB of the block entry `index` lies in.
  std::uint64_t highPart(std::int32_t index) const;

  /// The low 32 bits of each offset.
  std::vector<std::uint32_t> low_;
  /// firstAbove_[k] is the first entry whose offset is 4 GiB * (k + 1) or
  /// more; empty while every offset is below 4 GiB.
  std::vector<std::int32_t> firstAbove_;
};

}  // namespace glimmerkist

#endif  // GLIMMERKIST_CATALOG_POSITION_LIST_H_
