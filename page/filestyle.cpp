// The page's texts as the file canvases draw them.
#include "page/filestyle.h"

#include "chart/escape.h"

namespace {

// Windows-1252 at 0x80..0x9F in UTF-8; U+FFFD where the code page leaves the
// byte undefined.
// clang-format off
const char* const cp1252[32] = {
    "\u20AC", "\uFFFD", "\u201A", "\u0192", "\u201E", "\u2026", "\u2020", "\u2021",
    "\u02C6", "\u2030", "\u0160", "\u2039", "\u0152", "\uFFFD", "\u017D", "\uFFFD",
    "\uFFFD", "\u2018", "\u2019", "\u201C", "\u201D", "\u2022", "\u2013", "\u2014",
    "\u02DC", "\u2122", "\u0161", "\u203A", "\u0153", "\uFFFD", "\u017E", "\u0178",
};
// clang-format on

}  // namespace

std::string drawntext(std::string_view text) {
  std::string r;
  std::size_t i = 0;
  while (i < text.size()) {
    unsigned char c = text[i];
    std::size_t n = utf8len(text.substr(i));
    if (c < 0x20 || c == 0x7f) {
      r += "\uFFFD";
      i += 1;
    } else if (n > 0) {
      r.append(text.substr(i, n));
      i += n;
    } else if (c >= 0xa0) {
      // Latin-1, U+00A0..U+00FF: two bytes.
      r += static_cast<char>(0xc0 | c >> 6);
      r += static_cast<char>(0x80 | (c & 0x3f));
      i += 1;
    } else {
      r += cp1252[c - 0x80];
      i += 1;
    }
  }
  return r;
}
