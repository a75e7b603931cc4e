// The GeoNames readers at the edges of what a row may hold.
#include "atlas/geonames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string city(const std::string& cc, const std::string& lat, const std::string& lon) {
  return "1\tPune\tPune\t\t" + lat + "\t" + lon + "\tP\tPPLA\t" + cc +
         "\t\t16\t\t\t\t1000\t\t14\tAsia/Kolkata\t2014-10-14";
}

TEST(geonames, refusescountrycodesandcoordinatesoutofrange) {
  const struct {
    const char *cc, *lat, *lon;
    size_t bad;  // the line refused, 0 for none
  } cases[] = {
      {"ZA", "90", "180", 0},   {"AZ", "-90", "-180", 0}, {"IN", "90.01", "0", 1},
      {"IN", "-90.01", "0", 1}, {"IN", "0", "180.01", 1}, {"IN", "0", "-180.01", 1},
      {"I", "0", "0", 1},       {"IND", "0", "0", 1},     {"@N", "0", "0", 1},
      {"[N", "0", "0", 1},      {"I@", "0", "0", 1},      {"I[", "0", "0", 1},
  };
  std::vector<cityrow> cities;
  for (const auto& c : cases)
    EXPECT_EQ(parsecities(city(c.cc, c.lat, c.lon), cities), c.bad) << c.cc << " " << c.lat;
  // Only the countries' file has comments; a state's code may have one digit.
  std::vector<arearow> states;
  EXPECT_EQ(parsecities(city("IN", "0", "0") + "\n# Pune", cities), 2u);
  EXPECT_EQ(parseadmin1("IN.7\tDelhi\tDelhi\t1273293\n# Delhi", states), 2u);
  EXPECT_EQ(parsecountries("# ISO\nIN\tIND\t356\tIN\tIndia\nIND\tIND\t356\tIN\tIndia", states), 3u);
}

}  // namespace
