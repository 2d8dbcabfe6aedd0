#include "catalog/catalog_loader.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "base/quoted_input.h"
#include "catalog/item.h"
#include "catalog/token_reader.h"

namespace glimmerkist {
namespace {

constexpr char kNoteOpen[] = "<note>";
constexpr char kNoteClose[] = "</note>";

// How much of an over-long token the report shows.
constexpr std::size_t kTooLongShown = 60;

// The most bytes of a bad record's name or tag that the report shows, so
// that a huge token does not flood the screen.
constexpr std::size_t kReportedTokenBytes = 1024;

// The most room made for names before reading, enough for some ten million
// records; a larger catalog grows the room as it goes, so that a huge file of
// anything but records cannot claim address space it never fills.
constexpr std::uintmax_t kNameRoomLimit = std::uintmax_t{256} << 20;

void reportCorrupt(Terminal& terminal, const char* reason) {
  terminal.clearScreen();
  terminal.out() << "\n The data.txt file is corrupt. " << reason << "\n\n ";
}

// A token of the file as the report shows it: its first kReportedTokenBytes
// bytes and "..." when longer, control characters as "?".
std::string reportedToken(std::string_view token) {
  if (token.size() <= kReportedTokenBytes) return maskControlCharacters(token);
  return maskControlCharacters(token.substr(0, kReportedTokenBytes)) + "...";
}

std::string recordNumber(std::int64_t record) { return "record " + std::to_string(record); }

// Files the start of the reader's over-long token into `result`; `record`
// is the record it belongs to, 0 for the header or the note.
void fileTooLong(const TokenReader& reader, std::int64_t record, LoadResult& result) {
  result.badRecord = record;
  result.tooLongStart = std::string(reader.tooLongStart(kTooLongShown));
  result.problem = {
      ProblemKind::kCatalogTokenTooLong,
      (record > 0 ? recordNumber(record) + ", " : "") + quotedInput(result.tooLongStart) + "..."};
}

}  // namespace

LoadResult readCatalogFile(const std::string& path, ItemCatalog& catalog, CatalogFiles kinds) {
  std::error_code error;
  std::ifstream file;
  // Paths are UTF-8; opened by their path, the file is found whatever
  // letters its folders' names hold, on Windows too (by the wide API).
  const std::filesystem::path where = std::filesystem::u8path(path);
  // By default only a regular file, or a link to one, is a catalog. A folder
  // reads as empty on some systems, opening a pipe waits for a writer that
  // may never come, and a device such as /dev/zero never ends: none is
  // opened. A folder is never a catalog.
  const bool allowed = kinds == CatalogFiles::kRegularOnly
                           ? std::filesystem::is_regular_file(where, error)
                           : !std::filesystem::is_directory(where, error);
  if (allowed) file.open(where, std::ios::binary);
  // A file that opens but cannot be read is no more use than a missing one.
  if (file.is_open()) file.peek();
  if (!file.is_open() || file.bad()) {
    LoadResult result;
    result.problem.kind = ProblemKind::kCatalogUnopened;
    return result;
  }
  const std::uintmax_t size = std::filesystem::file_size(where, error);
  if (!error) catalog.reserveNameBytes(static_cast<std::size_t>(std::min(size, kNameRoomLimit)));
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
    if (!closed && !reader.tooLong()) {
      result.problem.kind = ProblemKind::kCatalogNoteNotClosed;
      return result;
    }
  }

  if (reader.tooLong()) {
    fileTooLong(reader, 0, result);
    return result;
  }

  // The name is copied, as reading the tag may move on to the next block;
  // the tag is only looked at.
  std::string name;
  std::string_view tag;
  while (reader.next(name)) {
    const bool hasTag = reader.next(tag);
    if (reader.tooLong()) break;
    const int code = hasTag ? categoryFromTag(tag) : kNoCategory;
    if (code == kNoCategory) {
      result.badRecord = result.filed + 1;
      result.badName = std::move(name);
      result.badTag = std::string(tag);
      std::string detail = recordNumber(result.badRecord) + ", " + quotedInput(result.badName);
      if (hasTag) detail += " " + quotedInput(result.badTag);
      result.problem = {hasTag ? ProblemKind::kCatalogTagMismatch : ProblemKind::kCatalogMissingTag,
                        std::move(detail)};
      break;
    }
    catalog.addItem(code, name);
    ++result.filed;
  }
  if (reader.tooLong()) fileTooLong(reader, result.filed + 1, result);
  catalog.shrinkToFit();
  return result;
}

void reportLoad(Terminal& terminal, const LoadResult& result) {
  if (result.problem.kind == ProblemKind::kCatalogUnopened) {
    terminal.out() << "\n data.txt file failed to open\n";
    terminal.pauseScreen();
    return;
  }
  terminal.out() << "\n Loading Data...\n";
  switch (result.problem.kind) {
    case ProblemKind::kNone:
    case ProblemKind::kCatalogUnopened:
    default:
      return;
    case ProblemKind::kCatalogNoteNotClosed:
      reportCorrupt(terminal, "The note is never closed");
      break;
    case ProblemKind::kCatalogTagMismatch:
    case ProblemKind::kCatalogMissingTag:
      reportCorrupt(terminal, "A data type did not match");
      terminal.out() << " Data: " << reportedToken(result.badName) << " - "
                     << reportedToken(result.badTag) << "\n\n ";
      break;
    case ProblemKind::kCatalogTokenTooLong:
      reportCorrupt(terminal, "A token is too long");
      terminal.out() << " Data: " << maskControlCharacters(result.tooLongStart) << "...\n\n ";
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
