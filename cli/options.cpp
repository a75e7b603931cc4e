// vornak-chart's options: one table, read with getopt_long.
#include "cli/options.h"

#include <getopt.h>

#include <cstring>
#include <iterator>

namespace {

// The N of --line: decimal digits only. Values too large for the count
// saturate; no file has that many lines.
std::string setline(chartopts& o, const std::string& v) {
  std::uint64_t n = 0;
  bool digits = !v.empty();
  for (char c : v) {
    if (c < '0' || c > '9') digits = false;
    if (digits && n < UINT64_MAX / 10) n = n * 10 + static_cast<unsigned>(c - '0');
  }
  if (!digits) return "--line needs a line number from 0 on, not \"" + v + "\"";
  o.lines.push_back({n, v});
  return "";
}

std::string setpage(chartopts& o, pageformat f, const char* name, const std::string& v) {
  if (o.format != pageformat::none) return "only one of --png, --svg and --pdf, please";
  if (v.empty()) return std::string(name) + " needs a file name";
  o.format = f;
  o.path = v;
  return "";
}

std::string setscale(chartopts& o, const std::string& v) {
  if (v.size() != 1 || v[0] < '1' || v[0] > '4')
    return "--scale needs a number from 1 to 4, not \"" + v + "\"";
  o.scale = v[0] - '0';
  return "";
}

// --find and --import: one task for a run.
std::string settask(chartopts& o, task t, std::string& to, const std::string& v) {
  if (o.run == task::find || o.run == task::import)
    return "only one of --find and --import, please";
  o.run = t;
  to = v;
  return "";
}

// The options that go together, once all are read: "" or why they do not.
std::string together(const chartopts& o) {
  bool page = o.format != pageformat::none;
  if (o.run == task::find && (o.file || !o.lines.empty() || page))
    return "--find goes with --json only";
  if (o.run == task::import && (o.file || !o.lines.empty() || o.json || page))
    return "--import writes chart lines: no other option or FILE goes with it";
  if (o.append && o.run != task::import) return "--append goes with --import only";
  if (o.json && page) return "--json or a page file, not both";
  if (!page && (o.north || o.scale)) return "--north and --scale go with --png, --svg or --pdf";
  if (o.scale && o.format != pageformat::png) return "--scale goes with --png only";
  if (o.lines.size() > 1 && (o.format == pageformat::png || o.format == pageformat::svg))
    return "a PNG or SVG holds one chart: only one --line, please";
  return "";
}

// What getopt_long found wrong with the argument it stopped at, in its own
// words (its own printing is off, so that the message goes where the
// caller's messages go). c is what it returned, arg the argument.
std::string getopterror(int c, const char* arg) {
  if (optopt >= 256) {
    std::string name = std::string("'--") + optiontable[optopt - 256].name + "'";
    return c == ':' ? "option " + name + " requires an argument"
                    : "option " + name + " doesn't allow an argument";
  }
  if (optopt != 0) return std::string("invalid option -- '") + static_cast<char>(optopt) + "'";
  // A long name that no option has, or that begins more than one.
  std::string given(arg + 2, std::strcspn(arg + 2, "=")), all;
  int begun = 0;
  for (std::size_t i = 0; i < optioncount; ++i)
    if (std::strncmp(optiontable[i].name, given.c_str(), given.size()) == 0)
      ++begun, all += std::string(" '--") + optiontable[i].name + "'";
  if (begun > 1) return std::string("option '") + arg + "' is ambiguous; possibilities:" + all;
  return std::string("unrecognized option '") + arg + "'";
}

}  // namespace

