#include "catalog/catalog_location.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "catalog/catalog_loader.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace glimmerkist {
namespace {

namespace fs = std::filesystem;

// The running program's executable, or an empty path when it cannot be told.
fs::path runningExecutable() {
#if defined(_WIN32)
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return fs::path(buffer.substr(0, length));
    buffer.resize(buffer.size() * 2);
  }
#elif defined(__linux__)
  std::error_code error;
  fs::path exe = fs::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return exe;
#else
  return {};
#endif
}

// True when `folder` ends with the components of `tail`; an absolute `tail`
// must match the whole folder.
bool endsWith(const fs::path& folder, const fs::path& tail) {
  std::vector<fs::path> have(folder.begin(), folder.end());
  std::vector<fs::path> want;
  for (const fs::path& part : tail) {
    if (!part.empty() && part != ".") want.push_back(part);
  }
  if (tail.is_absolute() && have.size() != want.size()) return false;
  if (want.size() > have.size()) return false;
  return std::equal(want.rbegin(), want.rend(), have.rbegin());
}

}  // namespace

InstallLayout installLayout() {
#if defined(_WIN32)
  return {fs::path(), fs::path(kCatalogFileName)};
#elif defined(GLIMMERKIST_PROGRAM_DIR) && defined(GLIMMERKIST_CATALOG_FROM_PROGRAM_DIR)
  return {fs::path(GLIMMERKIST_PROGRAM_DIR), fs::path(GLIMMERKIST_CATALOG_FROM_PROGRAM_DIR)};
#else
  return {fs::path("games"), fs::path("../share/games/glimmerkist") / kCatalogFileName};
#endif
}

std::string installedCatalogFor(const fs::path& executable, const InstallLayout& layout) {
  if (executable.empty() || !executable.has_parent_path()) return "";
  const fs::path folder = executable.parent_path();
  if (!layout.programDir.empty() && !endsWith(folder, layout.programDir.lexically_normal())) {
    return "";
  }
  return (folder / layout.catalogFromProgramDir).lexically_normal().u8string();
}

std::string installedCatalog() { return installedCatalogFor(runningExecutable(), installLayout()); }

std::string chooseCatalog(const std::string& installed) {
  // Anything but a plain "no such file" keeps data.txt, so the loader
  // reports it as before.
  std::error_code error;
  if (fs::symlink_status(kCatalogFileName, error).type() != fs::file_type::not_found) {
    return kCatalogFileName;
  }
  if (!installed.empty() && fs::exists(fs::symlink_status(fs::u8path(installed), error))) {
    return installed;
  }
  return kCatalogFileName;
}

std::string catalogToLoad() { return chooseCatalog(installedCatalog()); }

}  // namespace glimmerkist
