#include "catalog/item.h"

#include <algorithm>

namespace glimmerkist {

void replaceUnderscores(std::string& text) { std::replace(text.begin(), text.end(), '_', ' '); }

}  // namespace glimmerkist
