// vornak-chart's usage lines, and its help, which begins with them.
#include "cli/usage.h"

#include <vector>

#include "cli/options.h"

namespace {

// An option as the usage lines and the help write it: "--name VALUE".
std::string form(const optiondef& d) {
  return std::string("--") + d.name + (d.value ? std::string(" ") + d.value : "");
}

}  // namespace

std::string usagelines() {
  // The first line casts charts: its alternatives in one pair of brackets,
  // each other option in its own, then FILE; it wraps under its first
  // bracket before column 80.
  std::vector<std::string> words;
  std::string choices;
  for (std::size_t i = 0; i < optioncount; ++i)
    if (optiontable[i].shown == inusage::choice)
      choices += (choices.empty() ? "[" : " | ") + form(optiontable[i]);
  if (!choices.empty()) words.push_back(choices + "]");
  for (std::size_t i = 0; i < optioncount; ++i)
    if (optiontable[i].shown == inusage::option) words.push_back("[" + form(optiontable[i]) + "]");
  words.push_back("[FILE]");
  std::string r, line = "usage: vornak-chart";
  const std::size_t indent = line.size();
  for (const std::string& w : words) {
    if (line.size() + 1 + w.size() > 79) r += line + "\n", line.assign(indent, ' ');
    line += " " + w;
  }
  r += line + "\n";
  // Each task's own line.
  for (std::size_t i = 0; i < optioncount; ++i) {
    const optiondef& d = optiontable[i];
    if (d.shown != inusage::task) continue;
    r += "       vornak-chart " + form(d);
    if (d.with) r += std::string(" [--") + d.with + "]";
    r += "\n";
  }
  return r;
}

std::string helptext() {
  std::string r = usagelines() +
                  "\n"
                  "Casts the birth charts of a Vornak chart file and prints them as text or\n"
                  "JSON Lines, or writes their chart pages to a PNG, SVG or PDF file. FILE\n"
                  "holds one chart line per line; the default is charts.vnk in the current\n"
                  "directory, and \"-\" reads standard input.\n"
                  "\n"
                  "Options:\n";
  for (std::size_t i = 0; i < optioncount; ++i) {
    std::string f = form(optiontable[i]);
    r +=
        "  " + f + std::string(f.size() < 20 ? 20 - f.size() : 1, ' ') + optiontable[i].help + "\n";
  }
  return r +
         "\n"
         "Exit status: 0 success; 1 a line was not a chart or not in the file, no\n"
         "place matched, or a row was refused; 2 bad usage, or a file that could\n"
         "not be read or written.\n"
         "\n"
         "The full reference, with the output formats, the places and the import:\n"
         "man vornak-chart\n";
}
