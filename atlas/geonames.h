// The three GeoNames files of the atlas, split into rows. The rows are
// views into the text read, which must outlive them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// A line of cities15000.txt (19 tab-separated fields).
struct cityrow {
  std::string_view name, asciiname;
  std::string_view alternates;  // comma-separated
  std::string_view cc, admin1;  // "IN", "25"
  std::string_view tz;
  double lat = 0, lon = 0;  // decimal degrees, north and east positive
  long population = 0;
};

// A line of admin1Codes.txt ("IN.25", name, ASCII name) or of
// countryInfo.txt ("IN", "IND", name; ascii empty).
struct arearow {
  std::string_view code, code3, name, ascii;
};

// Each parser splits text into rows and returns 0, or the number (from 1)
// of the first line that is not a row of its file. A file without rows is
// damaged too: it gives line 1.
size_t parsecities(std::string_view text, std::vector<cityrow>& rows);
size_t parseadmin1(std::string_view text, std::vector<arearow>& rows);
size_t parsecountries(std::string_view text, std::vector<arearow>& rows);
