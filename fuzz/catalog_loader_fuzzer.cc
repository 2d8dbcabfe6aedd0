// Feeds arbitrary bytes to the catalog loader as the content of data.txt and
// checks that what it filed agrees with what it reports.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "catalog/catalog_loader.h"
#include "catalog/item_category.h"
#include "catalog/token_reader.h"
#include "fuzz_terminal.h"

namespace glimmerkist {
namespace {

bool isSeparator(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool isToken(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (isSeparator(c)) return false;
  }
  return true;
}

}  // namespace
}  // namespace glimmerkist

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace glimmerkist;
  std::istringstream file(std::string(reinterpret_cast<const char*>(data), size));
  ItemCatalog catalog;
  FuzzTerminal terminal;
  const LoadResult result = readCatalog(file, catalog);
  reportLoad(terminal, result);

  std::int64_t filed = 0;
  for (int code = 0; code < kCategoryCount; ++code) {
    for (const Item& item : catalog.category(code)) {
      require(item.getCategory() == code);
      require(isToken(item.getName()));
      ++filed;
    }
  }
  require(filed == result.filed);

  switch (result.problem.kind) {
    case ProblemKind::kNone:
      require(result.badRecord == 0 && result.badName.empty() && result.badTag.empty());
      require(terminal.clears == 0 && terminal.pauses == 0);
      break;
    case ProblemKind::kCatalogTagMismatch:
      require(isToken(result.badName) && isToken(result.badTag));
      require(categoryFromTag(result.badTag) == kNoCategory);
      require(result.badRecord == result.filed + 1);
      require(terminal.clears == 1 && terminal.pauses == 1);
      break;
    case ProblemKind::kCatalogMissingTag:
      require(isToken(result.badName) && result.badTag.empty());
      require(result.badRecord == result.filed + 1);
      require(terminal.clears == 1 && terminal.pauses == 1);
      break;
    case ProblemKind::kCatalogNoteNotClosed:
      require(result.filed == 0);
      require(terminal.clears == 1 && terminal.pauses == 1);
      break;
    case ProblemKind::kCatalogTokenTooLong:
      require(size > kMaxCatalogTokenBytes);  // no shorter input holds such a token
      break;
    case ProblemKind::kCatalogUnopened:
      require(false);  // a stream is already open
      break;
  }
  return 0;
}
