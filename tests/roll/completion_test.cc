// The bash completion of glimmerkist-roll, run in bash without the
// bash-completion package, as a minimal system has it.
#ifndef _WIN32

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/temp_dir.h"

namespace glimmerkist {
namespace {

// What the completion offers for the command line `words`, the last of them
// being completed: one offer a line, sorted.
std::string offers(const std::string& words) {
  const std::string script = std::string("source '") + GLIMMERKIST_COMPLETION + "'; COMP_WORDS=(" +
                             words +
                             "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _glimmerkist_roll;"
                             " printf '%s\\n' \"${COMPREPLY[@]}\" | LC_ALL=C sort";
  writeFile("complete.sh", script);
  FILE* bash = popen("bash --norc --noprofile complete.sh 2>/dev/null", "r");
  if (bash == nullptr) return "(no bash)";
  std::string text;
  char buffer[256];
  for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, bash)) > 0;)
    text.append(buffer, got);
  pclose(bash);
  return text;
}

TEST(CompletionTest, CatalogNamesWithBlanksStayWhole) {
  TempDir dir;
  for (const char* name : {"my items.txt", "my notes.txt", "other.txt"}) writeFile(name, "");
  const struct {
    const char* words;
    const char* offered;
  } cases[] = {
      {"glimmerkist-roll catalog --catalog my", "my items.txt\nmy notes.txt\n"},
      {"glimmerkist-roll encounter A --catalog 'my\\ i'", "my items.txt\n"},
      {"glimmerkist-roll item --catalog '\"my n'", "my notes.txt\n"},
      {"glimmerkist-roll catalog --catalog o", "other.txt\n"},
      {"glimmerkist-roll catalog --format j", "json\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(offers(c.words), c.offered) << c.words;
}

}  // namespace
}  // namespace glimmerkist

#endif  // _WIN32
