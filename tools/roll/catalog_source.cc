#include "roll/catalog_source.h"

#include <filesystem>
#include <system_error>

#include "catalog/catalog_location.h"

namespace glimmerkist::roll {
namespace {

namespace fs = std::filesystem;

std::string quoted(const std::string& token) { return "\"" + token + "\""; }

}  // namespace

std::vector<std::string> defaultCatalogCandidates() {
  std::vector<std::string> candidates = {kCatalogFileName};
  const std::string installed = installedCatalog();
  if (!installed.empty()) candidates.push_back(installed);
  return candidates;
}

std::string findCatalog(const std::vector<std::string>& candidates) {
  for (const std::string& candidate : candidates) {
    std::error_code error;
    if (fs::is_regular_file(candidate, error)) return candidate;
  }
  return "";
}

std::string describeLoadProblem(const LoadResult& result, const std::string& path) {
  const std::string record = "record " + std::to_string(result.badRecord);
  switch (result.status) {
    case LoadStatus::kLoaded:
      return "";
    case LoadStatus::kOpenFailed:
      return "cannot open the catalog " + path;
    case LoadStatus::kTagMismatch:
      return path + ": " + record + ", " + quoted(result.badName) + " " + quoted(result.badTag) +
             ": the tag is none of the 18 category tags";
    case LoadStatus::kMissingTag:
      return path + ": " + record + ", " + quoted(result.badName) +
             ": the file ends before the record's tag";
    case LoadStatus::kNoteNotClosed:
      return path + ": the note opened by <note> is never closed by </note>";
  }
  return path + ": the catalog did not load";
}

}  // namespace glimmerkist::roll
