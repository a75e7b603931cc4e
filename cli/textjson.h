// vornak-chart's two ways of printing a chart: the texts of its page, and a
// JSON object.
#pragma once

#include <string>
#include <string_view>

#include "atlas/atlas.h"
#include "chart/birth.h"

// Adds the chart as text to r: the three header lines (name, date line,
// place line), the ten rows of the position table, the navamsha line, the
// dasha heading and one line per dasha period; every line ends in a line
// feed. Control bytes of the name and place are shown as \xHH.
void addtext(std::string& r, const birthdata& b, const chartstate& s);

// Adds the chart of line `line` as one JSON object and its line feed to r.
// Its strings are valid UTF-8: quotes, backslashes and control bytes
// escaped, each byte that is not part of valid UTF-8 replaced by U+FFFD.
void addjson(std::string& r, long long line, const birthdata& b, const chartstate& s);

// Adds the object of a line that is not a chart, {"line": N, "error": why}.
void addjsonerror(std::string& r, long long line, std::string_view why);

// A place of --find and its line feed, as text, "Chennai, Tamil Nadu, India
// 80E17 13N05  Asia/Kolkata  4328063" (the longitude and latitude as a chart
// line and an import file write them), or as JSON,
// {"name":"Chennai","state":"Tamil Nadu","country":"India","lat":13.08784,
// "lon":80.27847,"tz":"Asia/Kolkata","population":4328063} (lat and lon in
// decimal degrees, north and east positive). The place nearest to
// coordinates has its distance after it, km kilometres: "  24 km" or
// ,"km":24 last.
std::string findline(const place& p, long km = -1);
std::string findjson(const place& p, long km = -1);
