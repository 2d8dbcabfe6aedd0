# Sourced by the scripts that build what ships: scripts/release,
# scripts/check-package and scripts/check-windows build in the same folders
# in the same way, so a release reuses the checks' builds and the checks
# test what a release ships. Each function runs from the top of the checkout.

# `build_package_programs` configures and builds build/package, the programs
# of the Debian package, in the layout the package installs.
build_package_programs() {
  # The layout is given, not taken from the defaults, so that an older build
  # folder of another layout cannot make another package.
  cmake -S . -B build/package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_INSTALL_BINDIR=games -DCMAKE_INSTALL_DATADIR=share/games \
    -DGLIMMERKIST_TESTS=OFF -DGLIMMERKIST_WERROR=ON >/dev/null
  cmake --build build/package -j 2
}

# `build_windows_programs` cross-builds build/windows/program, the programs
# of the Windows ZIP, with the default MinGW compilers.
build_windows_programs() {
  local deps=$PWD/build/windows/deps library
  # glimmerkist-roll's two header-only libraries, reached through a folder
  # that holds only their headers, so no other host header leaks into the
  # Windows build.
  mkdir -p "$deps/include"
  for library in CLI nlohmann; do
    ln -sfn "/usr/include/$library" "$deps/include/$library"
  done
  cmake -S . -B build/windows/program -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DGLIMMERKIST_TESTS=OFF -DGLIMMERKIST_WERROR=ON \
    -DGLIMMERKIST_WINDOWS_DEPS="$deps" >/dev/null
  cmake --build build/windows/program -j 2
}

# `project_version` prints the version set in CMakeLists.txt.
project_version() {
  sed -n 's/^project(glimmerkist VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt
}

# `reproducible_zip FOLDER ZIP` packs FOLDER, with FOLDER's own name as the
# one folder inside, into ZIP (an absolute path): entries sorted, every
# time SOURCE_DATE_EPOCH's (the last commit's unless set), modes 755 for
# folders and programs and 644 for the rest, no owners or extra times.
reproducible_zip() {
  local folder=$1 zip=$2 epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
  find "$folder" -type d -exec chmod 755 {} +
  find "$folder" -type f -exec chmod 644 {} +
  find "$folder" -type f \( -name '*.exe' -o -name '*.dll' \) -exec chmod 755 {} +
  find "$folder" -exec touch -h -d "@$epoch" {} +
  rm -f "$zip"
  (cd "$(dirname "$folder")" && find "$(basename "$folder")" | LC_ALL=C sort |
    TZ=UTC zip -X -q -9 "$zip" -@)
}

# `pack_windows_zip DIR` packs the Windows programs built by
# build_windows_programs, stripped, into DIR/glimmerkist-VERSION-win64.zip:
# one folder holding the programs, the catalog, README.txt and LICENSE.txt.
# MinGW's strip stamps the programs with SOURCE_DATE_EPOCH, else with the
# time it runs: the last commit's time it is.
pack_windows_zip() {
  local dir=$1 name stage
  name=glimmerkist-$(project_version)-win64
  stage=$(mktemp -d "${TMPDIR:-/tmp}/glimmerkist-zip.XXXXXX")
  SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)} \
    cmake --install build/windows/program --strip --prefix "$stage/$name" >/dev/null
  reproducible_zip "$stage/$name" "$(cd "$dir" && pwd)/$name.zip"
  rm -rf "$stage"
}
