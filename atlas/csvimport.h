// vornak-chart's import: births in CSV, a header row naming the columns and
// one birth per row, each turned into a chart line with its place's
// coordinates from the atlas and its zone from tzdata.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "atlas/atlas.h"
#include "chart/birth.h"
#include "chart/entrycheck.h"

// Where each column stands in a row, from 0; -1 for an optional one that
// is not there.
struct importcolumns {
  int name = -1, date = -1, time = -1, place = -1;  // needed
  int lon = -1, lat = -1, zone = -1, dst = -1;      // optional
  std::size_t count = 0;                            // columns in the header
};

// Reads the header row: the column names in any order, case and blanks
// around them ignored.
// Returns "" or why the header cannot be used: a needed column missing, a
// name given twice or not known (a misspelt optional column would pass
// unseen and its values with it).
std::string readheader(const std::vector<std::string>& header, importcolumns& c);

// A data row's fields read, before the atlas is asked.
struct rowfields {
  std::string why;  // why the row is refused; empty when it is read
  // name, date, time; lon, lat and zone where the row gives them: the
  // dialog's entries for them, together a chart's
  entries e;
  std::string place;                            // the place's text, blanks trimmed
  bool lon = false, lat = false, zone = false;  // given
  std::optional<bool> dst;                      // yes or no, when given
};

// Reads one data row: name; date YYYY-MM-DD; time HH:MM, 24-hour; place
// "name[, state][, country]"; lon and lat as a chart line writes them
// ("80E17", "13N05") and zone ("-05:30", "-" east of Greenwich) in place of
// the atlas's; dst yes or no to pick the offset of a local time that came
// twice. The date, time and coordinates given must pass the dialog's
// checks.
rowfields readrow(const std::vector<std::string>& row, const importcolumns& c);

// One data row turned into a chart: ok with the record, or why not.
struct imported {
  bool ok = false;
  std::string why;
  birthdata b;  // zone, lon, lat and the date line derived
};

// How a row names one of the places that its place text may mean: the
// text that names it alone, else that text with its lon and lat.
struct placeasked {
  std::string place;     // "Salem, Tamil Nadu, India"
  std::string lon, lat;  // "82E32", "26N26", or empty
};

// The places a row's place text may mean, as a row names each; of places
// of the same text within 1 degree in the same zone at, the most likely.
std::vector<placeasked> askplaces(const placesfound& found, atlas& a, const civiltime& at);

// The chart of a row read: the coordinates and zone that the row does not
// give from the atlas's place that its place names, and tzdata. A place
// text that names none, or places far apart or in zones of different
// offsets at the row's date and time (the row's lon and lat, when given,
// tell which), refuses the row: the message lists the places of close
// names, or the places it may mean as askplaces writes them. The name and place are cut to 23 bytes
// as the dialog cuts them; the place is the atlas's name for it, or the text before its first comma
// when lon, lat and zone are all given.
imported resolverow(const rowfields& r, atlas& a);

// The whole import: reads CSV from in, writes the chart line of each good
// row to out and from + "row N: why" for each refused one to err (rows
// counted from 1, the header's), skipping empty rows. Returns 1 when the
// header or any row was refused, else 0. A read error of in, and a write
// error of out, are the caller's to tell (in.bad(), out.fail()).
int importcsv(std::istream& in, std::ostream& out, std::ostream& err, atlas& a,
              const std::string& from = "");
