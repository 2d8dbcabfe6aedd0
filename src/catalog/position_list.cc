#include "catalog/position_list.h"

#include <algorithm>

namespace glimmerkist {

void PositionList::append(std::uint64_t offset) {
  const std::uint64_t high = offset >> 32;
  while (firstAbove_.size() < high) firstAbove_.push_back(count());
  low_.push_back(static_cast<std::uint32_t>(offset));
}

std::uint64_t PositionList::highPart(std::int32_t index) const {
  return static_cast<std::uint64_t>(
      std::upper_bound(firstAbove_.begin(), firstAbove_.end(), index) - firstAbove_.begin());
}

void PositionList::clear() {
  std::vector<std::uint32_t>().swap(low_);
  firstAbove_.clear();
}

}  // namespace glimmerkist
