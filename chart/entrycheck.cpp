// The chart data dialog's checks and commit.
#include "chart/entrycheck.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "chart/escape.h"
#include "chart/fields.h"

// The month choice's item, taken as "Jan" when no item is chosen.
static int monthitem(const entries& e) { return e.mon >= 0 && e.mon <= 11 ? e.mon : 0; }

const char* checkentries(const entries& e) {
  const fieldcheck* c = firstbad(commitentries(e));
  return c ? c->alert : nullptr;
}

std::string cuttext(std::string_view s) {
  std::size_t n = 0;
  while (n < s.size()) {
    std::size_t len = std::max<std::size_t>(utf8len(s.substr(n)), 1);
    if (n + len > textmax) break;
    n += len;
  }
  return std::string(s.substr(0, n));
}

// Copies a typed text into a record's text with control characters (a
// pasted line feed or tab) turned into blanks.
static void committext(char* dst, const std::string& src) {
  const std::string s = cuttext(src);
  char text[textmax + 1];
  blankcontrols(text, s.data(), s.size());
  text[s.size()] = '\0';
  copytext(dst, text);
}

birthdata commitentries(const entries& e) {
  birthdata b;
  committext(b.name, e.name);
  committext(b.place, e.place);
  b.mon = monthitem(e) + 1;
  b.day = readdecimal(e.day);
  b.year = readdecimal(e.year);
  b.hour = readdecimal(e.hour);
  b.min = readdecimal(e.min);
  b.zhour = readdecimal(e.zhour);
  b.zmin = readdecimal(e.zmin);
  b.zeast = e.zone != 0;
  b.londg = readdecimal(e.lond);
  b.lonmn = readdecimal(e.lonm);
  b.loneast = e.lonew != 0;
  b.latdg = readdecimal(e.latd);
  b.latmn = readdecimal(e.latm);
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
