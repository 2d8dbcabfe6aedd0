// Where the batch command finds its catalog, and how it tells the person
// what went wrong with one.
//
// Without --catalog it takes data.txt in the current folder, else the
// catalog installed with the program (catalog/catalog_location.h). The loader runs on a
// QuietTerminal: it neither clears the screen nor waits for a key, and its
// own messages are not shown; the command reports the outcome in one line.
#ifndef GLIMMERKIST_ROLL_CATALOG_SOURCE_H_
#define GLIMMERKIST_ROLL_CATALOG_SOURCE_H_

#include <istream>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "base/terminal.h"
#include "catalog/catalog_loader.h"

namespace glimmerkist::roll {

/// A terminal with no input whose output goes nowhere and whose clear and
/// pause do nothing.
class QuietTerminal : public Terminal {
 public:
  QuietTerminal() : out_(&discard_) {}

  std::istream& in() override { return in_; }
  std::ostream& out() override { return out_; }
  void clearScreen() override {}
  void pauseScreen() override {}

 private:
  class Discard : public std::streambuf {
   protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
  };

  Discard discard_;
  std::istringstream in_;
  std::ostream out_;
};

/// The places tried when no catalog is named, in order: "data.txt", then the
/// installed catalogs.
std::vector<std::string> defaultCatalogCandidates();

/// The first of `candidates` that is a regular file, or "" when none is.
std::string findCatalog(const std::vector<std::string>& candidates);

/// One line on what kept `path` from loading, without a line end; "" when
/// `result` says the whole file loaded.
std::string describeLoadProblem(const LoadResult& result, const std::string& path);

}  // namespace glimmerkist::roll

#endif  // GLIMMERKIST_ROLL_CATALOG_SOURCE_H_
