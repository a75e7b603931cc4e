// The places near a point, the zone a birth there takes from them, and
// coordinates as typed for Find.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "atlas/coords.h"
#include "atlas/nearest.h"
#include "tests/golden.h"

namespace {

TEST(readcoords, formsandrefusals) {
  checktable("readcoords.txt", 1, [](const fields& in) {
    double lat = 0, lon = 0;
    if (!readcoords(in[0], lat, lon)) return fields{"no"};
    char s[64];
    std::snprintf(s, sizeof s, "%.5f %.5f", lat, lon);
    return fields{s};
  });
}

// Rosetta Code's haversine example, Nashville to Los Angeles: 2887.26 km on
// a sphere of 6372.8 km, so 2886.44 km on one of 6371 km.
TEST(kmapart, haversine) {
  EXPECT_NEAR(kmapart(36.12, -86.67, 33.94, -118.40), 2886.44, 0.01);
  EXPECT_NEAR(kmapart(0, 179.5, 0, -179.5), 111.19, 0.01);  // across the date line
}

TEST(nearest, places) {
  atlas& a = worldatlas();
  checktable("nearest.txt", 1, [&a](const fields& in) {
    double lat = 0, lon = 0;
    std::sscanf(in[0].c_str(), "%lf %lf", &lat, &lon);
    return fields{nearname(a.nearest(lat, lon))};
  });
}

// The search outwards from the point's latitude finds what a look at every
// place finds, at points all over the globe and at the poles.
TEST(nearest, sameaseveryplace) {
  atlas& a = worldatlas();
  std::mt19937 gen(7);
  std::uniform_real_distribution<double> lat(-90, 90), lon(-180, 180);
  for (int i = 0; i < 100; ++i) {
    const double y = i == 0 ? 90 : i == 1 ? -90 : lat(gen), x = lon(gen);
    const std::vector<nearby> all = a.within(y, x, 20100);  // half the Earth's girth is 20015 km
    ASSERT_GE(all.size(), 23461u);
    const nearby n = a.nearest(y, x);
    EXPECT_EQ(n.km, all[0].km) << y << " " << x;
  }
}

}  // namespace
