// The chart file: appending a chart, listing its lines, loading one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chart/birth.h"
#include "chart/chartline.h"

// Name of the chart file, in the working directory.
constexpr const char* chartfilename = "charts.vnk";

// Appends the chart line of b to the file at path (created when missing).
// When the file does not end in a line feed, one is written first, so that
// its last line and the new one both stay whole. Returns false when the
// file cannot be opened, written or closed.
bool appendchart(const char* path, const birthdata& b);

// A chart file's bytes split into the chart list's items: an item ends at a
// line feed, a zero byte or the end of the text (none of them kept), or when
// it holds 1023 bytes (the next byte is then dropped). So N lines give N + 1
// items, the last one empty, and an empty text gives one empty item; a
// carriage return stays in its item. The one splitter of chart files: the
// list, the loader and vornak-chart all count lines by it.
std::vector<std::string_view> splititems(std::string_view text);

// The chart list's items of the file at path (splititems). opened is false
// (and the list empty) when the file cannot be opened; a null or empty path
// gives no items and opened true.
std::vector<std::string> listitems(const char* path, bool* opened);

// Reads item n of the file (counted as listitems counts them) as a chart.
// Not ok, with why, when the file cannot be opened ("Couldn't open chart
// file!"), when there is no item n or it is empty ("no chart at item N"),
// or when the item is not a valid chart line (readchartline).
lineread loadchart(const char* path, int n);
