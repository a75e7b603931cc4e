// vornak-chart: reads the command line and does what it asks.
#include "cli/chartcmd.h"

#include <ostream>

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

// One chosen line (--line N, or the one line of a PNG or SVG), read with
// the whole file first, so that a file that cannot be read, a line it does
// not have or a second chart is told before anything is written.
int castchosen(const chartopts& o, linereader& lines, chartout& charts, const std::string& inname,
               std::ostream& err) {
  std::string chosen;
  bool found = false;
  std::uint64_t count = 0;
  for (std::string_view line; lines.nextline(line); ++count)
    if (count == o.line) chosen.assign(line), found = true;
  if (!lines.failed().empty()) return charts.unreadable(lines.failed());
  if (o.one && !found) {
    say(err, inname,
        "no line " + shown(o.linearg) +
            (count == 0 ? ": the file has no lines"
                        : ": the file has lines 0 to " + std::to_string(count - 1)));
    return 1;
  }
  if (!o.one && count > 1) {
    say(err, inname + " has " + std::to_string(count) +
                 " lines, and a PNG or SVG holds one chart: choose one with --line N");
    return 2;
  }
  if (!charts.open()) return 2;
  if (found && !charts.add(o.line, chosen)) return 2;
  return charts.finish();
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
  std::string outpath = o.page.format == pageformat::none ? "-" : o.page.path;
  if (isinput(outpath, o.file)) {
    say(err, outputname(outpath), "is the input file; nothing written");
    return 2;
  }
  std::string inname = inputname(o.file), why;
  inputfile input;
  if (!input.open(o.file, in, why)) {
    say(err, inname, why);
    return 2;
  }
  chartout charts(o, inname, out, err);
  bool onepage = o.page.format == pageformat::png || o.page.format == pageformat::svg;
  if (o.one || onepage) return castchosen(o, input.lines(), charts, inname, err);
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
      return print(out, helptext);
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
