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
  const Problem& problem = result.problem;
  if (problem.ok()) return "";
  if (problem.kind == ProblemKind::kCatalogUnopened) return describeOpenFailure(path);
  std::string line = quotedPath(path) + ": ";
  if (!problem.detail.empty()) line += problem.detail + ": ";
  return line + problem.message();
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
