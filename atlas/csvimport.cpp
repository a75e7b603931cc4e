// The import of births from CSV.
#include "atlas/csvimport.h"

#include <cctype>
#include <istream>
#include <ostream>

#include "atlas/coords.h"
#include "atlas/csv.h"
#include "atlas/fold.h"
#include "atlas/meantime.h"
#include "atlas/nearest.h"
#include "atlas/placefill.h"
#include "atlas/zonefind.h"
#include "chart/chartline.h"
#include "chart/entrycheck.h"
#include "chart/escape.h"
#include "chart/fields.h"

namespace {

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::string lower(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = char(std::tolower(static_cast<unsigned char>(c)));
  return r;
}

// The number written by the n digits at s[at], or -1.
int digits(std::string_view s, std::size_t at, std::size_t n) {
  if (at + n > s.size()) return -1;
  int v = 0;
  for (std::size_t i = at; i < at + n; ++i) {
    if (s[i] < '0' || s[i] > '9') return -1;
    v = v * 10 + (s[i] - '0');
  }
  return v;
}

// "date "14/03/1987"": a value quoted in a reason, control bytes escaped.
std::string quoted(const char* what, std::string_view v) {
  return std::string(what) + " \"" + escapebytes(v, escapes::control) + "\"";
}

// An angle as a chart line writes it: degrees (up to maxdeg digits), the
// side's letter, two digits of minutes; west and south are neg. False when
// it is not one.
bool readangle(std::string_view s, std::size_t maxdeg, char pos, char neg, dmangle& a) {
  std::size_t n = 0;
  while (n < s.size() && n < maxdeg && s[n] >= '0' && s[n] <= '9') ++n;
  if (n == 0 || s.size() != n + 3 || digits(s, n + 1, 2) < 0) return false;
  const char letter = char(std::toupper(static_cast<unsigned char>(s[n])));
  if (letter != pos && letter != neg) return false;
  a.deg = digits(s, 0, n);
  a.neg = letter == neg;
  a.min = digits(s, n + 1, 2);
  return true;
}

// Hours and minutes as "5:30" or "05:30": one or two digits, a colon, two
// digits. False when s is not that.
bool readhm(std::string_view s, int& hours, int& minutes) {
  const std::size_t colon = s.find(':');
  if (colon < 1 || colon > 2 || s.size() != colon + 3) return false;
  hours = digits(s, 0, colon);
  minutes = digits(s, colon + 1, 2);
  return hours >= 0 && minutes >= 0;
}

// A zone as "-05:30" or "+ 5:30": its sign ("-" east of Greenwich), then
// hours and minutes as readhm takes them. False when it is not one.
bool readzone(std::string_view s, bool& east, int& hours, int& minutes) {
  if (s.empty() || (s[0] != '+' && s[0] != '-')) return false;
  std::string_view z = s.substr(1);
  if (!z.empty() && z[0] == ' ') z.remove_prefix(1);
  east = s[0] == '-';
  return readhm(z, hours, minutes);
}

// The places, each as the text that names it, quoted and separated by
// commas.
std::string placelist(const std::vector<const place*>& places) {
  std::string r;
  for (std::size_t i = 0; i < places.size(); ++i)
    r += (i ? ", \"" : "\"") + escapebytes(placetext(*places[i]), escapes::control) + "\"";
  return r;
}

// The offset of a time that came twice that dst picks: yes the one whose
// clock is ahead (the smaller zone in the chart's convention), no the other.
const zoneoffset& bydst(const zonefound& z, bool dst) {
  const zoneoffset& a = z.offsets[0];
  const zoneoffset& b = z.offsets[1];
  return (a.zone < b.zone) == dst ? a : b;
}

}  // namespace

std::string readheader(const std::vector<std::string>& header, importcolumns& c) {
  static const struct {
    const char* name;
    int importcolumns::*at;
    bool needed;
  } known[] = {
      {"name", &importcolumns::name, true},    {"date", &importcolumns::date, true},
      {"time", &importcolumns::time, true},    {"place", &importcolumns::place, true},
      {"lon", &importcolumns::lon, false},     {"lat", &importcolumns::lat, false},
      {"zone", &importcolumns::zone, false},   {"dst", &importcolumns::dst, false},
      {"clock", &importcolumns::clock, false},
  };
  c = importcolumns();
  c.count = header.size();
  for (std::size_t i = 0; i < header.size(); ++i) {
    const std::string name = lower(trim(header[i]));
    bool found = false;
    for (const auto& k : known) {
      if (name != k.name) continue;
      if (c.*k.at >= 0) return "the header names the column " + name + " twice";
      c.*k.at = int(i);
      found = true;
    }
    if (!found)
      return quoted("the header's column", header[i]) +
             " is none of name, date, time, place, lon, lat, zone, dst, clock";
  }
  for (const auto& k : known)
    if (k.needed && c.*k.at < 0)
      return std::string("the header has no column ") + k.name +
             " (it needs name, date, time and place)";
  return "";
}

