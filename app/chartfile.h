// The chart file: appending a chart, listing its lines, loading one.
#pragma once

#include <string>
#include <vector>

#include "app/birth.h"
#include "app/chartline.h"

// Name of the chart file, in the working directory.
constexpr const char* chartfilename = "charts.vnk";

// Appends the chart line of b to the file at path (created when missing).
// When the file does not end in a line feed, one is written first, so that
// its last line and the new one both stay whole. Returns false when the
// file cannot be opened, written or closed.
bool appendchart(const char* path, const birthdata& b);

// The chart list's items: the file read byte by byte, an item ending at a
// line feed, a zero byte or the end of the file (none of them kept), or when
// 1023 bytes are held (the next byte is then dropped). So N lines give N + 1
// items, the last one empty, and an empty file gives one empty item; a
// carriage return stays in its item. opened is false (and the list empty)
// when the file cannot be opened; a null or empty path gives no items and
// opened true.
std::vector<std::string> listitems(const char* path, bool* opened);

// Reads item n of the file (counted as listitems counts them) as a chart.
// Not ok, with why, when the file cannot be opened ("Couldn't open chart
// file!"), when there is no item n or it is empty ("no chart at item N"),
// or when the item is not a valid chart line (readchartline).
lineread loadchart(const char* path, int n);
