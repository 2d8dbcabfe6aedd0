// Where the batch command finds its catalog, and how it tells the person
// what went wrong with one.
//
// Without --catalog it takes the catalog that the interactive program takes,
// by the same rule (catalogToLoad in catalog/catalog_location.h). The
// command reads the catalog without the interactive program's messages and
// reports the outcome in one line of its own.
#ifndef GLIMMERKIST_ROLL_CATALOG_SOURCE_H_
#define GLIMMERKIST_ROLL_CATALOG_SOURCE_H_

#include <string>
#include <vector>

#include "catalog/catalog_loader.h"

namespace glimmerkist::roll {

/// The places looked at when no catalog is named, in order: "data.txt",
/// then the installed catalog.
std::vector<std::string> defaultCatalogCandidates();

/// The catalog to read when none is named, as the interactive program
/// chooses it, or "" when there is nothing of that name at all.
std::string defaultCatalog();

/// One line on what kept `path` from loading, without a line end; "" when
/// `result` says the whole file loaded. Names and tokens are quoted.
std::string describeLoadProblem(const LoadResult& result, const std::string& path);

/// Why `path` did not open: a folder, no such file, or unreadable. `what` is
/// the kind of file, as the message names it.
std::string describeOpenFailure(const std::string& path, const char* what = "catalog");

}  // namespace glimmerkist::roll

#endif  // GLIMMERKIST_ROLL_CATALOG_SOURCE_H_
