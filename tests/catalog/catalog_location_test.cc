#include "catalog/catalog_location.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace glimmerkist {
namespace {

namespace fs = std::filesystem;

// The Debian layout: programs in games/, the catalog in share/games/.
const InstallLayout kGames{"games", "../share/games/glimmerkist/data.txt"};

TEST(CatalogLocationTest, InstalledCatalogIsFoundFromTheExecutablesFolder) {
  const InstallLayout nested{"lib/glimmerkist/bin", "../../../share/glimmerkist/data.txt"};
  const InstallLayout absolute{"/usr/games", "../share/games/glimmerkist/data.txt"};
  const InstallLayout beside{"", "data.txt"};
  const struct {
    const char* executable;
    InstallLayout layout;
    const char* catalog;
  } cases[] = {
      {"/usr/games/glimmerkist", kGames, "/usr/share/games/glimmerkist/data.txt"},
      {"/opt/my games/games/glimmerkist-roll", kGames,
       "/opt/my games/share/games/glimmerkist/data.txt"},
      {"/p/lib/glimmerkist/bin/glimmerkist", nested, "/p/share/glimmerkist/data.txt"},
      {"/usr/games/glimmerkist", absolute, "/usr/share/games/glimmerkist/data.txt"},
      {"/tmp/unpacked/usr/games/glimmerkist", kGames,
       "/tmp/unpacked/usr/share/games/glimmerkist/data.txt"},
      {"/games/glimmerkist", kGames, "/share/games/glimmerkist/data.txt"},
      {"/srv/Glimmerkist/glimmerkist.exe", beside, "/srv/Glimmerkist/data.txt"},
      {"/srv/Tr\xC3\xA9sors de Zo\xC3\xAB/glimmerkist.exe", beside,
       "/srv/Tr\xC3\xA9sors de Zo\xC3\xAB/data.txt"},
      // Not in the program folder: a build folder, another bin folder, a
      // folder that only ends like it, an absolute folder elsewhere.
      {"/home/gm/glimmerkist/build/glimmerkist", kGames, ""},
      {"/usr/bin/glimmerkist", kGames, ""},
      {"/usr/minigames/glimmerkist", kGames, ""},
      {"/tmp/unpacked/usr/games/glimmerkist", absolute, ""},
      {"/p/bin/glimmerkist", nested, ""},
      {"/glimmerkist", kGames, ""},
      {"", kGames, ""},
      {"", beside, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(installedCatalogFor(fs::u8path(c.executable), c.layout),
              fs::u8path(c.catalog).make_preferred().u8string())
        << c.executable << " in " << c.layout.programDir;
  }
}

TEST(CatalogLocationTest, TheTestProgramInItsBuildFolderHasNoInstalledCatalog) {
#ifdef _WIN32
  GTEST_SKIP() << "on Windows the catalog beside any executable counts";
#else
  EXPECT_EQ(installedCatalog(), "");
#endif
}

TEST(CatalogLocationTest, DataTxtHereComesFirstThenTheInstalledCatalog) {
  TempDir folder;
  fs::create_directories("prefix");
  enum Kind { kNone, kFile, kFolder, kDanglingLink };
  const auto make = [](const fs::path& path, Kind kind) {
    fs::remove_all(path);
    if (kind == kFile) writeFile(path.string(), "<note> </note>\n");
    if (kind == kFolder) fs::create_directory(path);
    if (kind == kDanglingLink) fs::create_symlink("nowhere.txt", path);
  };
  const std::string installed = "prefix/data.txt";
  const struct {
    Kind here;
    Kind installed;
    const char* chosen;
  } cases[] = {
      {kFile, kFile, "data.txt"},
      {kFile, kNone, "data.txt"},
      // Whatever else is here under the name is reported as failing to open.
      {kFolder, kFile, "data.txt"},
      {kDanglingLink, kFile, "data.txt"},
      {kNone, kFile, "prefix/data.txt"},
      // An installed catalog that cannot be read is reported as such.
      {kNone, kFolder, "prefix/data.txt"},
      {kNone, kNone, "data.txt"},
  };
  for (const auto& c : cases) {
#ifdef _WIN32
    if (c.here == kDanglingLink) continue;  // links need rights there
#endif
    make("data.txt", c.here);
    make(installed, c.installed);
    EXPECT_EQ(chooseCatalog(installed), c.chosen)
        << "here " << c.here << ", installed " << c.installed;
  }
  make("data.txt", kNone);
  EXPECT_EQ(chooseCatalog(""), "data.txt");
}

}  // namespace
}  // namespace glimmerkist
