// The names of the 51 gem kinds, exactly as the program prints them.
#ifndef GLIMMERKIST_TREASURE_GEM_NAMES_H_
#define GLIMMERKIST_TREASURE_GEM_NAMES_H_

#include <array>
#include <string>
#include <string_view>

#include "treasure/gem.h"

namespace glimmerkist {

/// The table the printers receive, indexed by gem kind.
using GemNames = std::array<std::string, kGemKindCount>;

/// The stored names, indexed by gem kind (misspellings are the program's own).
extern const std::array<std::string_view, kGemKindCount> kGemNames;

/// The table filled from the stored names.
GemNames filledGemNames();

/// True for kinds that name a gem, 0 to 50.
inline bool isGemKind(int kind) { return kind >= 0 && kind < kGemKindCount; }

}  // namespace glimmerkist

#endif  // GLIMMERKIST_TREASURE_GEM_NAMES_H_
