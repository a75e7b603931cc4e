// vornak-chart: reads the command line and does what it asks.
#include "cli/chartcmd.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <ostream>
#include <vector>

#include "cli/atlascmd.h"
#include "cli/chartout.h"
#include "cli/input.h"
#include "cli/messages.h"
#include "cli/options.h"
#include "cli/usage.h"
#include "fileio/outfile.h"
#include "version.h"

namespace {

int print(std::ostream& out, const char* text) {
  out << text;
  out.flush();
  return out ? 0 : 2;
}

// The chosen lines (every --line N, or the one line of a PNG or SVG), read
// with the whole file first, so that a file that cannot be read, a line it
// does not have or a second chart is told before anything is written. The
// lines the file has are then cast in the order given; a line it lacks
// makes the status 1, like a line that is not a chart.
int castchosen(const chartopts& o, linereader& lines, chartout& charts, const std::string& inname,
               std::ostream& err) {
  const std::vector<chosenline> want =
      o.lines.empty() ? std::vector<chosenline>{{0, "0"}} : o.lines;
  // The chosen lines by their number, to be met while the file is read.
  std::vector<std::size_t> bynumber(want.size());
  std::iota(bynumber.begin(), bynumber.end(), 0);
  std::stable_sort(bynumber.begin(), bynumber.end(),
                   [&](std::size_t a, std::size_t b) { return want[a].n < want[b].n; });
  std::vector<std::optional<std::string>> chosen(want.size());
  std::size_t found = 0;  // of bynumber, the lines met so far
  std::uint64_t count = 0;
  for (std::string_view line; lines.nextline(line); ++count)
    for (; found < bynumber.size() && want[bynumber[found]].n == count; ++found)
      chosen[bynumber[found]].emplace(line);
  if (!lines.failed().empty()) return charts.unreadable(lines.failed());
  if (o.lines.empty() && count > 1) {
    say(err, inname + " has " + std::to_string(count) +
                 " lines, and a PNG or SVG holds one chart: choose one with --line N");
    return 2;
  }
  int status = 0;
  for (std::size_t i = 0; i < want.size() && !o.lines.empty(); ++i) {
    if (chosen[i]) continue;
    say(err, inname,
        "no line " + shown(want[i].given) +
            (count == 0 ? ": the file has no lines"
                        : ": the file has lines 0 to " + std::to_string(count - 1)));
    status = 1;
  }
  // None of them: nothing is written.
  if (found == 0 && status) return status;
  if (!charts.open()) return 2;
  for (std::size_t i = 0; i < want.size(); ++i)
    if (chosen[i] && !charts.add(want[i].n, *chosen[i])) return 2;
  return std::max(status, charts.finish());
}

// Every line in turn, the first read before a page file is begun, so that
// a file that cannot be read leaves none behind.
int castall(linereader& lines, chartout& charts) {
  std::string_view line;
  bool have = lines.nextline(line);
  if (!lines.failed().empty()) return charts.unreadable(lines.failed());
  if (!charts.open()) return 2;
  for (std::uint64_t n = 0; have; ++n) {
    if (!charts.add(n, line)) return 2;
    have = lines.nextline(line);
  }
  // A file that cannot be read to its end leaves no page file behind.
  if (!lines.failed().empty()) return charts.unreadable(lines.failed());
  return charts.finish();
}

int castcharts(const chartopts& o, std::istream& in, std::ostream& out, std::ostream& err) {
  // The input is never written over, whatever name the output has.
  std::string outpath = o.format == pageformat::none ? "-" : o.path;
  if (isinput(outpath, o.input())) {
    say(err, outputname(outpath), "is the input file; nothing written");
    return 2;
  }
  std::string inname = inputname(o.input()), why;
  inputfile input;
  if (!input.open(o.input(), in, why)) {
    say(err, inname, why);
    return 2;
  }
  chartout charts(o, inname, out, err);
  bool onepage = o.format == pageformat::png || o.format == pageformat::svg;
  if (!o.lines.empty() || onepage) return castchosen(o, input.lines(), charts, inname, err);
  return castall(input.lines(), charts);
}

}  // namespace

int chartcmd(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
             std::ostream& err) {
  chartopts o;
  std::string why = readoptions(args, o);
  if (!why.empty()) return badusage(err, why);
  switch (o.run) {
    case task::help:
      return print(out, helptext().c_str());
    case task::version:
      return print(out, "vornak-chart Version " VORNAK_VERSION "\n");
    case task::find:
      return findplaces(o, out, err);
    case task::import:
      return importcharts(o, in, out, err);
    case task::charts:
      break;
  }
  return castcharts(o, in, out, err);
}
