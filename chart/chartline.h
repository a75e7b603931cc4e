// Chart file lines: one chart per line, 99 characters and a line feed.
#pragma once

#include <string>
#include <string_view>

#include "chart/birth.h"

// Length of a chart line without its line feed.
constexpr int chartlinelen = 99;

// Room that writechartline needs in its dst.
constexpr int chartlineroom = 128;

// Writes the chart line of b, with its line feed, into dst (room for
// chartlineroom bytes); returns the number of bytes written (100 for a record
// within the dialog's ranges; never more than 127).
int writechartline(char* dst, const birthdata& b);

// The result of reading a line: ok when it is a valid chart, else why says
// what is wrong (one line of text, no trailing period).
struct lineread {
  bool ok = false;
  std::string why;
  birthdata rec;  // the record read, with zone, lon, lat and dtstr derived
};

// Reads a chart line (with or without its line feed). Never reads past the
// end of the view, whatever bytes it holds.
lineread readchartline(std::string_view line);
