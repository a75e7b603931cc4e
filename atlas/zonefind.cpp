// The zone of a place at a local time, through cctz from tzdata.
#include "atlas/zonefind.h"

#include <cctz/civil_time.h>
#include <cctz/time_zone.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "atlas/coords.h"
#include "atlas/tzrule.h"
#include "chart/birth.h"

namespace {

using instant = cctz::time_point<cctz::seconds>;

// Abbreviations whose kind their letters alone do not tell.
struct namedabbr {
  const char* abbr;
  const char* kind;
};
const namedabbr namedabbrs[] = {
    {"BDST", "double summer time"},  // Britain 1941-1945 and 1947
    {"MDST", "double summer time"},  // Moscow 1919
};

// Standard times that people call by a name, which tzdata gives only as an
// abbreviation.
struct namedstandard {
  const char* tz;
  const char* abbr;
  const char* name;
};
const namedstandard namedstandards[] = {
    {"Asia/Kolkata", "IST", "India Standard Time"},
};

// Zones whose offsets before a date are the railway time of one city, which
// did not govern the clocks of the other places: before it each place keeps
// its own mean time, as before the zone's first standard time.
struct railway {
  const char* tz;
  int year, mon, day;  // the first local day of the zone's standard time
};
const railway railways[] = {
    {"Asia/Kolkata", 1906, 1, 1},  // Howrah's, then Madras's time until IST
};

bool railwaytime(const std::string& tz, const cctz::civil_second& cs) {
  for (const railway& r : railways)
    if (tz == r.tz) return cs < cctz::civil_second(r.year, r.mon, r.day, 0, 0, 0);
  return false;
}

// Cities that kept their own clock beside the zone's standard time, which
// tzdata does not hold: a local time there may have been read on either.
// Each is a box of coordinates and the years (from 1 January, local time)
// of the two clocks; the city's clock is its mean time, to the minute.
struct cityclock {
  const char* tz;
  const char* name;                 // "Bombay Time"
  const char* city;                 // how the question names the place
  double south, north, west, east;  // the box, decimal degrees
  int from, until;                  // years: 1 Jan of each, local time
  int zone;                         // minutes to add for UT
};
const cityclock cityclocks[] = {
    // Mumbai with its suburbs, Colaba to Borivli, without Thane east of them.
    {"Asia/Kolkata", "Bombay Time", "Bombay", 18.88, 19.28, 72.76, 72.95, 1906, 1955, -291},
    // Kolkata and Howrah.
    {"Asia/Kolkata", "Calcutta Time", "Calcutta", 22.45, 22.62, 88.27, 88.42, 1906, 1948, -353},
};

bool endswith(const std::string& s, const char* end) {
  const size_t n = std::strlen(end);
  return s.size() > n && s.compare(s.size() - n, n, end) == 0;
}

// The kind of time tzdata's abbreviation abbr names, with its daylight flag
// whether it is behind the zone's standard time (tzdata's negative daylight
// time: Ireland's and Namibia's winters, Morocco's Ramadan), and the year:
// tzdata marks war and double summer time as daylight time,
// and writes the war time of countries without a name for it as a number
// ("+0630").
std::string kindof(const std::string& abbr, bool dst, bool behind, int year) {
  if (abbr == "LMT") return "local mean time";
  if (!dst) return "standard time";
  if (behind) return "winter time";
  for (const namedabbr& n : namedabbrs)
    if (abbr == n.abbr) return n.kind;
  if (endswith(abbr, "WT")) return "war time";        // EWT, CWT...
  if (endswith(abbr, "PT")) return "peace time";      // EPT, August to September 1945
  if (endswith(abbr, "MT")) return "midsummer time";  // CEMT, WEMT
  if ((abbr[0] == '+' || abbr[0] == '-') && year >= 1939 && year <= 1945) return "war time";
  if (endswith(abbr, "DT")) return "daylight time";
  return "summer time";
}

// Whether daylight time at instant t is behind the standard time nearest
// to it, looked for a year either way.
bool behindstandard(const cctz::time_zone& z, instant t, int offset) {
  for (int days = 15; days <= 375; days += 15)
    for (int sign : {-1, 1}) {
      const auto a = z.lookup(t + sign * cctz::seconds(days * 86400));
      if (!a.is_dst) return a.offset > offset;
    }
  return false;
}

// The offset that tzdata gives at an instant, for a place at longitude lon.
zoneoffset offsetat(const cctz::time_zone& z, const std::string& tz, double lon, instant t) {
  const auto a = z.lookup(t);
  zoneoffset o;
  const bool mean = std::string(a.abbr) == "LMT" || railwaytime(tz, a.cs);
  o.abbr = mean ? "LMT" : a.abbr;
  o.kind = kindof(o.abbr, a.is_dst, a.is_dst && behindstandard(z, t, a.offset), int(a.cs.year()));
  o.source = tz + ", " + o.kind;
  if (mean) {
    const dmangle d = todm(lon);
    o.zone = meanzone((d.neg ? -1 : 1) * (d.deg * 60 + d.min));
    // On the side of the date line where tzdata puts the zone's mean time:
    // Tonga's 175W is 12:19 ahead of UT, not 11:41 behind.
    const int tzzone = -int(std::lround(a.offset / 60.0));
    if (o.zone - tzzone > 720) o.zone -= 1440;
    if (o.zone - tzzone < -720) o.zone += 1440;
    o.source += " at " + lontext(d);
  } else {
    o.zone = -int(std::lround(a.offset / 60.0));
  }
  o.label = o.kind + " " + zonetext(o.zone);
  return o;
}

// "14 Mar 2021".
std::string datetext(const cctz::civil_second& c) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%d %s %lld", c.day(), monthname(c.month()),
                static_cast<long long>(c.year()));
  return buf;
}

