#include "catalog/catalog_loader.h"

#include <filesystem>
#include <fstream>

#include "catalog/token_reader.h"

namespace glimmerkist {
namespace {

constexpr char kNoteOpen[] = "<note>";
constexpr char kNoteClose[] = "</note>";

void reportCorrupt(Terminal& terminal, const char* reason) {
  terminal.clearScreen();
  terminal.out() << "\n The data.txt file is corrupt. " << reason << "\n\n ";
}

}  // namespace

LoadResult readCatalogFile(const std::string& path, ItemCatalog& catalog, CatalogFiles kinds) {
  std::error_code error;
  std::ifstream file;
  // By default only a regular file, or a link to one, is a catalog. A folder
  // reads as empty on some systems, opening a pipe waits for a writer that
  // may never come, and a device such as /dev/zero never ends: none is
  // opened. A folder is never a catalog.
  const bool allowed = kinds == CatalogFiles::kRegularOnly
                           ? std::filesystem::is_regular_file(path, error)
                           : !std::filesystem::is_directory(path, error);
  if (allowed) file.open(path, std::ios::binary);
  // A file that opens but cannot be read is no more use than a missing one.
  if (file.is_open()) file.peek();
  if (!file.is_open() || file.bad()) {
    LoadResult result;
    result.status = LoadStatus::kOpenFailed;
    return result;
  }
  return readCatalog(file, catalog);
}

LoadResult readCatalog(std::istream& in, ItemCatalog& catalog) {
  LoadResult result;
  TokenReader reader(in);
  reader.skipByteOrderMark();

  std::string token;
  if (reader.next(token) && token == kNoteOpen) {
    bool closed = false;
    while (reader.next(token)) {
      if (token == kNoteClose) {
        closed = true;
        break;
      }
    }
    if (!closed) {
      result.status = LoadStatus::kNoteNotClosed;
      return result;
    }
  }

  std::string name;
  std::string tag;
  while (reader.next(name)) {
    const bool hasTag = reader.next(tag);
    const int code = hasTag ? categoryFromTag(tag) : kNoCategory;
    if (code == kNoCategory) {
      result.status = hasTag ? LoadStatus::kTagMismatch : LoadStatus::kMissingTag;
      result.badRecord = result.filed + 1;
      result.badName = std::move(name);
      result.badTag = std::move(tag);
      break;
    }
    Item item;
    item.setCategory(code);
    item.setName(std::move(name));
    catalog.addItem(std::move(item));
    ++result.filed;
  }
  catalog.shrinkToFit();
  return result;
}

void reportLoad(Terminal& terminal, const LoadResult& result) {
  if (result.status == LoadStatus::kOpenFailed) {
    terminal.out() << "\n data.txt file failed to open\n";
    return;
  }
  terminal.out() << "\n Loading Data...\n";
  switch (result.status) {
    case LoadStatus::kLoaded:
    case LoadStatus::kOpenFailed:
      return;
    case LoadStatus::kNoteNotClosed:
      reportCorrupt(terminal, "The note is never closed");
      break;
    case LoadStatus::kTagMismatch:
    case LoadStatus::kMissingTag:
      reportCorrupt(terminal, "A data type did not match");
      terminal.out() << " Data: " << result.badName << " - " << result.badTag << "\n\n ";
      break;
  }
  terminal.pauseScreen();
}

LoadResult loadCatalog(ItemCatalog& catalog, Terminal& terminal, const std::string& path) {
  LoadResult result = readCatalogFile(path, catalog);
  reportLoad(terminal, result);
  return result;
}

}  // namespace glimmerkist
