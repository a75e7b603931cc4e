// The zone of a place at a local time, through cctz from tzdata.
#include "atlas/zonefind.h"

#include <cctz/civil_time.h>
#include <cctz/time_zone.h>

#include <cmath>
#include <cstdio>
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
    {"GMT", "winter time"},          // Ireland's winter, marked as daylight time
};

bool endswith(const std::string& s, const char* end) {
  const size_t n = std::strlen(end);
  return s.size() > n && s.compare(s.size() - n, n, end) == 0;
}

// The kind of time tzdata's abbreviation abbr names, with its daylight flag
// and the year: tzdata marks war and double summer time as daylight time,
// and writes the war time of countries without a name for it as a number
// ("+0630").
std::string kindof(const std::string& abbr, bool dst, int year) {
  if (abbr == "LMT") return "local mean time";
  if (!dst) return "standard time";
  for (const namedabbr& n : namedabbrs)
    if (abbr == n.abbr) return n.kind;
  if (endswith(abbr, "WT")) return "war time";        // EWT, CWT...
  if (endswith(abbr, "PT")) return "peace time";      // EPT, August to September 1945
  if (endswith(abbr, "MT")) return "midsummer time";  // CEMT, WEMT
  if ((abbr[0] == '+' || abbr[0] == '-') && year >= 1939 && year <= 1945) return "war time";
  if (endswith(abbr, "DT")) return "daylight time";
  return "summer time";
}

// The offset that tzdata gives at an instant, for a place at longitude lon.
zoneoffset offsetat(const cctz::time_zone& z, const std::string& tz, double lon, instant t) {
  const auto a = z.lookup(t);
  zoneoffset o;
  o.abbr = a.abbr;
  o.kind = kindof(o.abbr, a.is_dst, int(a.cs.year()));
  o.source = tz + ", " + o.kind;
  if (o.abbr == "LMT") {
    const dmangle d = todm(lon);
    o.zone = meanzone((d.neg ? -1 : 1) * (d.deg * 60 + d.min));
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
  if (l.kind == cctz::time_zone::civil_lookup::SKIPPED) {
    r.kind = zonefound::skipped;
    r.message = "There was no " + when + " in " + tz + ": " +
                changetext(z, l.trans, cs, before, after, true) + ".";
  } else if (before.zone == after.zone) {  // a change of less than a minute
    r.kind = zonefound::unique;
    r.offsets.push_back(after);
  } else {
    r.kind = zonefound::repeated;
    r.offsets = {before, after};
    r.message = when + " came twice in " + tz + ": " +
                changetext(z, l.trans, cs, before, after, false) +
                ". Choose which of the two it was.";
  }
  return r;
}
