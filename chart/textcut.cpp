// Cutting texts at grapheme boundaries.
#include "chart/textcut.h"

#include <utf8proc.h>

#include "chart/escape.h"

std::size_t cutlen(std::string_view s, std::size_t max) {
  if (s.size() <= max) return s.size();
  std::size_t kept = 0;
  utf8proc_int32_t prev = -1, state = 0;  // the character before, -1 none or not UTF-8
  for (std::size_t at = 0; at <= max;) {
    const std::size_t n = utf8len(s.substr(at));
    utf8proc_int32_t c = -1;
    if (n > 0)
      utf8proc_iterate(reinterpret_cast<const utf8proc_uint8_t*>(s.data() + at),
                       static_cast<utf8proc_ssize_t>(n), &c);
    // Bytes that are not UTF-8 stand alone, and the cluster rules start
    // afresh after them.
    if (prev < 0 || c < 0 || utf8proc_grapheme_break_stateful(prev, c, &state)) kept = at;
    if (c < 0) state = 0;
    prev = c;
    at += n > 0 ? n : 1;
  }
  return kept;
}

std::string cuttext(std::string_view s) { return std::string(s.substr(0, cutlen(s))); }

std::string fittyped(std::string_view text, std::size_t& cursor, std::size_t max) {
  if (cursor > text.size()) cursor = text.size();
  const std::string_view after = text.substr(cursor);
  if (text.size() <= max) return std::string(text);
  if (after.size() > max) {  // not an edit of a text that fitted
    cursor = cutlen(text, max);
    return std::string(text.substr(0, cursor));
  }
  cursor = cutlen(text.substr(0, cursor), max - after.size());
  return std::string(text.substr(0, cursor)) + std::string(after);
}
