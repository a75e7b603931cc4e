// vornak-chart's --find and --import.
#include "cli/atlascmd.h"

#include <cstdint>
#include <ostream>

#include "atlas/atlas.h"
#include "atlas/csvimport.h"
#include "cli/input.h"
#include "cli/messages.h"
#include "cli/textjson.h"

int findplaces(const chartopts& o, std::ostream& out, std::ostream& err) {
  atlas& a = worldatlas();
  if (!a.load().empty()) {
    say(err, a.load());
    return 2;
  }
  const auto found = a.search(o.find, SIZE_MAX);
  for (const place* p : found) out << (o.json ? findjson(*p) : findline(*p));
  out.flush();
  if (!out) return cantwrite(err);
  if (found.empty()) {
    say(err, "no place of 15,000 people or more has a name that starts with \"" +
                 excerpt(o.find, 80) + "\"");
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
