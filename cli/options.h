// vornak-chart's command line, read into one options struct.
#pragma once

#include <cstdint>
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

struct chartopts {
  task run = task::charts;
  std::string file = chartfilename;  // FILE; "-" is standard input
  bool json = false;                 // --json
  bool one = false;                  // --line N was given
  std::uint64_t line = 0;            // its N; past any count it saturates
  std::string linearg;               // its N as given, for the messages
  pageopts page;                     // --png, --svg, --pdf, --north, --scale
  bool scaleset = false;             // --scale was given
  bool fileset = false;              // FILE was given
  std::string find;                  // --find TEXT
  std::string csv;                   // --import FILE; "-" is standard input
};

// Reads the arguments (without the program name) into o. An option with a
// value takes it as --opt V or --opt=V; "--" ends the options, and "-" is a
// FILE. --help and --version end the reading where they stand. Returns ""
// when the line is good, else what is wrong with it.
std::string readoptions(const std::vector<std::string>& args, chartopts& o);
