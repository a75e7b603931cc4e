// Periodic-term series and the planetary tables they evaluate.
#include "engine/series.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const double pi = 3.141592653589793;

}  // namespace

TEST(Series, TermSums)
{
  // Amplitudes and phases in 1e-8, frequencies in 1e-3 rad per millennium.
  const int32_t tab[][3] = {{100000000, 0, 0}, {50000000, 157079633, 1000}, {7, 1, 2}};
  EXPECT_EQ(getterms(tab[0], 0, 3.0), 0.0);
  EXPECT_DOUBLE_EQ(getterms(tab[0], 1, 3.0), 1.0);
  EXPECT_NEAR(getterms(tab[0], 2, 0.0), 1.0, 1e-8);
  EXPECT_NEAR(getterms(tab[0], 2, 1.0), 1.0 + 0.5 * std::cos(1.57079633 + 1.0), 1e-15);
}

TEST(Series, EarthAtJ2000AndOneCenturyAway)
{
  double out[3];
  getplanet(0.0, out, earlrg, earptr, earterms);
  EXPECT_NEAR(out[0], 1.751923, 0.5e-6);  // 100.3778 deg
  EXPECT_NEAR(out[1], -0.0000039, 0.5e-7);
  EXPECT_NEAR(out[2], 0.983327, 0.5e-6);
  const struct { double T, deg; } cases[] = {{0.0, 100.3778}, {-1.0, 99.6446}, {1.0, 101.1176}};
  for (const auto& c : cases) {
    getplanet(c.T, out, earlrg, earptr, earterms);
    EXPECT_NEAR(std::fmod(out[0] + 2000 * pi, 2 * pi) * 180 / pi, c.deg, 0.5e-4) << c.T;
  }
  EXPECT_GT(out[0], 100 * 2 * pi);  // L is not reduced: a century is a hundred turns
}

TEST(Series, PlanetDistancesStayInTheirOrbits)
{
  const struct {
    const char* name;
    const double* lrg;
    const int32_t* const* ptr;
    const int* terms;
    double rmin, rmax;
  } bodies[] = {
      {"Earth", earlrg, earptr, earterms, 0.983, 1.017},
      {"Mercury", merlrg, merptr, merterms, 0.307, 0.467},
      {"Venus", venlrg, venptr, venterms, 0.718, 0.729},
      {"Mars", marlrg, marptr, marterms, 1.38, 1.67},
      {"Jupiter", juplrg, jupptr, jupterms, 4.94, 5.47},
      {"Saturn", satlrg, satptr, satterms, 8.99, 10.11},
  };
  for (const auto& b : bodies)
    for (int i = 0; i <= 800; i++) {
      double out[3];
      getplanet(-4.0 + i * 0.01, out, b.lrg, b.ptr, b.terms);
      ASSERT_TRUE(out[2] > b.rmin && out[2] < b.rmax) << b.name << " " << i;
      ASSERT_LT(std::fabs(out[1]), 7.1 * pi / 180) << b.name << " " << i;  // inclinations
    }
}
