// The dialog's fields for a place of the atlas, and the zone that follows.
#include "atlas/placefill.h"

#include <cctz/civil_time.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "atlas/coords.h"
#include "atlas/meantime.h"
#include "chart/fields.h"

namespace {

// The largest zone a chart holds: 12 hours 59 minutes.
constexpr int maxzone = 12 * 60 + 59;

// "May 31, 2015 21:00": the local time year-mon-day hour:min moved by zone
// minutes, in the dialog's order of the date.
std::string uttext(const birthdata& b, int zone) {
  const cctz::civil_minute ut = cctz::civil_minute(b.year, b.mon, b.day, b.hour, b.min) + zone;
  char buf[48];
  std::snprintf(buf, sizeof buf, "%s %d, %lld %02d:%02d", monthname(ut.month()), ut.day(),
                static_cast<long long>(ut.year()), ut.hour(), ut.minute());
  return buf;
}

// ", from Pune, 24 km" when f follows the place nearest to coordinates.
std::string from(const zonefollow& f) {
  return f.bycoords && f.near.nearest.p ? ", from " + nearname(f.near.nearest) : "";
}

// Puts offset o into the zone fields of e, when they can hold it; b: e's
// date and time.
zonestep fill(entries& e, zonefollow& f, const zoneoffset& o, const birthdata& b) {
  zonestep s;
  s.message = beyondzone(o, b);
  if (!s.message.empty()) {
    s.kind = zonestep::refused;
    f.note = "Zone: " + f.tz + ", " + zonetext(o.zone) + ", beyond 12 hours";
    return s;
  }
  s.kind = zonestep::filled;
  setzone(e, o.zone);
  f.note = "Zone: " + o.source + from(f);
  return s;
}

// The entries' date and time, read as OK reads them: the first of their
// checks that fails, or nullptr with b set.
const char* datetime(const entries& e, birthdata& b) {
  entries t = e;
  t.zhour = t.zmin = t.lond = t.lonm = t.latd = t.latm = "";
  if (const char* why = checkentries(t)) return why;
  b = commitentries(t);
  return nullptr;
}

// Whether b's fields deg and min (a longitude's or a latitude's) lie in the
// ranges that their checks give.
bool inrange(const birthdata& b, int birthdata::*deg, int birthdata::*min) {
  for (const fieldcheck& c : fieldchecks)
    if ((c.field == deg || c.field == min) && (b.*c.field < c.lo || b.*c.field > c.hi))
      return false;
  return true;
}

bool sametime(const zonefollow& f, const birthdata& b) {
  const int at[] = {b.year, b.mon, b.day, b.hour, b.min};
  return std::equal(std::begin(at), std::end(at), f.chosenat);
}

}  // namespace

void setlon(entries& e, const dmangle& a) {
  e.lond = std::to_string(a.deg);
  e.lonew = a.neg ? 0 : 1;  // the dialog's items: "W", "E"
  e.lonm = std::to_string(a.min);
}

void setlat(entries& e, const dmangle& a) {
  e.latd = std::to_string(a.deg);
  e.latns = a.neg ? 1 : 0;  // "N", "S"
  e.latm = std::to_string(a.min);
}

void setzone(entries& e, bool east, int hours, int minutes) {
  e.zone = east ? 1 : 0;  // "+", "-"
  e.zhour = std::to_string(hours);
  e.zmin = std::to_string(minutes);
}

void setzone(entries& e, int zone) {
  setzone(e, zone < 0, std::abs(zone) / 60, std::abs(zone) % 60);
}

std::string beyondzone(const zoneoffset& o, const birthdata& b) {
  if (std::abs(o.zone) <= maxzone) return "";
  return "Zone " + zonetext(o.zone) + " (" + o.source +
         ") is beyond the 12 hours that a chart holds: enter the time in Universal Time, " +
         uttext(b, o.zone) + ", with zone + 00:00.";
}

zonestep chooseplace(entries& e, zonefollow& f, const place& p) {
  e.place = cuttext(p.name);
  setlon(e, todm(p.lon));
  setlat(e, todm(p.lat));
  f = zonefollow();
  f.on = true;
  f.tz = p.tz;
  f.lon = p.lon;
  f.lat = p.lat;
  return followzone(e, f);
}

