// Splitting the GeoNames files.
#include "atlas/geonames.h"

#include <charconv>

namespace {

// Splits line at tabs into at most max fields; returns their count.
size_t splittabs(std::string_view line, std::string_view* fields, size_t max) {
  size_t n = 0;
  for (;;) {
    const size_t tab = line.find('\t');
    if (n == max) return n + 1;  // too many
    fields[n++] = line.substr(0, tab);
    if (tab == std::string_view::npos) return n;
    line.remove_prefix(tab + 1);
  }
}

// Reads the whole of s as a number into v; false when it is not one.
template <class T>
bool number(std::string_view s, T& v) {
  const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
  return !s.empty() && r.ec == std::errc() && r.ptr == s.data() + s.size();
}

// Calls row(line) for each line of text (without its line feed or a
// carriage return), skipping empty lines and, when comments is set, lines
// that start with '#'. Returns 0 when every call returned true and some line
// was given, else the number of the first line refused (1 for no line); a
// last line without its line feed is refused, since the file was cut off.
template <class F>
size_t eachline(std::string_view text, bool comments, F row) {
  size_t number = 0, given = 0;
  while (!text.empty()) {
    ++number;
    const size_t lf = text.find('\n');
    if (lf == std::string_view::npos) return number;  // cut off within its last line
    std::string_view line = text.substr(0, lf);
    text.remove_prefix(lf + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || (comments && line[0] == '#')) continue;
    if (!row(line)) return number;
    ++given;
  }
  return given ? 0 : 1;
}

// A two-letter code of capitals, as ISO country codes are.
bool iscountrycode(std::string_view s) {
  return s.size() == 2 && s[0] >= 'A' && s[0] <= 'Z' && s[1] >= 'A' && s[1] <= 'Z';
}

}  // namespace

size_t parsecities(std::string_view text, std::vector<cityrow>& rows) {
  rows.clear();
  return eachline(text, false, [&](std::string_view line) {
    std::string_view f[19];
    if (splittabs(line, f, 19) != 19) return false;
    cityrow r;
    r.name = f[1];
    r.asciiname = f[2];
    r.alternates = f[3];
    r.cc = f[8];
    r.admin1 = f[10];
    r.tz = f[17];
    const bool ok = number(f[4], r.lat) && number(f[5], r.lon) && number(f[14], r.population) &&
                    !r.name.empty() && !r.tz.empty() && iscountrycode(r.cc) && r.lat >= -90 &&
                    r.lat <= 90 && r.lon >= -180 && r.lon <= 180;
    if (ok) rows.push_back(r);
    return ok;
  });
}

size_t parseadmin1(std::string_view text, std::vector<arearow>& rows) {
  rows.clear();
  return eachline(text, false, [&](std::string_view line) {
    std::string_view f[4];
    if (splittabs(line, f, 4) != 4 || f[0].size() < 4 || f[0][2] != '.') return false;
    if (f[1].empty()) f[1] = f[2];  // a few states have their ASCII name only
    rows.push_back({f[0], {}, f[1], f[2]});
    return true;
  });
}

size_t parsecountries(std::string_view text, std::vector<arearow>& rows) {
  rows.clear();
  return eachline(text, true, [&](std::string_view line) {
    std::string_view f[19];
    if (splittabs(line, f, 19) != 19 || !iscountrycode(f[0]) || f[4].empty()) return false;
    rows.push_back({f[0], f[1], f[4], {}});
    return true;
  });
}
