// Bytes of a chart's texts made safe for a terminal, a message, JSON or a
// line of their own.
#pragma once

#include <string>
#include <string_view>

// Which bytes escapebytes escapes, and how.
//   control  control bytes (below 0x20, and 0x7f) as \xHH; every other byte
//            as it stands (text for a terminal)
//   ascii    every byte but printable ASCII, and the quote and the
//            backslash, as \xHH (a line's bytes quoted in a message)
//   json     the body of a JSON string: quote and backslash escaped, bytes
//            below 0x20 as \u00hh, each byte that is not part of valid UTF-8
//            replaced by U+FFFD (overlong forms, surrogates and code points
//            past U+10FFFF are not valid)
enum class escapes { control, ascii, json };

std::string escapebytes(std::string_view s, escapes how);

// The same, added to the end of r.
void escapeinto(std::string& r, std::string_view s, escapes how);

// Copies n bytes of src to dst with each control byte (below 0x20, and 0x7f)
// turned into a blank, so that a text stays on one line of the page and of
// the chart file.
void blankcontrols(char* dst, const char* src, std::size_t n);

// Length of the valid UTF-8 sequence at the start of s (1 to 4), or 0 when
// its first byte does not begin one: overlong forms, surrogates and code
// points past U+10FFFF are not valid.
std::size_t utf8len(std::string_view s);
