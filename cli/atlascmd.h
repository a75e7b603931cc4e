// vornak-chart's tasks on the atlas: the places that match a name, and the
// import of births from CSV.
#pragma once

#include <iosfwd>

#include "cli/options.h"

// --find TEXT: the places whose name or alternate name starts with TEXT,
// most populous first, as text or (--json) JSON Lines; or when TEXT is
// coordinates ("18 31N 73 51E", "18.52, 73.85"), the place nearest to them
// and its distance. Returns 0, 1 when no place matches or TEXT is digits
// but no coordinates, 2 when the atlas cannot be read or the output
// written.
int findplaces(const chartopts& o, std::ostream& out, std::ostream& err);

// --import FILE: a chart line for each good row of the CSV file (in for
// "-"), each refused row told on err. Returns 0 when every row gave a
// chart, 1 when a row (or the header) was refused, 2 when the file cannot be
// read or the output written.
int importcharts(const chartopts& o, std::istream& in, std::ostream& out, std::ostream& err);
