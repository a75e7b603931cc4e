// Choosing a choice's entry by typing its first letters.
#include "gui/typeahead.h"

#include <cctype>

namespace {

// The first of items that starts with prefix, case ignored; -1 when none does.
int firststarting(const char* const* items, std::string_view prefix) {
  for (int i = 0; items[i]; ++i) {
    const std::string_view item(items[i]);
    if (item.size() < prefix.size()) continue;
    std::size_t k = 0;
    while (k < prefix.size() && std::tolower(static_cast<unsigned char>(item[k])) ==
                                    std::tolower(static_cast<unsigned char>(prefix[k])))
      ++k;
    if (k == prefix.size()) return i;
  }
  return -1;
}

}  // namespace

int typeahead(const char* const* items, std::string& typed, std::string_view key) {
  if (key.empty()) return -1;
  std::string longer = typed;
  longer.append(key);
  int i = firststarting(items, longer);
  if (i >= 0) {
    typed = longer;
    return i;
  }
  i = firststarting(items, key);
  if (i >= 0) typed.assign(key);
  return i;
}
