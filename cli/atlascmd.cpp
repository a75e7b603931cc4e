// vornak-chart's --find and --import.
#include "cli/atlascmd.h"

#include <cmath>
#include <cstdint>
#include <ostream>

#include "atlas/atlas.h"
#include "atlas/coords.h"
#include "atlas/csvimport.h"
#include "cli/input.h"
#include "cli/messages.h"
#include "cli/textjson.h"

// --find with coordinates: the place nearest to them, rounded to the
// arc-minute as a chart holds them.
static int findnearest(const chartopts& o, std::ostream& out, std::ostream& err) {
  double lat = 0, lon = 0;
  if (!readcoords(o.find, lat, lon)) {
    say(err, "\"" + shown(o.find) +
                 "\" cannot be read as coordinates: give the latitude, then the longitude, as 18 "
                 "31N 73 51E "
                 "or 18.52, 73.85");
    return 1;
  }
  const nearby n = worldatlas().nearest(todeg(todm(lat)), todeg(todm(lon)));
  const long km = std::lround(n.km);
  out << (o.json ? findjson(*n.p, km) : findline(*n.p, km));
  out.flush();
  return out ? 0 : cantwrite(err);
}

int findplaces(const chartopts& o, std::ostream& out, std::ostream& err) {
  atlas& a = worldatlas();
  if (!a.load().empty()) {
    say(err, a.load());
    return 2;
  }
  if (coordslike(o.find)) return findnearest(o, out, err);
  const auto found = a.search(o.find, SIZE_MAX);
  for (const place* p : found) out << (o.json ? findjson(*p) : findline(*p));
  out.flush();
  if (!out) return cantwrite(err);
  if (found.empty()) {
    say(err,
        "no place of 15,000 people or more has a name that starts with \"" + shown(o.find) + "\"");
    return 1;
  }
  return 0;
}

int importcharts(const chartopts& o, std::istream& in, std::ostream& out, std::ostream& err) {
  const std::string inname = inputname(o.csv);
  std::string why;
  inputbytes input;
  if (!input.open(o.csv, in, why)) {
    say(err, inname, why);
    return 2;
  }
  std::istream& csv = input.stream();
  const int status = importcsv(csv, out, err, worldatlas(), "vornak-chart: " + inname + ": ");
  if (csv.bad()) {
    say(err, inname, readfailure(csv));
    return 2;
  }
  out.flush();
  if (!out) return cantwrite(err);
  return status;
}