zonestep followzone(entries& e, zonefollow& f) {
  zonestep s;
  if (!f.on) return s;
  // The zone is the user's to enter where the places near the coordinates
  // do not tell it: the zone fields are emptied, as they held the zone of
  // other coordinates.
  static const char* const enter = ". Enter the zone in force at the birth place.";
  if (f.bycoords && f.near.zones.empty()) {
    e.zhour = e.zmin = "";
    s.kind = zonestep::refused;
    s.message = nonenear(f.near) + enter;
    f.note = "Zone: enter it; the nearest place, " + f.near.nearest.p->name + ", is " +
             std::to_string(std::lround(f.near.nearest.km)) + " km away";
    return s;
  }
  birthdata b;
  if (const char* why = datetime(e, b)) {
    s.kind = zonestep::refused;
    s.message = why;
    f.note = "Zone: " + f.tz + from(f) + ", once the date and time are valid";
    return s;
  }
  if (f.bycoords) {
    s.message = zonesdiffer(f.near, b.year, b.mon, b.day, b.hour, b.min);
    if (!s.message.empty()) {
      e.zhour = e.zmin = "";
      s.kind = zonestep::refused;
      s.message += enter;
      f.note = "Zone: enter it; the places within 100 km kept different zones then";
      return s;
    }
  }
  // The birth place's own mean time is that of the longitude in the fields,
  // and its city's clock that of the coordinates in the fields.
  const birthdata at = commitentries(e);
  double lon = f.lon, lat = f.lat;
  if (inrange(at, &birthdata::londg, &birthdata::lonmn)) lon = -at.lon;
  if (inrange(at, &birthdata::latdg, &birthdata::latmn)) lat = at.lat;
  zonefound z = findclock(f.tz, lat, lon, b.year, b.mon, b.day, b.hour, b.min);
  switch (z.kind) {
    case zonefound::unique:
      return fill(e, f, z.offsets[0], b);
    case zonefound::repeated:
    case zonefound::clocks:
      if (f.chosen && sametime(f, b))
        for (const zoneoffset& o : z.offsets)
          if (o.zone == f.chosenzone) return fill(e, f, o, b);
      s.kind = zonestep::choose;
      s.clocks = z.kind == zonefound::clocks;
      s.offsets = std::move(z.offsets);
      f.note = "Zone: " + f.tz +
               (z.kind == zonefound::clocks ? ", two clocks: OK asks which"
                                            : ", the time came twice: OK asks which");
      break;
    case zonefound::skipped:
      s.kind = zonestep::refused;
      f.note = "Zone: " + f.tz + ", no such time: the clocks moved forward";
      break;
    case zonefound::failed:
      s.kind = zonestep::refused;
      f.on = false;
      f.note.clear();
      break;
  }
  s.message = std::move(z.message);
  return s;
}

zonestep coordszone(entries& e, zonefollow& f, atlas& a) {
  if (f.on && !f.bycoords) return followzone(e, f);
  if (f.typed) return zonestep();
  const birthdata b = commitentries(e);
  const zonefollow was = f;
  f = zonefollow();
  // Coordinates whose side is not yet chosen (New) name no place.
  if (e.lonew < 0 || e.latns < 0 || !inrange(b, &birthdata::londg, &birthdata::lonmn) ||
      !inrange(b, &birthdata::latdg, &birthdata::latmn) || !a.load().empty())
    return zonestep();
  f.near = nearzonesof(a, b.lat, -b.lon);
  if (!f.near.nearest.p) return zonestep();
  f.on = f.bycoords = true;
  f.tz = (f.near.zones.empty() ? f.near.nearest : f.near.zones[0]).p->tz;
  f.lon = -b.lon;
  f.lat = b.lat;
  if (was.on && was.tz == f.tz) {  // the offset chosen for a time that came twice holds
    f.chosen = was.chosen;
    f.chosenzone = was.chosenzone;
    std::copy(std::begin(was.chosenat), std::end(was.chosenat), f.chosenat);
  }
  return followzone(e, f);
}

zonestep putzone(entries& e, zonefollow& f, const zoneoffset& o) {
  birthdata b;
  if (!f.on || datetime(e, b)) return followzone(e, f);
  f.chosen = true;
  f.chosenzone = o.zone;
  const int at[] = {b.year, b.mon, b.day, b.hour, b.min};
  std::copy(std::begin(at), std::end(at), f.chosenat);
  return fill(e, f, o, b);
}

int zoneof(const birthdata& b) { return (b.zeast ? -1 : 1) * (b.zhour * 60 + b.zmin); }

