// Where the batch command finds its catalog, and how it tells the person
// what went wrong with one.
//
// Without --catalog it takes data.txt in the current folder, else the
// catalog installed with the program (catalog/catalog_location.h). The
// command reads the catalog without the interactive program's messages and
// reports the outcome in one line of its own.
#ifndef GLIMMERKIST_ROLL_CATALOG_SOURCE_H_
#define GLIMMERKIST_ROLL_CATALOG_SOURCE_H_

#include <string>
#include <vector>

#include "catalog/catalog_loader.h"

namespace glimmerkist::roll {

/// The places tried when no catalog is named, in order: "data.txt", then the
/// installed catalogs.
std::vector<std::string> defaultCatalogCandidates();

/// The first of `candidates` that is a regular file, or "" when none is.
std::string findCatalog(const std::vector<std::string>& candidates);

/// One line on what kept `path` from loading, without a line end; "" when
/// `result` says the whole file loaded. Names and tokens are quoted.
std::string describeLoadProblem(const LoadResult& result, const std::string& path);

/// Why `path` did not open: a folder, no such file, or unreadable. `what` is
/// the kind of file, as the message names it.
std::string describeOpenFailure(const std::string& path, const char* what = "catalog");

}  // namespace glimmerkist::roll

#endif  // GLIMMERKIST_ROLL_CATALOG_SOURCE_H_
