// vornak-chart's --find and --import.
#include "cli/atlascmd.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <ostream>

#include "atlas/atlas.h"
#include "atlas/coords.h"
#include "atlas/csvimport.h"
#include "cli/input.h"
#include "cli/messages.h"
#include "cli/textjson.h"
#include "fileio/cannot.h"
#include "fileio/linesink.h"
#include "fileio/outfile.h"

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
  const placesfound found = a.search(o.find, SIZE_MAX);
  for (const place* p : found.places) out << (o.json ? findjson(*p) : findline(*p));
  out.flush();
  if (!out) return cantwrite(err);
  if (found.places.empty()) {
    std::string close;
    for (const place* p : found.close) close += (close.empty() ? "" : "; ") + placetext(*p);
    say(err, "no place of 15,000 people or more has a name that starts with \"" +
                 excerpt(o.find, 80) + "\"" + (close.empty() ? "" : "; close names: " + close));
    return 1;
  }
  return 0;
}

namespace {

// --import FILE --append CHARTFILE: every row's line added to the chart
// file, or none when a row is refused or a write fails. The file is locked
// for the whole import, so that no Save lands between its lines.
int appendimport(const chartopts& o, std::istream& csv, std::ostream& err,
                 const std::string& inname) {
  const std::string name = shown(*o.append);
  chartappend f;
  if (!f.open(o.append->c_str(), -1)) {
    say(err, name, errno == EINVAL ? "cannot write: not a regular file" : cannot("write", errno));
    return 2;
  }
  long lines = 0;
  linesink buf([&](std::string_view s) {
    lines += std::count(s.begin(), s.end(), '\n');
    return f.add(s);
  });
  std::ostream out(&buf);
  const int status = importcsv(csv, out, err, worldatlas(), "vornak-chart: " + inname + ": ");
  if (csv.bad()) {
    say(err, inname, readfailure(csv));
    return 2;
  }
  if (status != 0) {
    say(err, name, "nothing added, as a row was refused");
    return status;
  }
  if (!out || !buf.finish() || !f.commit()) {
    say(err, name, cannot("write", errno) + "; nothing added");
    return 2;
  }
  say(err, name, std::to_string(lines) + (lines == 1 ? " chart line" : " chart lines") + " added");
  return 0;
}

}  // namespace

int importcharts(const chartopts& o, std::istream& in, std::ostream& out, std::ostream& err) {
  const std::string inname = inputname(o.csv);
  if (o.append && isinput(*o.append, o.csv)) {
    say(err, shown(*o.append), "is the input file; nothing written");
    return 2;
  }
  std::string why;
  inputbytes input;
  if (!input.open(o.csv, in, why)) {
    say(err, inname, why);
    return 2;
  }
  std::istream& csv = input.stream();
  if (o.append) return appendimport(o, csv, err, inname);
  const int status = importcsv(csv, out, err, worldatlas(), "vornak-chart: " + inname + ": ");
  if (csv.bad()) {
    say(err, inname, readfailure(csv));
    return 2;
  }
  out.flush();
  if (!out) return cantwrite(err);
  return status;
}