int lonminof(const birthdata& b) { return (b.loneast ? 1 : -1) * (b.londg * 60 + b.lonmn); }

const place* nearplace(atlas& a, double lat, double lon, double km) {
  const nearby n = a.nearest(lat, lon);
  return n.p && n.km <= km ? n.p : nullptr;
}

bool startfollow(const entries& e, zonefollow& f, const place* p) {
  f = zonefollow();
  birthdata b;
  if (!p || checkentries(e) || datetime(e, b)) return false;
  b = commitentries(e);
  const int zone = zoneof(b);
  const zonefound z = findclock(p->tz, b.lat, -b.lon, b.year, b.mon, b.day, b.hour, b.min);
  for (const zoneoffset& o : z.offsets) {
    if (o.zone != zone) continue;
    f.on = true;
    f.tz = p->tz;
    f.lon = -b.lon;
    f.lat = b.lat;
    f.note = "Zone: " + o.source;
    if (z.kind != zonefound::unique) {
      f.chosen = true;
      f.chosenzone = zone;
      const int at[] = {b.year, b.mon, b.day, b.hour, b.min};
      std::copy(std::begin(at), std::end(at), f.chosenat);
    }
    return true;
  }
  return false;
}

zoneask checkzone(const birthdata& b, const place* p, const std::string& who) {
  zoneask a;
  const int zone = zoneof(b), lonmin = lonminof(b);
  const zonefound z =
      p ? findclock(p->tz, b.lat, -b.lon, b.year, b.mon, b.day, b.hour, b.min) : zonefound();
  if (!z.offsets.empty() && z.kind != zonefound::skipped &&
      std::none_of(z.offsets.begin(), z.offsets.end(),
                   [&](const zoneoffset& o) { return beyondzone(o, b) != ""; })) {
    if (std::any_of(z.offsets.begin(), z.offsets.end(),
                    [&](const zoneoffset& o) { return o.zone == zone; }))
      return a;
    // Of two, the one the zone's sign reversed gives, else the nearer.
    const zoneoffset* fix = &z.offsets[0];
    for (const zoneoffset& o : z.offsets)
      if (o.zone == -zone ||
          (fix->zone != -zone && std::abs(o.zone - zone) < std::abs(fix->zone - zone)))
        fix = &o;
    a.fix = true;
    a.fixzone = fix->zone;
    a.question = p->name + " kept ";
    for (size_t i = 0; i < z.offsets.size(); ++i) {
      const zoneoffset& o = z.offsets[i];
      const char* named = standardname(p->tz, o.abbr);
      const std::string name = named ? named : o.kind;
      a.question += (i ? ", or " : "") + name + ", " + zonetext(o.zone);
    }
    char when[48];
    std::snprintf(when, sizeof when, "%d %s %d", b.day, monthname(b.mon), b.year);
    if (z.kind == zonefound::repeated) {
      char at[16];
      std::snprintf(at, sizeof at, "%02d:%02d", b.hour, b.min);
      a.question += std::string(", at ") + at;
    }
    a.question += std::string(", on ") + when + "; " + who + " " + zonetext(zone) + ".";
    return a;
  }
  if (!checkmean(zone, lonmin).far) return a;
  a.question = meanquestion(zone, lonmin);
  a.mean = true;
  a.fix = flipnear(zone, lonmin);
  a.fixzone = -zone;
  return a;
}

std::string wrapped(std::string_view text, size_t width) {
  std::string r;
  size_t line = 0;  // characters on the last line of r
  while (!text.empty()) {
    size_t end = std::min(text.find_first_of(" \n"), text.size());
    // A zone's sign stays with its figures: "- 04:55", "(- 04:55)".
    if (end >= 1 && end <= 2 && (text[end - 1] == '+' || text[end - 1] == '-') &&
        end + 1 < text.size() && text[end] == ' ')
      end = std::min(text.find_first_of(" \n", end + 1), text.size());
    const std::string_view word = text.substr(0, end);
    // UTF-8 continuation bytes are no characters of their own.
    const size_t chars = word.size() - std::count_if(word.begin(), word.end(), [](char c) {
                           return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
                         });
    if (line > 0 && line + 1 + chars > width) {
      r += '\n';
      line = 0;
    } else if (line > 0) {
      r += ' ';
      ++line;
    }
    r += word;
    line += chars;
    if (end < text.size() && text[end] == '\n') {
      r += '\n';
      line = 0;
    }
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return r;
}
