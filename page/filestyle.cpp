// The page's texts as the file canvases draw them.
#include "page/filestyle.h"

#include "chart/escape.h"

namespace {

// Windows-1252 at 0x80..0x9F; 0 where the code page leaves the byte undefined.
// clang-format off
const char16_t cp1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};
// clang-format on

void put(std::string& r, unsigned u) {
  if (u < 0x80) {
    r += static_cast<char>(u);
  } else if (u < 0x800) {
    r += static_cast<char>(0xc0 | u >> 6);
    r += static_cast<char>(0x80 | (u & 0x3f));
  } else {
    r += static_cast<char>(0xe0 | u >> 12);
    r += static_cast<char>(0x80 | (u >> 6 & 0x3f));
    r += static_cast<char>(0x80 | (u & 0x3f));
  }
}

}  // namespace

std::string drawntext(std::string_view text) {
  std::string r;
  std::size_t i = 0;
  while (i < text.size()) {
    unsigned char c = text[i];
    std::size_t n = utf8len(text.substr(i));
    if (c < 0x20 || c == 0x7f) {
      put(r, 0xfffd);
      i += 1;
    } else if (n > 0) {
      r.append(text.substr(i, n));
      i += n;
    } else {
      unsigned u = c >= 0xa0 ? c : cp1252[c - 0x80];
      put(r, u ? u : 0xfffd);
      i += 1;
    }
  }
  return r;
}
