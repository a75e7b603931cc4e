// vornak-chart's messages on standard error: "vornak-chart: WHERE: WHY".
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

// A text for a message: control bytes as \xHH, so that a chart file or an
// argument cannot drive the terminal.
std::string shown(std::string_view s);

// At most the first max characters of a text the user gave, for a message
// that quotes it: control bytes and bytes that are not UTF-8 as \xHH, and
// "..." after a cut.
std::string excerpt(std::string_view s, std::size_t max);

// A file as messages name it: "standard input" or "standard output" for
// "-", else its path shown.
std::string inputname(const std::string& path);
std::string outputname(const std::string& path);

// Writes "vornak-chart: WHAT", or "vornak-chart: WHERE: WHY", and a line feed.
void say(std::ostream& err, std::string_view what);
void say(std::ostream& err, std::string_view where, std::string_view why);

// Says what is wrong with the command line, then the usage lines and where
// to find more; returns the status of bad usage, 2.
int badusage(std::ostream& err, std::string_view what);

// Says that the output cannot be written; returns its status, 2.
int cantwrite(std::ostream& err);
