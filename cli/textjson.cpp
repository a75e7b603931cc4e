// vornak-chart's charts as text and as JSON Lines.
#include "cli/textjson.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "atlas/coords.h"
#include "chart/dasha.h"
#include "chart/escape.h"
#include "engine/calendar.h"
#include "page/pagetext.h"

namespace {

void addshown(std::string& r, std::string_view s) { escapeinto(r, s, escapes::control); }

void addjsonstr(std::string& r, std::string_view s) {
  r += '"';
  escapeinto(r, s, escapes::json);
  r += '"';
}

void addint(std::string& r, long long v) {
  char buf[24];
  r.append(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
}

// The rest of a chart's text or JSON object, after the record's own texts,
// is numbers and fixed names: it is written into one buffer that holds it
// whole (a chart has at most 81 periods of under 40 bytes each), and added
// to the output at once. Each writer puts its text at p and returns the end.
constexpr std::size_t tailsize = 4096;

char* put(char* p, std::string_view s) {
  std::memcpy(p, s.data(), s.size());
  return p + s.size();
}

char* putint(char* p, long long v) { return std::to_chars(p, p + 24, v).ptr; }

// printf's "%.17g".
char* putg17(char* p, double v) {
  return std::to_chars(p, p + 32, v, std::chars_format::general, 17).ptr;
}

// A period's label and start date, as "Ve/Su" and "May 29, 2000", with what
// stands between them.
char* putperiod(char* p, const dashaperiod& d, std::string_view between) {
  // Every lord's label has two letters.
  std::memcpy(p, dashnam[d.major], 2);
  p[2] = '/';
  std::memcpy(p + 3, dashnam[d.sub], 2);
  p = put(p + 5, between);
  return p + jd2date(p, d.day);
}

}  // namespace

void addtext(std::string& r, const birthdata& b, const chartstate& s) {
  char place[64];
  placetext(place, sizeof place, b);
  addshown(r, b.name);
  r += '\n';
  addshown(r, b.dtstr);
  r += '\n';
  addshown(r, place);
  r += '\n';

  char buf[tailsize];
  char* p = buf;
  // Rows of "%-3s  %s  %s": the label padded to three, the position, the
  // nakshatra.
  for (int i = 0; i < nbody; ++i) {
    p = put(p, plnam[i]);
    p = put(p, isretro(i, s) ? "R  " : "   ");
    p += prtdhm(p, s.tpos[i]);
    p = put(p, "  ");
    p = put(p, naknam[nakshatra(s.tpos[i])]);
    *p++ = '\n';
  }

  // The page's entries each end in a blank; here single blanks part them.
  p = put(p, "Navamsha Signs:");
  for (int i = 0; i < nbody; ++i) {
    *p++ = ' ';
    p = put(p, plnam[i]);
    *p++ = ':';
    p = putint(p, navamsha(s.tpos[i]));
  }
  p = put(p, "\nVimshottari Dashas\n");
  dashaperiod list[maxdashas];
  for (int k = 0, n = dashaperiods(s, list); k < n; ++k) {
    p = putperiod(p, list[k], " ");
    *p++ = '\n';
  }
  r.append(buf, p);
}

void addjson(std::string& r, long long line, const birthdata& b, const chartstate& s) {
  r += "{\"line\": ";
  addint(r, line);
  r += ", \"name\": ";
  addjsonstr(r, b.name);
  r += ", \"place\": ";
  addjsonstr(r, b.place);
  r += ", \"date\": ";
  addjsonstr(r, b.dtstr);

  char buf[tailsize];
  // The shortest form that reads back exactly would do as well, but the
  // printed form stays as it has always been.
  char* p = put(buf, ", \"jd\": ");
  p = putg17(p, s.jd);
  // The astronomical Julian Day (UT) of the instant: jd less one half, exact.
  p = put(p, ", \"jdut\": ");
  p = putg17(p, s.jd - 0.5);

  auto ints = [&](std::string_view key, const int32_t* v) {
    p = put(p, key);
    for (int i = 0; i < nbody; ++i) {
      if (i) p = put(p, ", ");
      p = putint(p, v[i]);
    }
    *p++ = ']';
  };
  ints(", \"tpos\": [", s.tpos);
  ints(", \"tsp\": [", s.tsp);

  // The names of the nakshatras and the periods need no escaping.
  p = put(p, ", \"nakshatra\": [");
  for (int i = 0; i < nbody; ++i) {
    p = put(p, i ? ", \"" : "\"");
    p = put(p, naknam[nakshatra(s.tpos[i])]);
    *p++ = '"';
  }
  p = put(p, "], \"navamsha\": [");
  for (int i = 0; i < nbody; ++i) {
    if (i) p = put(p, ", ");
    p = putint(p, navamsha(s.tpos[i]));
  }
  p = put(p, "], \"dashas\": [");
  dashaperiod list[maxdashas];
  for (int k = 0, n = dashaperiods(s, list); k < n; ++k) {
    p = put(p, k ? ", [\"" : "[\"");
    p = putperiod(p, list[k], "\", \"");
    p = put(p, "\"]");
  }
  p = put(p, "]}\n");
  r.append(buf, p);
}

void addjsonerror(std::string& r, long long line, std::string_view why) {
  r += "{\"line\": ";
  addint(r, line);
  r += ", \"error\": ";
  addjsonstr(r, why);
  r += "}\n";
}

std::string findline(const place& p, long km) {
  return placelabel(p) + "  " + lontext(p.lon) + " " + lattext(p.lat) + "  " + p.tz + "  " +
         std::to_string(p.population) + (km < 0 ? "" : "  " + std::to_string(km) + " km") + "\n";
}

std::string findjson(const place& p, long km) {
  char lat[32], lon[32];
  std::snprintf(lat, sizeof lat, "%.10g", p.lat);
  std::snprintf(lon, sizeof lon, "%.10g", p.lon);
  std::string r = "{\"name\":";
  addjsonstr(r, p.name);
  r += ",\"state\":";
  addjsonstr(r, p.state);
  r += ",\"country\":";
  addjsonstr(r, p.country);
  r += std::string(",\"lat\":") + lat + ",\"lon\":" + lon + ",\"tz\":";
  addjsonstr(r, p.tz);
  r += ",\"population\":" + std::to_string(p.population);
  return r + (km < 0 ? "" : ",\"km\":" + std::to_string(km)) + "}\n";
}
