// The birth data record: derivation, text copies and the date line.
#include "chart/birth.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "chart/numtext.h"
#include "engine/calendar.h"

void derive(birthdata& b) {
  b.zone = b.zhour + b.zmin / 60.0;
  if (b.zeast) b.zone = -b.zone;
  b.lon = b.londg + b.lonmn / 60.0;
  if (b.loneast) b.lon = -b.lon;
  b.lat = b.latdg + b.latmn / 60.0;
  if (b.latsouth) b.lat = -b.lat;
}

chartstate castchart(const birthdata& b) {
  return castchart(b.mon, b.day, b.year, b.hour, b.min, b.zone, b.lon, b.lat);
}

void copytext(char* dst, const char* src) { std::strncpy(dst, src ? src : "", textmax); }

int readdecimal(std::string_view s) {
  std::size_t i = 0;
  auto space = [](char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
  };
  while (i < s.size() && space(s[i])) ++i;
  bool neg = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    neg = s[i] == '-';
    ++i;
  }
  long long v = 0;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
    if (v <= INT_MAX) v = v * 10 + (s[i] - '0');
  }
  if (neg) v = -v;
  return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

void datestart(char* dtstr, const std::tm& now) {
  // strftime leaves the buffer undefined when the text does not fit.
  if (std::strftime(dtstr, 63, "%a %x %H:%M %z", &now) == 0) dtstr[0] = '\0';
}

// Month abbreviation of month 1..12; "???" for any other value.
const char* monthname(int mon) { return mon >= 1 && mon <= 12 ? mstr[mon - 1] : "???"; }

void dateline(char* dtstr, const birthdata& b) {
  // "%s %d, %d %02d:%02d Zone: %02d:%02d", cut to 63 characters as snprintf
  // would: numbers far outside their ranges make it longer.
  char buf[96];
  char* p = puttext(buf, monthname(b.mon), 3);
  *p++ = ' ';
  p = putint(p, b.day);
  p = puttext(p, ", ", 2);
  p = putint(p, b.year);
  *p++ = ' ';
  p = putint(p, b.hour, 2, '0');
  *p++ = ':';
  p = putint(p, b.min, 2, '0');
  p = puttext(p, " Zone: ", 7);
  p = putint(p, trunc32(b.zone), 2, '0');
  *p++ = ':';
  p = putint(p, b.zmin, 2, '0');
  std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(p - buf), 63);
  std::memcpy(dtstr, buf, n);
  dtstr[n] = '\0';
}

birthdata startrecord(const std::tm& now) {
  birthdata b;
  copytext(b.name, "Prasna");
  copytext(b.place, "Nowhere");
  b.mon = now.tm_mon + 1;
  b.day = now.tm_mday;
  b.year = now.tm_year + 1900;
  b.hour = now.tm_hour;
  b.min = now.tm_min;
  derive(b);
  datestart(b.dtstr, now);
  return b;
}
