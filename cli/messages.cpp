// vornak-chart's messages.
#include "cli/messages.h"

#include <algorithm>
#include <ostream>

#include "chart/escape.h"
#include "cli/usage.h"

std::string shown(std::string_view s) { return escapebytes(s, escapes::control); }

std::string excerpt(std::string_view s, std::size_t max) {
  std::string r;
  for (std::size_t chars = 0; !s.empty(); ++chars) {
    if (chars == max) return r + "...";
    const std::size_t n = utf8len(s);  // 0: a byte that begins no character
    escapeinto(r, s.substr(0, std::max<std::size_t>(n, 1)), n ? escapes::control : escapes::ascii);
    s.remove_prefix(std::max<std::size_t>(n, 1));
  }
  return r;
}

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
