// A temporary folder that a test works in: the constructor makes it and
// changes into it; the destructor changes back and removes it.
#ifndef GLIMMERKIST_TESTS_SUPPORT_TEMP_DIR_H_
#define GLIMMERKIST_TESTS_SUPPORT_TEMP_DIR_H_

#include <filesystem>
#include <string>

namespace glimmerkist {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

/// Writes `content` to `name` byte for byte, replacing what was there.
void writeFile(const std::string& name, const std::string& content);

/// The whole content of `name` read as text, or an empty string when it
/// cannot be read. Text files such as the result file end their lines with
/// CR LF on Windows; read as text they give "\n" there too.
std::string readFile(const std::string& name);

}  // namespace glimmerkist

#endif  // GLIMMERKIST_TESTS_SUPPORT_TEMP_DIR_H_
