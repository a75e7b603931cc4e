// vornak-chart's charts as text and as JSON Lines.
#include "cli/textjson.h"

#include <charconv>
#include <cstdint>
#include <cstdio>

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

// A period's label and start date, as "Ve/Su" and "May 29, 2000".
void addlabel(std::string& r, const dashaperiod& p) {
  r += dashnam[p.major];
  r += '/';
  r += dashnam[p.sub];
}

std::string_view datetext(char* buf, const dashaperiod& p) {
  return std::string_view(buf, jd2date(buf, p.day));
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

  // Rows of "%-3s  %s  %s": the label padded to three, the position, the
  // nakshatra.
  for (int i = 0; i < nbody; ++i) {
    char pos[8];
    prtdhm(pos, s.tpos[i]);
    r += plnam[i];
    r += isretro(i, s) ? "R  " : "   ";
    r += pos;
    r += "  ";
    r += naknam[nakshatra(s.tpos[i])];
    r += '\n';
  }

  // The page's entries each end in a blank; here single blanks part them.
  r += "Navamsha Signs:";
  for (int i = 0; i < nbody; ++i) {
    r += ' ';
    r += plnam[i];
    r += ':';
    addint(r, navamsha(s.tpos[i]));
  }
  r += "\nVimshottari Dashas\n";
  dashaperiod list[maxdashas];
  char date[jd2date_size];
  for (int k = 0, n = dashaperiods(s, list); k < n; ++k) {
    addlabel(r, list[k]);
    r += ' ';
    r += datetext(date, list[k]);
    r += '\n';
  }
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
  // The shortest form that reads back exactly would do as well, but the
  // printed form stays as it has always been.
  char jd[40];
  std::snprintf(jd, sizeof jd, "%.17g", s.jd);
  r += ", \"jd\": ";
  r += jd;
  // The astronomical Julian Day (UT) of the instant: jd less one half, exact.
  std::snprintf(jd, sizeof jd, "%.17g", s.jd - 0.5);
  r += ", \"jdut\": ";
  r += jd;

  auto ints = [&](const char* key, const int32_t* v) {
    r += ", \"";
    r += key;
    r += "\": [";
    for (int i = 0; i < nbody; ++i) {
      if (i) r += ", ";
      addint(r, v[i]);
    }
    r += ']';
  };
  ints("tpos", s.tpos);
  ints("tsp", s.tsp);

  r += ", \"nakshatra\": [";
  for (int i = 0; i < nbody; ++i) {
    if (i) r += ", ";
    addjsonstr(r, naknam[nakshatra(s.tpos[i])]);
  }
  r += "], \"navamsha\": [";
  for (int i = 0; i < nbody; ++i) {
    if (i) r += ", ";
    addint(r, navamsha(s.tpos[i]));
  }
  r += "], \"dashas\": [";
  dashaperiod list[maxdashas];
  char date[jd2date_size];
  for (int k = 0, n = dashaperiods(s, list); k < n; ++k) {
    r += k ? ", [\"" : "[\"";
    addlabel(r, list[k]);
    r += "\", ";
    addjsonstr(r, datetext(date, list[k]));
    r += ']';
  }
  r += "]}\n";
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
