// The checks of a chart's fields.
#include "chart/fields.h"

#include <cstdio>

#include "engine/calendar.h"

using b = birthdata;
using k = checkkind;

const fieldcheck fieldchecks[12] = {
    {k::range, "year", &b::year, 1600, 2400, "Enter year between\n1600-2400."},
    {k::range, "day", &b::day, 1, 31, "Enter day between\n1-31"},
    {k::february, "day", &b::day, 1, 29, "Invalid February date"},
    {k::thirtydays, "day", &b::day, 1, 30, "There are only 30 days\nin this month"},
    {k::range, "hour", &b::hour, 0, 23, "Enter hour between\n0-23"},
    {k::range, "minute", &b::min, 0, 59, "Enter minute between\n0-59"},
    {k::range, "zone hour", &b::zhour, 0, 12, "Enter zone hour between\n0-12"},
    {k::range, "zone minute", &b::zmin, 0, 59, "Enter zone minute between\n0-59"},
    {k::range, "longitude degree", &b::londg, 0, 179, "Enter longitude degree\nbetween 0-179"},
    {k::range, "longitude minute", &b::lonmn, 0, 59, "Enter longitude minute\nbetween 0-59"},
    {k::range, "latitude degree", &b::latdg, 0, 89, "Enter latitude degree\nbetween 0-89"},
    {k::range, "latitude minute", &b::latmn, 0, 59, "Enter latitude minute\nbetween 0-59"},
};

static bool fails(const fieldcheck& c, const birthdata& r) {
  int v = r.*c.field;
  switch (c.kind) {
    case k::february:
      return r.mon == 2 && (v > c.hi || (v == c.hi && !isleap(r.year)));
    case k::thirtydays:
      return (r.mon == 4 || r.mon == 6 || r.mon == 9 || r.mon == 11) && v > c.hi;
    default:
      return v < c.lo || v > c.hi;
  }
}

const fieldcheck* firstbad(const birthdata& r) {
  for (const fieldcheck& c : fieldchecks)
    if (fails(c, r)) return &c;
  return nullptr;
}

std::string checkreason(const fieldcheck& c, const birthdata& b) {
  char msg[96];
  if (c.kind == k::february)
    std::snprintf(msg, sizeof msg, "Feb %d is not a date in %d", b.day, b.year);
  else if (c.kind == k::thirtydays)
    std::snprintf(msg, sizeof msg, "%s %d is not a date: the month has 30 days", monthname(b.mon),
                  b.day);
  else
    std::snprintf(msg, sizeof msg, "%s %d is outside %d-%d", c.what, b.*c.field, c.lo, c.hi);
  return msg;
}