// clang-format off
const optiondef optiontable[] = {
    {"json", nullptr, inusage::choice, nullptr,
     "print one JSON object per chart (JSON Lines)",
     [](chartopts& o, const std::string&) -> std::string {
       o.json = true;
       return "";
     }},
    {"png", "FILE", inusage::choice, nullptr,
     "write the chart page as a PNG image",
     [](chartopts& o, const std::string& v) { return setpage(o, pageformat::png, "--png", v); }},
    {"svg", "FILE", inusage::choice, nullptr,
     "write the chart page as SVG",
     [](chartopts& o, const std::string& v) { return setpage(o, pageformat::svg, "--svg", v); }},
    {"pdf", "FILE", inusage::choice, nullptr,
     "write a PDF, one A4 page per chart",
     [](chartopts& o, const std::string& v) { return setpage(o, pageformat::pdf, "--pdf", v); }},
    {"north", nullptr, inusage::option, nullptr,
     "draw the North chart instead of the South chart",
     [](chartopts& o, const std::string&) -> std::string {
       o.north = true;
       return "";
     }},
    {"scale", "K", inusage::option, nullptr,
     "with --png: the page at K times its size, K from 1 to 4",
     setscale},
    {"line", "N", inusage::option, nullptr,
     "only line N, counted from 0 (give it again for more)",
     setline},
    {"find", "TEXT", inusage::task, "json",
     "list the atlas's places whose name starts with TEXT",
     [](chartopts& o, const std::string& v) {
       return v.empty() ? "--find needs a place name" : settask(o, task::find, o.find, v);
     }},
    {"import", "FILE", inusage::task, "append CHARTFILE",
     "print a chart line for each birth of a CSV file",
     [](chartopts& o, const std::string& v) {
       return v.empty() ? "--import needs a file name" : settask(o, task::import, o.csv, v);
     }},
    {"append", "CHARTFILE", inusage::no, nullptr,
     "with --import: add the lines to CHARTFILE, all or none",
     [](chartopts& o, const std::string& v) -> std::string {
       if (v.empty()) return "--append needs a chart file's name";
       o.append = v;
       return "";
     }},
    {"help", nullptr, inusage::no, nullptr,
     "print this help and exit",
     [](chartopts& o, const std::string&) -> std::string {
       o.run = task::help;
       return "";
     }},
    {"version", nullptr, inusage::no, nullptr,
     "print the version and exit",
     [](chartopts& o, const std::string&) -> std::string {
       o.run = task::version;
       return "";
     }},
};
// clang-format on
const std::size_t optioncount = std::size(optiontable);

std::string readoptions(const std::vector<std::string>& args, chartopts& o) {
  // getopt_long's table: option i returns 256 + i, above every byte.
  static const std::vector<option> longopts = [] {
    std::vector<option> l;
    for (std::size_t i = 0; i < optioncount; ++i)
      l.push_back({optiontable[i].name, optiontable[i].value ? required_argument : no_argument,
                   nullptr, static_cast<int>(256 + i)});
    l.push_back({nullptr, 0, nullptr, 0});
    return l;
  }();
  std::vector<std::string> words = args;
  words.insert(words.begin(), "vornak-chart");
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  int argc = static_cast<int>(words.size());

  // "-": FILE is returned in its place as 1, so that options and FILE mix
  // in any order without argv being permuted, and POSIXLY_CORRECT cannot
  // stop the reading at FILE. ":": getopt_long prints nothing and tells a
  // missing value apart. optind 0 starts a new reading.
  std::size_t files = 0;
  optind = 0;
  for (int c; (c = getopt_long(argc, argv.data(), "-:", longopts.data(), nullptr)) != -1;) {
    if (c == 1) {
      if (files++ == 0) o.file = optarg;
      continue;
    }
    if (c < 256) return getopterror(c, argv[optind - 1]);
    std::string why = optiontable[c - 256].set(o, optarg ? optarg : "");
    if (!why.empty()) return why;
    if (o.run == task::help || o.run == task::version) return "";
  }
  // What follows "--" is FILE, whatever it looks like.
  for (int i = optind; i < argc; ++i)
    if (files++ == 0) o.file = argv[i];
  if (files > 1) return "only one FILE, please";
  return together(o);
}
