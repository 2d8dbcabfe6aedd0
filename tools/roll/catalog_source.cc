#include "roll/catalog_source.h"

#include <filesystem>
#include <system_error>

#include "base/quoted_input.h"
#include "catalog/catalog_location.h"

namespace glimmerkist::roll {
namespace {

namespace fs = std::filesystem;

}  // namespace

std::vector<std::string> defaultCatalogCandidates() {
  std::vector<std::string> candidates = {kCatalogFileName};
  const std::string installed = installedCatalog();
  if (!installed.empty()) candidates.push_back(installed);
  return candidates;
}

std::string defaultCatalog() {
  const std::string chosen = catalogToLoad();
  std::error_code error;
  return fs::exists(fs::symlink_status(chosen, error)) ? chosen : "";
}

std::string describeLoadProblem(const LoadResult& result, const std::string& path) {
  const std::string file = quotedPath(path);
  const std::string record = "record " + std::to_string(result.badRecord);
  switch (result.status) {
    case LoadStatus::kLoaded:
      return "";
    case LoadStatus::kOpenFailed:
      return describeOpenFailure(path);
    case LoadStatus::kTagMismatch:
      return file + ": " + record + ", " + quotedInput(result.badName) + " " +
             quotedInput(result.badTag) + ": the tag is none of the 18 category tags";
    case LoadStatus::kMissingTag:
      return file + ": " + record + ", " + quotedInput(result.badName) +
             ": the file ends before the record's tag";
    case LoadStatus::kNoteNotClosed:
      return file + ": the note opened by <note> is never closed by </note>";
    case LoadStatus::kTokenTooLong:
      return file + ": " + (result.badRecord > 0 ? record + ", " : "") +
             quotedInput(result.tooLongStart) + "...: a token longer than 64 MiB";
  }
  return file + ": the catalog did not load";
}

std::string describeOpenFailure(const std::string& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (fs::is_directory(status))
    return "the catalog " + quotedPath(path) + " is a folder, not a file";
  if (!fs::exists(status)) return "the catalog " + quotedPath(path) + " does not exist";
  return "the catalog " + quotedPath(path) + " cannot be opened for reading";
}

}  // namespace glimmerkist::roll
