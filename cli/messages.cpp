// vornak-chart's messages.
#include "cli/messages.h"

#include <ostream>

#include "chart/escape.h"
#include "cli/usage.h"

std::string shown(std::string_view s) { return escapebytes(s, escapes::control); }

std::string inputname(const std::string& path) {
  return path == "-" ? "standard input" : shown(path);
}

std::string outputname(const std::string& path) {
  return path == "-" ? "standard output" : shown(path);
}

void say(std::ostream& err, std::string_view what) { err << "vornak-chart: " << what << "\n"; }

void say(std::ostream& err, std::string_view where, std::string_view why) {
  err << "vornak-chart: " << where << ": " << why << "\n";
}

int badusage(std::ostream& err, std::string_view what) {
  say(err, shown(what));
  err << usagelines() << "Try 'vornak-chart --help' for more information.\n";
  return 2;
}

int cantwrite(std::ostream& err) {
  say(err, "cannot write the output");
  return 2;
}
