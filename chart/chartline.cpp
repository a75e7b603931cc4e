// Chart file lines: the fixed-layout writer and the column reader.
#include "chart/chartline.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "chart/escape.h"
#include "chart/fields.h"
#include "chart/numtext.h"
#include "engine/calendar.h"

// Copies a name or place text of at most textmax bytes into out (one more),
// with control bytes turned into blanks: a line feed inside a text would
// split the chart line in two.
static void linetext(char* out, const char* text) {
  std::size_t n = strnlen(text, textmax);
  blankcontrols(out, text, n);
  out[n] = '\0';
}

namespace {

// printf's "%-Ns" of a text of at most N bytes.
char* putleft(char* p, const char* s, std::size_t width) {
  std::size_t n = std::strlen(s);
  std::memcpy(p, s, n);
  std::memset(p + n, ' ', width - n);
  return p + width;
}

}  // namespace

int writechartline(char* dst, const birthdata& b) {
  // 12-hour clock: 0 is 12 AM, 12 is 12 PM, 13..23 are 1..11 PM.
  int clock = b.hour > 12 ? b.hour - 12 : b.hour == 0 ? 12 : b.hour;
  char name[textmax + 1], place[textmax + 1];
  linetext(name, b.name);
  linetext(place, b.place);
  // "%-*s%s %02d, %4d%02d:%02d:00 %s    %c%02d:%02d%03d%c%02d'00 %02d%c%02d'00
  // %-24s\n" written into a buffer that holds it whatever the numbers. The
  // sign characters come from the derived doubles: a flag set on a zero value
  // is written as "+", "W" or "N".
  char buf[256];
  char* p = putleft(buf, name, textmax);
  p = puttext(p, monthname(b.mon), 3);
  *p++ = ' ';
  p = putint(p, b.day, 2, '0');
  p = puttext(p, ", ", 2);
  p = putint(p, b.year, 4, ' ');
  p = putint(p, clock, 2, '0');
  *p++ = ':';
  p = putint(p, b.min, 2, '0');
  p = puttext(p, b.hour < 12 ? ":00 AM    " : ":00 PM    ", 10);
  *p++ = b.zone < 0 ? '-' : '+';
  p = putint(p, b.zhour, 2, '0');
  *p++ = ':';
  p = putint(p, b.zmin, 2, '0');
  p = putint(p, b.londg, 3, '0');
  *p++ = b.lon < 0 ? 'E' : 'W';
  p = putint(p, b.lonmn, 2, '0');
  p = puttext(p, "'00 ", 4);
  p = putint(p, b.latdg, 2, '0');
  *p++ = b.lat < 0 ? 'S' : 'N';
  p = putint(p, b.latmn, 2, '0');
  p = puttext(p, "'00 ", 4);
  p = putleft(p, place, 24);
  *p++ = '\n';
  int n = static_cast<int>(p - buf);
  if (n > 127) {
    // Only numbers far outside the dialog's ranges get here: keep the
    // line feed so that the next line stays a line of its own.
    std::memcpy(dst, buf, 126);
    dst[126] = '\n';
    dst[127] = '\0';
    return 127;
  }
  std::memcpy(dst, buf, static_cast<std::size_t>(n));
  dst[n] = '\0';
  return n;
}

// C atoi over the line from column from on, never past its end.
static int atoiat(std::string_view line, std::size_t from) {
  return readdecimal(line.substr(std::min(from, line.size())));
}

static char lower(char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

// Month 1..12 of a three-letter abbreviation, ignoring case; 0 for none.
static int monthof(std::string_view s) {
  for (int m = 0; m < 12; ++m) {
    if (lower(s[0]) == lower(mstr[m][0]) && lower(s[1]) == lower(mstr[m][1]) &&
        lower(s[2]) == lower(mstr[m][2]))
      return m + 1;
  }
  return 0;
}

// Why a record read from a line is not a chart the dialog would accept;
// empty when it is one. The first failing check in the dialog's order.
static std::string badfield(const birthdata& b, int clock, bool pm) {
  const fieldcheck* c = firstbad(b);
  if (!c) return {};
  if (c->field != &birthdata::hour) return checkreason(*c, b);
  char msg[96];
  std::snprintf(msg, sizeof msg, "hour %d (%d %s) is outside %d-%d", b.hour, clock,
                pm ? "PM" : "AM", c->lo, c->hi);
  return msg;
}

// The line must hold every column through the latitude; the place may be
// missing or cut short.
constexpr std::size_t minlinelen = 74;

// The record that a line's fixed columns hold, and whether the dialog would
// accept it.
static lineread readrecord(std::string_view line) {
  lineread r;
  if (!line.empty() && line.back() == '\n') {
    line.remove_suffix(1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  }
  if (line.size() < minlinelen) {
    r.why = line.empty() ? "line is empty"
                         : "line is too short (" + std::to_string(line.size()) +
                               " bytes, a chart line has 99)";
    return r;
  }
  birthdata& b = r.rec;
  // The name fills the first textmax columns; the month follows.
  std::memcpy(b.name, line.data(), textmax);
  b.mon = monthof(line.substr(textmax, 3));
  b.day = atoiat(line, 27);
  // The year and the clock hour stand together (YYYYHH).
  b.year = atoiat(line, 31) / 100;
  int clock = atoiat(line, 35);
  b.min = atoiat(line, 38);
  // At most nine digits stand before the P, so the afternoon's 12 hours
  // cannot overflow.
  bool pm = line[44] == 'P';
  if (pm)
    b.hour = clock == 12 ? 12 : clock + 12;
  else
    b.hour = clock == 12 ? 0 : clock;
  b.zhour = atoiat(line, 51);
  // The zone minutes and the longitude degrees stand together (MMDDD).
  b.zmin = atoiat(line, 54) / 1000;
  b.zeast = line[50] == '-';
  b.londg = atoiat(line, 56);
  b.loneast = line[59] == 'E';
  b.lonmn = atoiat(line, 60);
  b.latdg = atoiat(line, 66);
  b.latsouth = line[68] == 'S';
  b.latmn = atoiat(line, 69);
  derive(b);
  dateline(b.dtstr, b);
  // Place: columns 75..97, blank where the line ends early.
  std::memset(b.place, ' ', textmax);
  if (line.size() > 75) {
    std::size_t n = std::min<std::size_t>(line.size() - 75, textmax);
    std::memcpy(b.place, line.data() + 75, n);
  }

  if (b.mon == 0) {
    r.why = "unknown month \"" + escapebytes(line.substr(textmax, 3), escapes::ascii) + "\"";
    return r;
  }
  r.why = badfield(b, clock, pm);
  r.ok = r.why.empty();
  return r;
}

lineread readchartline(std::string_view line) {
  lineread r = readrecord(line);
  // An editor's byte-order mark moves every column three bytes on, which
  // the reason would otherwise put down to the month or a number. A line
  // that reads well with it (a name that starts with U+FEFF) stays a chart.
  if (!r.ok && line.substr(0, 3) == "\xEF\xBB\xBF")
    r.why = "line starts with a UTF-8 byte-order mark (EF BB BF): save the file without it";
  return r;
}