rowfields readrow(const std::vector<std::string>& row, const importcolumns& c) {
  rowfields r;
  if (row.size() != c.count) {
    r.why =
        "it has " + std::to_string(row.size()) + " fields, the header " + std::to_string(c.count);
    return r;
  }
  auto field = [&](int at) { return at < 0 ? std::string_view() : trim(row[at]); };
  entries& e = r.e;
  e.name = std::string(field(c.name));

  const std::string_view date = field(c.date);
  if (date.size() != 10 || date[4] != '-' || date[7] != '-' || digits(date, 0, 4) < 0 ||
      digits(date, 5, 2) < 0 || digits(date, 8, 2) < 0) {
    r.why = quoted("date", date) + " is not YYYY-MM-DD";
    return r;
  }
  const int mon = digits(date, 5, 2);
  if (mon < 1 || mon > 12) {
    r.why = quoted("date", date) + ": month " + std::to_string(mon) + " is outside 1-12";
    return r;
  }
  e.year = std::to_string(digits(date, 0, 4));
  e.mon = mon - 1;
  e.day = std::to_string(digits(date, 8, 2));

  const std::string_view time = field(c.time);
  int hour = 0, min = 0;
  if (!readhm(time, hour, min)) {
    r.why = quoted("time", time) + " is not HH:MM";
    return r;
  }
  e.hour = std::to_string(hour);
  e.min = std::to_string(min);

  const std::string_view lon = field(c.lon), lat = field(c.lat), zone = field(c.zone);
  dmangle a;
  if ((r.lon = !lon.empty())) {
    if (!readangle(lon, 3, 'E', 'W', a)) {
      r.why = quoted("lon", lon) + " is not like 80E17 or 74W00";
      return r;
    }
    setlon(e, a);
  }
  if ((r.lat = !lat.empty())) {
    if (!readangle(lat, 2, 'N', 'S', a)) {
      r.why = quoted("lat", lat) + " is not like 13N05 or 23S33";
      return r;
    }
    setlat(e, a);
  }
  if ((r.zone = !zone.empty())) {
    bool east = false;
    int hours = 0, minutes = 0;
    if (!readzone(zone, east, hours, minutes)) {
      r.why = quoted("zone", zone) + " is not like -05:30 or +05:00 (\"-\" east of Greenwich)";
      return r;
    }
    setzone(e, east, hours, minutes);
  }
  const std::string dst = lower(field(c.dst));
  if (!dst.empty() && dst != "yes" && dst != "no") {
    r.why = quoted("dst", field(c.dst)) + " is not yes or no";
    return r;
  }
  if (!dst.empty()) r.dst = dst == "yes";
  const std::string clock = lower(field(c.clock));
  if (!clock.empty() && clock != "city" && clock != "standard") {
    r.why = quoted("clock", field(c.clock)) + " is not city or standard";
    return r;
  }
  if (!clock.empty()) r.city = clock == "city";

  // The date, the time and the coordinates given must be a chart's before
  // the atlas and tzdata are asked.
  const birthdata given = commitentries(e);
  if (const fieldcheck* bad = firstbad(given)) {
    r.why = checkreason(*bad, given);
    return r;
  }
  r.place = std::string(field(c.place));
  return r;
}

std::vector<placeasked> askplaces(const placesfound& found, atlas& a, const civiltime& at) {
  std::vector<placeasked> r;
  std::vector<const place*> kept;
  for (std::size_t i = 0; i < found.candidates; ++i) {
    const place& p = *found.places[i];
    bool same = false;  // as another place of the same text near it
    for (const place* k : kept)
      same = same || (foldtext(placetext(*k)) == foldtext(placetext(p)) && !a.apart(*k, p, &at));
    if (same) continue;
    kept.push_back(&p);
    r.push_back({placetext(p), {}, {}});
    if (a.lookup(r.back().place) != &p) {
      r.back().lon = lontext(p.lon);
      r.back().lat = lattext(p.lat);
    }
  }
  return r;
}

// Where a row's name or place was cut to the record's 23 bytes, what it
// keeps.
static void shortened(imported& r, const char* what, const std::string& text) {
  const std::string kept = cuttext(text);
  if (kept.size() < text.size())
    r.warnings.push_back(std::string(what) + " shortened to 23 bytes: \"" +
                         escapebytes(kept, escapes::control) + "\"");
}

