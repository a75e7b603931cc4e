// Numbers written into the fixed-layout texts of a chart by hand, as printf
// would write them, without its cost.
#pragma once

#include <charconv>
#include <cstring>

// printf's "%Nd" (pad ' ') or "%0Nd" (pad '0') of v, N the width, written at
// p; returns the end. At most 11 bytes beyond the width.
inline char* putint(char* p, int v, int width = 0, char pad = ' ') {
  char d[12];
  char* e = std::to_chars(d, d + sizeof d, v).ptr;
  const char* s = d;
  if (pad == '0' && v < 0) {
    *p++ = *s++;
    --width;
  }
  for (int n = static_cast<int>(e - s); width > n; --width) *p++ = pad;
  std::memcpy(p, s, static_cast<std::size_t>(e - s));
  return p + (e - s);
}

// The n bytes of s written at p; returns the end.
inline char* puttext(char* p, const char* s, std::size_t n) {
  std::memcpy(p, s, n);
  return p + n;
}
