#include "catalog/item.h"

#include <algorithm>

namespace glimmerkist {

void replaceUnderscores(std::string& text) { std::replace(text.begin(), text.end(), '_', ' '); }

std::string maskControlCharacters(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte == 0xC2 && i + 1 < text.size()) {
      const auto next = static_cast<unsigned char>(text[i + 1]);
      if (next >= 0x80 && next <= 0x9F) {
        shown += '?';
        ++i;
        continue;
      }
    }
    shown += (byte < 0x20 || byte == 0x7F) ? '?' : text[i];
  }
  return shown;
}

}  // namespace glimmerkist