// "02:30", or "00:08:50" when the seconds are not zero.
std::string timetext(const cctz::civil_second& c) {
  char buf[16];
  if (c.second() != 0)
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", c.hour(), c.minute(), c.second());
  else
    std::snprintf(buf, sizeof buf, "%02d:%02d", c.hour(), c.minute());
  return buf;
}

// "EST (standard time + 05:00)".
std::string offsettext(const zoneoffset& o) { return o.abbr + " (" + o.label + ")"; }

// The clock change at instant trans seen from local time asked: "at 02:00
// the clocks moved forward to 03:00, from EST (standard time + 05:00) to EDT
// (daylight time + 04:00)".
std::string changetext(const cctz::time_zone& z, instant trans, const cctz::civil_second& asked,
                       const zoneoffset& before, const zoneoffset& after, bool forward) {
  const cctz::civil_second from = z.lookup(trans - cctz::seconds(1)).cs + 1;
  const cctz::civil_second to = z.lookup(trans).cs;
  std::string s = "at " + timetext(from);
  if (cctz::civil_day(from) != cctz::civil_day(asked)) s += " on " + datetext(from);
  s += forward ? " the clocks moved forward to " : " the clocks moved back to ";
  s += timetext(to);
  if (cctz::civil_day(to) != cctz::civil_day(from)) s += " on " + datetext(to);
  return s + ", from " + offsettext(before) + " to " + offsettext(after);
}

}  // namespace

const char* standardname(const std::string& tz, const std::string& abbr) {
  for (const namedstandard& n : namedstandards)
    if (tz == n.tz && abbr == n.abbr) return n.name;
  return nullptr;
}

zonefound findzone(const std::string& tz, double lon, int year, int mon, int day, int hour,
                   int min) {
  zonefound r;
  const cctz::civil_second cs(year, mon, day, hour, min, 0);
  if (cs.year() != year || cs.month() != mon || cs.day() != day || cs.hour() != hour ||
      cs.minute() != min) {
    r.message = "There is no such date or time.";
    return r;
  }
  cctz::time_zone z;
  if (!tz.empty() && !(r.message = checkzonefile(tz)).empty()) return r;
  if (tz.empty() || !cctz::load_time_zone(tz, &z)) {
    r.message = "The time zone " + tz +
                " is not in the time zone data (the Debian package tzdata): "
                "enter the zone by hand.";
    return r;
  }
  const auto l = z.lookup(cs);
  if (l.kind == cctz::time_zone::civil_lookup::UNIQUE) {
    r.kind = zonefound::unique;
    r.offsets.push_back(offsetat(z, tz, lon, l.pre));
    return r;
  }
  const zoneoffset before = offsetat(z, tz, lon, l.trans - cctz::seconds(1));
  const zoneoffset after = offsetat(z, tz, lon, l.trans);
  const std::string when = timetext(cs) + " on " + datetext(cs);
  if (before.zone == after.zone) {  // a change of less than a minute
    r.kind = zonefound::unique;
    r.offsets.push_back(after);
  } else if (l.kind == cctz::time_zone::civil_lookup::SKIPPED) {
    r.kind = zonefound::skipped;
    r.message = "There was no " + when + " in " + tz + ": " +
                changetext(z, l.trans, cs, before, after, true) + ".";
  } else {
    r.kind = zonefound::repeated;
    r.offsets = {before, after};
    r.message = when + " came twice in " + tz + ": " +
                changetext(z, l.trans, cs, before, after, false) +
                ". Choose which of the two it was.";
  }
  return r;
}

namespace {

// "UT+4:51": an offset as tzdata's commentary and the histories write it.
std::string uttext(int zone) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "UT%c%d:%02d", zone <= 0 ? '+' : '-', std::abs(zone) / 60,
                std::abs(zone) % 60);
  return buf;
}

}  // namespace

zonefound findclock(const std::string& tz, double lat, double lon, int year, int mon, int day,
                    int hour, int min) {
  zonefound r = findzone(tz, lon, year, mon, day, hour, min);
  if (r.kind != zonefound::unique) return r;
  for (const cityclock& c : cityclocks) {
    if (tz != c.tz || lat < c.south || lat > c.north || lon < c.west || lon > c.east ||
        year < c.from || year >= c.until)
      continue;
    zoneoffset& standard = r.offsets[0];
    const char* named = standardname(tz, standard.abbr);
    if (named) standard.label = std::string(named) + " " + zonetext(standard.zone);
    r.message = "Until " + std::to_string(c.until) + " " + c.city + " kept its own clock, " +
                c.name + " (" + uttext(c.zone) + "), beside " +
                (named ? std::string(named) : standard.kind) + " (" + uttext(standard.zone) +
                "). Choose the clock the time was read on.";
    zoneoffset city;
    city.zone = c.zone;
    city.kind = c.name;
    city.label = std::string(c.name) + " " + zonetext(c.zone);
    city.source = std::string(c.name) + ", " + c.city + "'s own clock";
    r.offsets.insert(r.offsets.begin(), city);
    r.kind = zonefound::clocks;
    return r;
  }
  return r;
}
