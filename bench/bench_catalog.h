// Catalogs for the benchmarks: the shipped catalog's records, repeated in
// their order until the wanted number of records is reached, under a note
// like the shipped one. Realistic names and the shipped mix of categories, at
// any size; the same size always gives the same file.
#ifndef GLIMMERKIST_BENCH_BENCH_CATALOG_H_
#define GLIMMERKIST_BENCH_BENCH_CATALOG_H_

#include <cstdint>
#include <istream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "base/terminal.h"
#include "catalog/item.h"

namespace glimmerkist::bench {

/// The records of the shipped catalog, in file order.
const std::vector<Item>& shippedRecords();

/// Writes a catalog of `records` records to `out`.
void writeCatalog(std::ostream& out, std::int64_t records);

/// The path of the generated catalog of `records` records, written on first
/// use into the folder named by GLIMMERKIST_BENCH_DIR (default: bench-data
/// in the current folder).
std::string catalogPath(std::int64_t records);

/// A terminal with fixed input whose output is kept and can be dropped, so
/// that writing costs what it costs on a console but memory stays flat.
class QuietTerminal : public Terminal {
 public:
  explicit QuietTerminal(const std::string& input = "") : in_(input) {}

  std::istream& in() override { return in_; }
  std::ostream& out() override { return out_; }
  void clearScreen() override { out_.flush(); }
  void pauseScreen() override { out_.flush(); }

  /// Starts over with `input` and no output.
  void reset(const std::string& input) {
    in_.clear();
    in_.str(input);
    out_.str("");
  }
  std::string output() const { return out_.str(); }

 private:
  std::istringstream in_;
  std::ostringstream out_;
};

}  // namespace glimmerkist::bench

#endif  // GLIMMERKIST_BENCH_BENCH_CATALOG_H_
