// A scratch folder for a fuzz target that writes files: made once, made the
// current folder, and removed when the target ends.
#ifndef GLIMMERKIST_FUZZ_FUZZ_FOLDER_H_
#define GLIMMERKIST_FUZZ_FUZZ_FOLDER_H_

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace glimmerkist {

inline std::filesystem::path& fuzzFolder() {
  static std::filesystem::path folder;
  return folder;
}

/// Makes a folder named after `name` and enters it. In memory where there is
/// such a folder: rewriting a file on a disk makes the file system start
/// writing it out at every input.
inline void enterFuzzFolder(const std::string& name) {
  std::error_code error;
  const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                         ? std::filesystem::path("/dev/shm")
                                         : std::filesystem::temp_directory_path();
  std::string pattern = (base / (name + "-XXXXXX")).string();
  if (mkdtemp(pattern.data()) == nullptr) std::abort();
  fuzzFolder() = pattern;
  std::filesystem::current_path(fuzzFolder());
  std::atexit([] {
    std::error_code ignored;
    std::filesystem::current_path("/", ignored);
    std::filesystem::remove_all(fuzzFolder(), ignored);
  });
}

}  // namespace glimmerkist

#endif  // GLIMMERKIST_FUZZ_FUZZ_FOLDER_H_
