// A chart file's items whole, for the tests: the text split at once, and
// the file listed into a vector.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart/chartfile.h"

// The items of text by itemend's rule: N lines give N + 1 items, the last
// one empty, and an empty text gives one empty item.
inline std::vector<std::string_view> splititems(std::string_view text) {
  std::vector<std::string_view> items;
  for (const char *p = text.data(), *end = p + text.size(), *e;; p = e + 1) {
    e = itemend(p, end, 0);
    items.emplace_back(p, static_cast<std::size_t>(e - p));
    // The byte that ends an item is not kept, whichever it is.
    if (e == end) return items;
  }
}

// The chart list's items of the file at path, as listfile gives them; the
// list is empty, with opened false, when the file cannot be read whole.
inline std::vector<std::string> listitems(const char* path, bool* opened) {
  std::vector<std::string> items;
  *opened = listfile(path, [&](std::string_view s) { items.emplace_back(s); }).opened;
  if (!*opened) items.clear();
  return items;
}