imported resolverow(const rowfields& row, atlas& a) {
  imported r;
  entries e = row.e;
  shortened(r, "name", e.name);
  if (row.lon && row.lat) {  // the place is the text before the first comma
    const std::string_view text = row.place;
    e.place = std::string(trim(text.substr(0, text.find(','))));
  }
  if (row.lon && row.lat && row.zone) {
    shortened(r, "place", e.place);
    r.b = commitentries(e);
    // A place of the user's own: only its mean time can tell a wrong zone.
    if (checkmean(zoneof(r.b), lonminof(r.b)).far) {
      r.why = meantext(zoneof(r.b), lonminof(r.b));
      return r;
    }
    r.ok = true;
    return r;
  }
  if (!a.load().empty()) {
    r.why = a.load();
    return r;
  }
  // The zone's place: with lon and lat given, the one of the places that
  // share the name that they tell, else the one nearest to them; else the
  // one named, or the row is refused with the places it may mean.
  const birthdata given = commitentries(e);
  const civiltime at{given.year, given.mon, given.day, given.hour, given.min};
  const placesfound found = row.place.empty() ? placesfound() : a.resolve(row.place, &at);
  const place* zp = nullptr;
  if (row.lon && row.lat) {
    const place* told = found.ambiguous ? nearest(found, given.lat, -given.lon) : nullptr;
    if (told) {
      zp = told;
    } else {
      const nearzones n = nearzonesof(a, given.lat, -given.lon);
      r.why = zonesdiffer(n, given.year, given.mon, given.day, given.hour, given.min);
      if (!r.why.empty()) {
        r.why += ": give zone";
        return r;
      }
      zp = n.zones[0].p;
    }
  } else {
    if (found.places.empty() || found.ambiguous) {
      r.why = quoted("place", row.place);
      if (found.places.empty()) {
        r.why +=
            " is not in the atlas (places of 15,000 people or more): give lon and lat, or lon, "
            "lat and zone";
        if (!found.close.empty()) r.why += "; close names: " + placelist(found.close);
        return r;
      }
      r.why += " may be any of ";
      const std::vector<placeasked> asked = askplaces(found, a, at);
      for (std::size_t i = 0; i < asked.size(); ++i) {
        r.why += (i ? ", \"" : "\"") + escapebytes(asked[i].place, escapes::control) + "\"";
        if (!asked[i].lon.empty()) r.why += " at lon " + asked[i].lon + " lat " + asked[i].lat;
      }
      r.why += ": give the one meant as it is written here";
      return r;
    }
    const place* p = found.places[0];
    e.place = p->name;
    if (!row.lon) setlon(e, todm(p->lon));
    if (!row.lat) setlat(e, todm(p->lat));
    zp = p;
  }
  shortened(r, "place", e.place);
  const birthdata b = commitentries(e);
  if (row.zone) {
    // A zone of the row's own must be the place's at the date and time.
    const zoneask q = checkzone(b, zp, "the row gives");
    if (!q.question.empty()) {
      r.why = q.mean ? meantext(zoneof(b), lonminof(b)) : q.question;
      return r;
    }
  } else {
    const zonefound z = findclock(zp->tz, b.lat, -b.lon, b.year, b.mon, b.day, b.hour, b.min);
    if (z.kind == zonefound::repeated && !row.dst) {
      r.why = z.message + " Give dst: yes for " + bydst(z, true).label + ", no for " +
              bydst(z, false).label + ".";
      return r;
    }
    if (z.kind == zonefound::clocks && !row.city) {
      r.why = z.message + " Give clock: city for " + z.offsets[0].label + ", standard for " +
              z.offsets[1].label + ".";
      return r;
    }
    if (z.kind == zonefound::skipped || z.kind == zonefound::failed) {
      r.why = z.message;
      return r;
    }
    const zoneoffset& o = z.kind == zonefound::unique   ? z.offsets[0]
                          : z.kind == zonefound::clocks ? z.offsets[*row.city ? 0 : 1]
                                                        : bydst(z, *row.dst);
    r.why = beyondzone(o, b);
    if (!r.why.empty()) return r;
    setzone(e, o.zone);
  }
  r.b = commitentries(e);
  r.ok = true;
  return r;
}

int importcsv(std::istream& in, std::ostream& out, std::ostream& err, atlas& a,
              const std::string& from) {
  csvreader csv;
  importcolumns cols;
  bool header = false, refused = false;
  // Takes a record; false when the header cannot be used, and so no row.
  auto take = [&](const csvrow& row) {
    const std::string at = from + "row " + std::to_string(row.number) + ": ";
    std::string why = row.error;
    if (!header) {
      header = true;
      if (why.empty()) why = readheader(row.fields, cols);
      if (!why.empty()) err << at << why << std::endl;
      refused = !why.empty();
      return !refused;
    }
    if (why.empty() && row.fields.size() == 1 && trim(row.fields[0]).empty()) return true;
    if (why.empty()) {
      const rowfields f = readrow(row.fields, cols);
      const imported r = f.why.empty() ? resolverow(f, a) : imported{false, f.why, {}, {}};
      if (r.ok) {
        char line[chartlineroom];
        out.write(line, writechartline(line, r.b));
        if (!r.warnings.empty()) out.flush();  // the line before its warnings
        for (const std::string& w : r.warnings) err << at << w << std::endl;
        return true;
      }
      why = r.why;
    }
    out.flush();  // the lines so far before the message, in order on a terminal
    err << at << why << std::endl;
    refused = true;
    return true;
  };
  char buf[65536];
  while (in.read(buf, sizeof buf) || in.gcount() > 0) {
    for (std::streamsize i = 0; i < in.gcount(); ++i)
      if (csv.put(buf[i]) && !take(csv.row())) return 1;
  }
  if (in.bad()) return 1;  // a row cut by a failed read is no row
  if (csv.end() && !take(csv.row())) return 1;
  if (!header) {
    err << from
        << "the input is empty: it needs a header row naming the columns name, date, "
           "time and place"
        << std::endl;
    return 1;
  }
  return refused ? 1 : 0;
}
