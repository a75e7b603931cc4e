// vornak-chart: casts the charts of a chart file and prints them as text or
// as JSON Lines.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "chart/birth.h"

// Runs the command. args are the arguments without the program name; in is
// read when the file is "-"; charts go to out, messages to err. Returns the
// exit status: 0 every chosen line was cast; 1 a line was not a chart, or
// --line named a line the file does not have; 2 bad usage, a file that
// cannot be read, or output that cannot be written.
int chartcmd(const std::vector<std::string>& args, std::istream& in,
             std::ostream& out, std::ostream& err);

// The chart as text: the three header lines, the ten rows of the position
// table, the navamsha line, the dasha heading and one line per dasha entry;
// every line ends in a line feed.
std::string charttext(const birthdata& b, const chartstate& s);

// The chart as one JSON object with its line feed.
std::string chartjson(long long line, const birthdata& b, const chartstate& s);

// A JSON string literal, quotes included: quotes, backslashes and control
// bytes escaped, each byte that is not part of valid UTF-8 replaced by
// U+FFFD.
std::string jsonstr(std::string_view s);

// The place line of the header: "%s %3d%c%02d %2d%c%02d" of the place,
// longitude and latitude, bounded to 63 characters.
std::string placeline(const birthdata& b);
