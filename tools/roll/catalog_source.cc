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
  return fs::exists(fs::symlink_status(fs::u8path(chosen), error)) ? chosen : "";
}

std::string describeLoadProblem(const LoadResult& result, const std::string& path) {
  const Problem& problem = result.problem;
  if (problem.ok()) return "";
  if (problem.kind == ProblemKind::kCatalogUnopened) return describeOpenFailure(path);
  std::string line = quotedPath(path) + ": ";
  if (!problem.detail.empty()) line += problem.detail + ": ";
  return line + problem.message();
}

std::string describeOpenFailure(const std::string& path, const char* what) {
  std::error_code error;
  const fs::file_status status = fs::status(fs::u8path(path), error);
  const std::string file = std::string("the ") + what + " " + quotedPath(path);
  if (fs::is_directory(status)) return file + " is a folder, not a file";
  if (!fs::exists(status)) return file + " does not exist";
  return file + " cannot be opened for reading";
}

}  // namespace glimmerkist::roll
