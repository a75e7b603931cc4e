// The chart data dialog's checks and commit.
#include "chart/entrycheck.h"

#include <cstdio>
#include <cstring>

#include "chart/fields.h"

int readint(const std::string& text) { return readdecimal(text); }

// The month choice's item, taken as "Jan" when no item is chosen.
static int monthitem(const entries& e) {
  return e.mon >= 0 && e.mon <= 11 ? e.mon : 0;
}

const char* checkentries(const entries& e) {
  const fieldcheck* c = firstbad(commitentries(e));
  return c ? c->alert : nullptr;
}

// Copies a typed text into a record's 23-byte text with control characters
// (a pasted line feed or tab) turned into blanks: the page draws the text on
// one line and the chart file keeps one chart per line. A UTF-8 character
// that does not fit whole is left out rather than cut in half (a Devanagari
// letter is three bytes).
static void committext(char* dst, const std::string& src) {
  char text[24];
  std::size_t n = src.size() < 23 ? src.size() : 23;
  if (src.size() > 23) {
    auto cont = [&](std::size_t i) { return (static_cast<unsigned char>(src[i]) & 0xc0) == 0x80; };
    std::size_t k = n;
    while (k > 0 && n - k < 3 && cont(k)) --k;
    if (static_cast<unsigned char>(src[k]) >= 0xc0) n = k;
  }
  for (std::size_t i = 0; i < n; ++i) {
    unsigned char c = static_cast<unsigned char>(src[i]);
    text[i] = c < 0x20 || c == 0x7f ? ' ' : src[i];
  }
  text[n] = '\0';
  copytext(dst, text);
}

birthdata commitentries(const entries& e) {
  birthdata b;
  committext(b.name, e.name);
  committext(b.place, e.place);
  b.mon = monthitem(e) + 1;
  b.day = readint(e.day);
  b.year = readint(e.year);
  b.hour = readint(e.hour);
  b.min = readint(e.min);
  b.zhour = readint(e.zhour);
  b.zmin = readint(e.zmin);
  b.zeast = e.zone != 0;
  b.londg = readint(e.lond);
  b.lonmn = readint(e.lonm);
  b.loneast = e.lonew != 0;
  b.latdg = readint(e.latd);
  b.latmn = readint(e.latm);
  b.latsouth = e.latns != 0;
  derive(b);
  dateline(b.dtstr, b);
  return b;
}

static std::string decimal(int v) {
  char s[16];
  std::snprintf(s, sizeof s, "%d", v);
  return s;
}

entries entriesof(const birthdata& b) {
  entries e;
  e.name.assign(b.name, strnlen(b.name, sizeof b.name));
  e.place.assign(b.place, strnlen(b.place, sizeof b.place));
  e.mon = b.mon >= 1 && b.mon <= 12 ? b.mon - 1 : 0;
  e.day = decimal(b.day);
  e.year = decimal(b.year);
  e.hour = decimal(b.hour);
  e.min = decimal(b.min);
  e.zone = b.zeast ? 1 : 0;
  e.zhour = decimal(b.zhour);
  e.zmin = decimal(b.zmin);
  e.lond = decimal(b.londg);
  e.lonew = b.loneast ? 1 : 0;
  e.lonm = decimal(b.lonmn);
  e.latd = decimal(b.latdg);
  e.latns = b.latsouth ? 1 : 0;
  e.latm = decimal(b.latmn);
  return e;
}
