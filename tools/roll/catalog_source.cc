#include "roll/catalog_source.h"

#include <filesystem>
#include <system_error>

#include "base/quoted_input.h"

namespace glimmerkist::roll {
namespace {

namespace fs = std::filesystem;

// The installed catalog relative to the folder of the executable.
std::string besideExecutable() {
#ifdef __linux__
  std::error_code error;
  const fs::path exe = fs::read_symlink("/proc/self/exe", error);
  if (error) return "";
  return (exe.parent_path() / ".." / "share" / "glimmerkist" / kCatalogFileName)
      .lexically_normal()
      .string();
#else
  return "";
#endif
}

}  // namespace

std::vector<std::string> defaultCatalogCandidates() {
  std::vector<std::string> candidates = {kCatalogFileName};
  const std::string beside = besideExecutable();
  if (!beside.empty()) candidates.push_back(beside);
#ifdef GLIMMERKIST_INSTALLED_CATALOG
  if (beside != GLIMMERKIST_INSTALLED_CATALOG) candidates.push_back(GLIMMERKIST_INSTALLED_CATALOG);
#endif
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
  const std::string file = quotedInput(path);
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
  }
  return file + ": the catalog did not load";
}

std::string describeOpenFailure(const std::string& path) {
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (fs::is_directory(status))
    return "the catalog " + quotedInput(path) + " is a folder, not a file";
  if (!fs::exists(status)) return "the catalog " + quotedInput(path) + " does not exist";
  return "the catalog " + quotedInput(path) + " cannot be opened for reading";
}

}  // namespace glimmerkist::roll
