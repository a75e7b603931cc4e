// vornak-chart's command line, read into one options struct.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "chart/chartfile.h"
#include "page/pagefile.h"

// What the command is asked to do. A new task adds its value here, its
// options to the table in cli/options.cpp, and its case to chartcmd().
enum class task {
  charts,   // cast the charts of FILE (the default)
  find,     // --find TEXT: the atlas's places
  import,   // --import FILE: chart lines from CSV
  help,     // --help
  version,  // --version
};

// A line chosen with --line N.
struct chosenline {
  std::uint64_t n;    // past any count it saturates
  std::string given;  // N as given, for the messages
};

struct chartopts {
  task run = task::charts;
  std::optional<std::string> file;       // FILE; "-" is standard input
  bool json = false;                     // --json
  std::vector<chosenline> lines;         // every --line N, in the order given
  pageformat format = pageformat::none;  // --png, --svg or --pdf
  std::string path;                      // its FILE; "-" is standard output
  bool north = false;                    // --north
  std::optional<int> scale;              // --scale K
  std::string find;                      // --find TEXT
  std::string csv;                       // --import FILE; "-" is standard input
  std::optional<std::string> append;     // --append CHARTFILE

  // FILE, or charts.vnk when none was given.
  std::string input() const { return file.value_or(chartfilename); }
  // What the page file is asked for.
  pageopts page() const { return {format, path, north, scale.value_or(1)}; }
};

// How the usage lines show an option.
enum class inusage {
  no,      // not at all (--help, --version)
  choice,  // one of the alternatives that open the first line, [--json | --png FILE]
  option,  // in brackets of its own on the first line, [--north]
  task,    // opening a line of its own, with the option named in `with`
};

// An option as the reader, the usage lines and --help show it. set takes
// the value ("" for a switch) into o, and returns "" or why it is wrong.
struct optiondef {
  const char* name;   // without its "--"
  const char* value;  // the value's name, FILE or N; null for a switch
  inusage shown;
  const char* with;  // a task's companion option, shown in brackets after it
  const char* help;  // its line in --help
  std::string (*set)(chartopts& o, const std::string& v);
};

// Every option, in the order of the usage lines and --help.
extern const optiondef optiontable[];
extern const std::size_t optioncount;

// Reads the arguments (without the program name) into o, with getopt_long:
// an option with a value takes it as --opt V or --opt=V, a long name may be
// shortened while it stays unambiguous, "--" ends the options, and "-" is a
// FILE. Options and FILE mix in any order, whatever POSIXLY_CORRECT says.
// --help and --version end the reading where they stand. Returns "" when
// the line is good, else what is wrong with it. Can be called again.
std::string readoptions(const std::vector<std::string>& args, chartopts& o);
