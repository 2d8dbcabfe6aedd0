// The catalog loader reads data.txt into an ItemCatalog.
//
// The file is a header token (a note between "<note>" and "</note>" tokens,
// or any single token, which is ignored) followed by records of two tokens:
// an item name with underscores for spaces, then one of the 18 category tags.
//
// Loading is two steps. Reading files the records and returns what it found
// as a LoadResult, printing nothing, so that any front end can word the
// problem its own way. Reporting shows the interactive program's fixed
// messages for a result on the terminal. Loading never fails the program,
// which goes on with what was filed.
#ifndef GLIMMERKIST_CATALOG_CATALOG_LOADER_H_
#define GLIMMERKIST_CATALOG_CATALOG_LOADER_H_

#include <cstdint>
#include <istream>
#include <string>

#include "base/problem.h"
#include "base/terminal.h"
#include "catalog/item_catalog.h"

namespace glimmerkist {

/// The name of the catalog file, looked for in the current directory.
inline constexpr char kCatalogFileName[] = "data.txt";

struct LoadResult {
  /// ok when every record was filed; otherwise one of the kCatalog problems,
  /// its detail naming the record and its tokens, quoted.
  Problem problem;
  /// Records filed into the catalog.
  std::int64_t filed = 0;
  /// For kCatalogTagMismatch and kCatalogMissingTag: the record's number (from 1) and its
  /// two tokens, the tag empty when missing.
  std::int64_t badRecord = 0;
  std::string badName;
  std::string badTag;
  /// For kCatalogTokenTooLong: the first 60 bytes of the token; badRecord is the
  /// record it belongs to, 0 when it is the header or in the note.
  std::string tooLongStart;
};

/// Which files a catalog may be read from.
enum class CatalogFiles {
  /// Regular files only. The interactive program looks for data.txt without
  /// being told to, and must not wait on a pipe or read a device for ever.
  kRegularOnly,
  /// Anything that opens for reading but a folder: a pipe, /dev/stdin, the
  /// descriptor of a process substitution. For a catalog named explicitly.
  kAnyButFolder,
};

/// Opens `path` and reads it into `catalog`. Prints nothing. kCatalogUnopened when
/// `path` is not of the kinds allowed or cannot be opened or read.
LoadResult readCatalogFile(const std::string& path, ItemCatalog& catalog,
                           CatalogFiles kinds = CatalogFiles::kRegularOnly);

/// Reads an already opened stream into `catalog`, as readCatalogFile does
/// after the open. Prints nothing; never gives kCatalogUnopened.
LoadResult readCatalog(std::istream& in, ItemCatalog& catalog);

/// Shows the interactive program's messages for `result`: the failed open
/// and a pause, or the loading line followed, for a corrupt file, by the
/// corrupt-file report and a pause. The report shows a bad record's tokens
/// cut to their first 1,024 bytes and with control characters as "?".
void reportLoad(Terminal& terminal, const LoadResult& result);

/// Reads `path` into `catalog` and reports the outcome on `terminal`.
LoadResult loadCatalog(ItemCatalog& catalog, Terminal& terminal,
                       const std::string& path = kCatalogFileName);

}  // namespace glimmerkist

#endif  // GLIMMERKIST_CATALOG_CATALOG_LOADER_H_
