// The dialog's fields for a place of the atlas, and the zone that follows.
#include "atlas/placefill.h"

#include <cctz/civil_time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "atlas/coords.h"
#include "atlas/meantime.h"

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
  f.note = "Zone: " + o.source;
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

bool sametime(const zonefollow& f, const birthdata& b) {
  const int at[5] = {b.year, b.mon, b.day, b.hour, b.min};
  return std::equal(at, at + 5, f.chosenat);
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
  return followzone(e, f);
}

zonestep followzone(entries& e, zonefollow& f) {
  zonestep s;
  if (!f.on) return s;
  birthdata b;
  if (const char* why = datetime(e, b)) {
    s.kind = zonestep::refused;
    s.message = why;
    f.note = "Zone: " + f.tz + ", once the date and time are valid";
    return s;
  }
  // The birth place's own mean time is that of the longitude in the fields.
  const birthdata at = commitentries(e);
  double lon = f.lon;
  if (at.londg >= 0 && at.londg <= 179 && at.lonmn >= 0 && at.lonmn <= 59) lon = -at.lon;
  zonefound z = findzone(f.tz, lon, b.year, b.mon, b.day, b.hour, b.min);
  switch (z.kind) {
    case zonefound::unique:
      return fill(e, f, z.offsets[0], b);
    case zonefound::repeated:
      if (f.chosen && sametime(f, b))
        for (const zoneoffset& o : z.offsets)
          if (o.zone == f.chosenzone) return fill(e, f, o, b);
      s.kind = zonestep::choose;
      s.offsets = std::move(z.offsets);
      f.note = "Zone: " + f.tz + ", the time came twice: OK asks which";
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

zonestep putzone(entries& e, zonefollow& f, const zoneoffset& o) {
  birthdata b;
  if (!f.on || datetime(e, b)) return followzone(e, f);
  f.chosen = true;
  f.chosenzone = o.zone;
  const int at[5] = {b.year, b.mon, b.day, b.hour, b.min};
  std::copy(at, at + 5, f.chosenat);
  return fill(e, f, o, b);
}

std::string zonequestion(const birthdata& b) {
  const int zone = (b.zeast ? -1 : 1) * (b.zhour * 60 + b.zmin);
  const int lonmin = (b.loneast ? 1 : -1) * (b.londg * 60 + b.lonmn);
  return checkmean(zone, lonmin).far ? meanquestion(zone, lonmin) : "";
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
