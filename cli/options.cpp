// vornak-chart's options: one table, one reader.
#include "cli/options.h"

#include <cstring>

namespace {

// An option: a switch, or one with a value, which says in `needs` what the
// value is (for the message when it is missing). set takes the value ("" for
// a switch) into o, and returns "" or why the value is wrong.
struct option {
  const char* name;
  const char* needs;  // null for a switch
  std::string (*set)(chartopts& o, const std::string& v);
};

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
  o.one = true;
  o.line = n;
  o.linearg = v;
  return "";
}

std::string setpage(chartopts& o, pageformat f, const char* name, const std::string& v) {
  if (o.page.format != pageformat::none) return "only one of --png, --svg and --pdf, please";
  if (v.empty()) return std::string(name) + " needs a file name";
  o.page.format = f;
  o.page.path = v;
  return "";
}

std::string setscale(chartopts& o, const std::string& v) {
  if (v.size() != 1 || v[0] < '1' || v[0] > '4')
    return "--scale needs a number from 1 to 4, not \"" + v + "\"";
  o.page.scale = v[0] - '0';
  o.scaleset = true;
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

// clang-format off
const option options[] = {
    {"--help", nullptr, [](chartopts& o, const std::string&) -> std::string {
       o.run = task::help;
       return "";
     }},
    {"--version", nullptr, [](chartopts& o, const std::string&) -> std::string {
       o.run = task::version;
       return "";
     }},
    {"--json", nullptr, [](chartopts& o, const std::string&) -> std::string {
       o.json = true;
       return "";
     }},
    {"--line", "a line number", setline},
    {"--png", "a file name", [](chartopts& o, const std::string& v) {
       return setpage(o, pageformat::png, "--png", v);
     }},
    {"--svg", "a file name", [](chartopts& o, const std::string& v) {
       return setpage(o, pageformat::svg, "--svg", v);
     }},
    {"--pdf", "a file name", [](chartopts& o, const std::string& v) {
       return setpage(o, pageformat::pdf, "--pdf", v);
     }},
    {"--north", nullptr, [](chartopts& o, const std::string&) -> std::string {
       o.page.north = true;
       return "";
     }},
    {"--scale", "a number from 1 to 4", setscale},
    {"--find", "a place name", [](chartopts& o, const std::string& v) {
       return v.empty() ? "--find needs a place name" : settask(o, task::find, o.find, v);
     }},
    {"--import", "a file name", [](chartopts& o, const std::string& v) {
       return v.empty() ? "--import needs a file name" : settask(o, task::import, o.csv, v);
     }},
};
// clang-format on

// The options that go together, once all are read: "" or why they do not.
std::string together(const chartopts& o) {
  const pageopts& p = o.page;
  if (o.run == task::find && (o.fileset || o.one || p.format != pageformat::none))
    return "--find goes with --json only";
  if (o.run == task::import && (o.fileset || o.one || o.json || p.format != pageformat::none))
    return "--import writes chart lines: no other option or FILE goes with it";
  if (o.json && p.format != pageformat::none) return "--json or a page file, not both";
  if (p.format == pageformat::none && (p.north || o.scaleset))
    return "--north and --scale go with --png, --svg or --pdf";
  if (o.scaleset && p.format != pageformat::png) return "--scale goes with --png only";
  return "";
}

}  // namespace

std::string readoptions(const std::vector<std::string>& args, chartopts& o) {
  bool optsdone = false;
  std::size_t files = 0;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (optsdone || a == "-" || a.empty() || a[0] != '-') {
      if (files++ == 0) o.file = a;
      o.fileset = true;
      continue;
    }
    if (a == "--") {
      optsdone = true;
      continue;
    }
    const option* opt = nullptr;
    std::string v;
    for (const option& c : options) {
      std::size_t n = std::strlen(c.name);
      if (a == c.name) {
        if (c.needs && i + 1 >= args.size()) return a + " needs " + c.needs;
        if (c.needs) v = args[++i];
      } else if (!c.needs || a.compare(0, n, c.name) != 0 || a[n] != '=') {
        continue;
      } else {
        v = a.substr(n + 1);
      }
      opt = &c;
      break;
    }
    if (!opt) return "unknown option \"" + a + "\"";
    std::string why = opt->set(o, v);
    if (!why.empty()) return why;
    if (o.run == task::help || o.run == task::version) return "";
  }
  if (files > 1) return "only one FILE, please";
  return together(o);
}
