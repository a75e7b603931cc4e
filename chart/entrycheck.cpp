// The chart data dialog's checks and commit.
#include "chart/entrycheck.h"

#include <cstring>
#include <string>

#include "chart/escape.h"
#include "chart/fields.h"

// The month choice's item, taken as "Jan" when no item is chosen.
static int monthitem(const entries& e) { return e.mon >= 0 && e.mon <= 11 ? e.mon : 0; }

const char* checkentries(const entries& e) {
  const fieldcheck* c = firstbad(commitentries(e));
  return c ? c->alert : nullptr;
}

// The ten integer fields: each typed text and the record's field it gives,
// in the order of the checks.
static const struct {
  std::string entries::*text;
  int birthdata::*field;
} typed[] = {
    {&entries::year, &birthdata::year},   {&entries::day, &birthdata::day},
    {&entries::hour, &birthdata::hour},   {&entries::min, &birthdata::min},
    {&entries::zhour, &birthdata::zhour}, {&entries::zmin, &birthdata::zmin},
    {&entries::lond, &birthdata::londg},  {&entries::lonm, &birthdata::lonmn},
    {&entries::latd, &birthdata::latdg},  {&entries::latm, &birthdata::latmn},
};

const char* checkfilled(const entries& e) {
  for (const auto& t : typed) {
    const std::string& s = e.*t.text;
    if (s.find_first_not_of(" \t") != std::string::npos) continue;
    for (const fieldcheck& c : fieldchecks)
      if (c.field == t.field) return c.alert;
  }
  if (e.zone < 0)
    return "Choose the zone's sign: - east of Greenwich,\n+ west. India is - 05:30 in "
           "Vornak's convention.";
  if (e.lonew < 0) return "Choose E or W for the longitude.";
  if (e.latns < 0) return "Choose N or S for the latitude.";
  return nullptr;
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
  for (const auto& t : typed) b.*t.field = readdecimal(e.*t.text);
  b.zeast = e.zone != 0;
  b.loneast = e.lonew != 0;
  b.latsouth = e.latns != 0;
  derive(b);
  dateline(b.dtstr, b);
  return b;
}

entries entriesof(const birthdata& b) {
  entries e;
  e.name.assign(b.name, strnlen(b.name, sizeof b.name));
  e.place.assign(b.place, strnlen(b.place, sizeof b.place));
  e.mon = b.mon >= 1 && b.mon <= 12 ? b.mon - 1 : 0;
  for (const auto& t : typed) e.*t.text = std::to_string(b.*t.field);
  e.zone = b.zeast ? 1 : 0;
  e.lonew = b.loneast ? 1 : 0;
  e.latns = b.latsouth ? 1 : 0;
  return e;
}
