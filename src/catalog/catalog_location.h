// Where a program finds its catalog when none is named: data.txt in the
// current folder, else the catalog installed with the program.
//
// An installed program knows its catalog by the catalog's place relative to
// the executable, so the installation works under any prefix. On POSIX the
// build's install layout gives both places: programs in <prefix>/games and
// the catalog in <prefix>/share/games/glimmerkist/data.txt unless configured
// otherwise. On Windows the catalog lies beside the executable. A program
// that is not in the layout's program folder, such as one run from its build
// folder, has no installed catalog.
#ifndef GLIMMERKIST_CATALOG_CATALOG_LOCATION_H_
#define GLIMMERKIST_CATALOG_CATALOG_LOCATION_H_

#include <filesystem>
#include <string>

namespace glimmerkist {

/// Where an installation puts its programs and its catalog.
struct InstallLayout {
  /// The programs' folder relative to the prefix (or absolute); empty means
  /// any folder.
  std::filesystem::path programDir;
  /// The catalog relative to the programs' folder.
  std::filesystem::path catalogFromProgramDir;
};

/// The layout this build installs with.
InstallLayout installLayout();

/// The catalog installed with the executable at `executable` (an absolute
/// path) under `layout`, or "" when the executable does not lie in the
/// layout's program folder. Looks at no file.
std::string installedCatalogFor(const std::filesystem::path& executable,
                                const InstallLayout& layout);

/// The installed catalog of the running program, or "" when there is none
/// or the program cannot tell where its executable is. Looks at no file.
std::string installedCatalog();

/// The catalog to load: "data.txt" when anything of that name is in the
/// current folder, so that a folder or an unreadable file there is reported
/// as ever; else `installed` when it is not empty and names something that
/// exists; else "data.txt", whose absence the loader reports.
std::string chooseCatalog(const std::string& installed);

/// chooseCatalog(installedCatalog()): what the interactive program loads.
std::string catalogToLoad();

}  // namespace glimmerkist

#endif  // GLIMMERKIST_CATALOG_CATALOG_LOCATION_H_
