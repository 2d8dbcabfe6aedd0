// RecordList is the program's list of records held by value: the hoard's
// magic items and its gems use it.
//
// Records are appended at the tail, found by position counted from the head
// (0 is the first appended), and cleared all at once. The records sit in one
// contiguous block, so finding a position costs the same however long the
// list is.
#ifndef GLIMMERKIST_CATALOG_RECORD_LIST_H_
#define GLIMMERKIST_CATALOG_RECORD_LIST_H_

#include <cstdint>
#include <utility>
#include <vector>

namespace glimmerkist {

template <typename Record>
class RecordList {
 public:
  /// Stores a copy of `record` after the last one.
  void append(Record record) { records_.push_back(std::move(record)); }

  /// Removes every record.
  void clear() { records_.clear(); }

  /// Copies the record at `position` into `out`; leaves `out` untouched when
  /// the list holds no record there.
  void itemAt(std::int32_t position, Record& out) const {
    if (position >= 0 && position < count()) out = records_[position];
  }

  /// Number of records.
  std::int32_t count() const { return static_cast<std::int32_t>(records_.size()); }

  /// Gives back spare capacity once a list has been filled for good.
  void shrinkToFit() { records_.shrink_to_fit(); }

  /// The records in list order, for callers that only read.
  typename std::vector<Record>::const_iterator begin() const { return records_.begin(); }
  typename std::vector<Record>::const_iterator end() const { return records_.end(); }

 private:
  std::vector<Record> records_;
};

}  // namespace glimmerkist

#endif  // GLIMMERKIST_CATALOG_RECORD_LIST_H_
