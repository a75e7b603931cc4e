// Byte escaping for terminals, messages and JSON.
#include "chart/escape.h"

#include <cstdio>

void blankcontrols(char* dst, const char* src, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    unsigned char c = static_cast<unsigned char>(src[i]);
    dst[i] = c < 0x20 || c == 0x7f ? ' ' : src[i];
  }
}

std::size_t utf8len(std::string_view s) {
  auto at = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  auto cont = [&](std::size_t i, unsigned lo = 0x80, unsigned hi = 0xbf) {
    return i < s.size() && at(i) >= lo && at(i) <= hi;
  };
  unsigned c = at(0);
  if (c < 0x80) return 1;
  if (c >= 0xc2 && c <= 0xdf) return cont(1) ? 2 : 0;
  if (c >= 0xe0 && c <= 0xef) {
    unsigned lo = c == 0xe0 ? 0xa0 : 0x80;
    unsigned hi = c == 0xed ? 0x9f : 0xbf;
    return cont(1, lo, hi) && cont(2) ? 3 : 0;
  }
  if (c >= 0xf0 && c <= 0xf4) {
    unsigned lo = c == 0xf0 ? 0x90 : 0x80;
    unsigned hi = c == 0xf4 ? 0x8f : 0xbf;
    return cont(1, lo, hi) && cont(2) && cont(3) ? 4 : 0;
  }
  return 0;
}

void escapeinto(std::string& r, std::string_view s, escapes how) {
  std::size_t i = 0;
  while (i < s.size()) {
    // A run of printable ASCII other than the quote and the backslash stands
    // as it is in every way.
    std::size_t run = i;
    while (run < s.size() && s[run] >= 0x20 && s[run] <= 0x7e && s[run] != '"' && s[run] != '\\')
      ++run;
    r.append(s.substr(i, run - i));
    if ((i = run) == s.size()) break;
    unsigned char c = s[i];
    std::size_t n = how == escapes::json ? utf8len(s.substr(i)) : 1;
    bool control = c < 0x20 || (c == 0x7f && how != escapes::json);
    bool quote = c == '"' || c == '\\';
    char esc[8];
    if (n == 0) {
      r += "\xef\xbf\xbd";  // U+FFFD
      n = 1;
    } else if (how == escapes::json && quote) {
      r += '\\';
      r += static_cast<char>(c);
    } else if (how == escapes::json && control) {
      std::snprintf(esc, sizeof esc, "\\u%04x", c);
      r += esc;
    } else if (control || (how == escapes::ascii && (quote || c >= 0x80))) {
      std::snprintf(esc, sizeof esc, "\\x%02x", c);
      r += esc;
    } else {
      r.append(s.substr(i, n));
    }
    i += n;
  }
}

std::string escapebytes(std::string_view s, escapes how) {
  std::string r;
  escapeinto(r, s, how);
  return r;
}
