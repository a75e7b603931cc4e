// Choosing a choice's entry by typing its first letters.
#pragma once

#include <string>
#include <string_view>

// The entry that a key typed on a choice selects: the first of items (a list
// ended by a null pointer) that starts with typed + key, case ignored, and
// typed becomes typed + key; when none does, the first that starts with key
// alone, and typed becomes key. So "A", "u", "g" select Apr, Aug, Aug, and a
// later "S" starts again at Sep. -1, with typed left as it was, when no entry
// starts with key (or key is empty).
int typeahead(const char* const* items, std::string& typed, std::string_view key);
