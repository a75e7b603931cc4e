// Periodic-term series and the planetary tables they evaluate.
#include "engine/series.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const double pi = 3.141592653589793;

double turn_deg(double L)
{
  double d = std::fmod(L, 2 * pi);
  if (d < 0)
    d += 2 * pi;
  return d * 180 / pi;
}

}  // namespace

TEST(Series, TermSums)
{
  const int32_t tab[][3] = {{100000000, 0, 0}, {50000000, 157079633, 1000}, {7, 1, 2}};
  EXPECT_EQ(getterms(tab[0], 0, 3.0), 0.0);
  EXPECT_DOUBLE_EQ(getterms(tab[0], 1, 3.0), 1.0);
  // Phase pi/2 at t = 0, and pi/2 + 1 rad per millennium at t = 1.
  EXPECT_NEAR(getterms(tab[0], 2, 0.0), 1.0, 1e-8);
  EXPECT_NEAR(getterms(tab[0], 2, 1.0), 1.0 + 0.5 * std::cos(1.57079633 + 1.0), 1e-15);
  // Only the first n terms count.
  EXPECT_NEAR(getterms(tab[0], 3, 0.4) - getterms(tab[0], 2, 0.4),
              7e-8 * std::cos(1e-8 + 0.002 * 0.4), 1e-16);
}

TEST(Series, EarthOnlyLatitudeTermOfPowerTwo)
{
  // The one term of the Earth's B2: 1e-8 cos(1.62703209 + 84334.661 t).
  for (double t : {-0.4, 0.0, 0.1, 0.37})
    EXPECT_NEAR(getterms(earB2[0], earterms[5], t),
                1e-8 * std::cos(1.62703209 + 84334.661 * t), 1e-18);
}

TEST(Series, EarthAtJ2000)
{
  double out[3];
  getplanet(0.0, out, earlrg, earptr, earterms);
  EXPECT_NEAR(out[0], 1.751923, 0.5e-6);
  EXPECT_NEAR(turn_deg(out[0]), 100.3778, 0.5e-4);
  EXPECT_NEAR(out[1], -0.0000039, 0.5e-7);
  EXPECT_NEAR(out[2], 0.983327, 0.5e-6);
}

TEST(Series, EarthLongitudeOneCenturyAway)
{
  double out[3];
  getplanet(-1.0, out, earlrg, earptr, earterms);
  EXPECT_NEAR(turn_deg(out[0]), 99.6446, 0.5e-4);
  getplanet(1.0, out, earlrg, earptr, earterms);
  EXPECT_NEAR(turn_deg(out[0]), 101.1176, 0.5e-4);
  // L is not reduced: a century is a hundred turns.
  EXPECT_GT(out[0], 100 * 2 * pi);
}

TEST(Series, PlanetDistancesStayInTheirOrbits)
{
  struct body {
    const char* name;
    const double* lrg;
    const int32_t* const* ptr;
    const int* terms;
    double rmin, rmax;
  };
  const body bodies[] = {
      {"Earth", earlrg, earptr, earterms, 0.983, 1.017},
      {"Mercury", merlrg, merptr, merterms, 0.307, 0.467},
      {"Venus", venlrg, venptr, venterms, 0.718, 0.729},
      {"Mars", marlrg, marptr, marterms, 1.38, 1.67},
      {"Jupiter", juplrg, jupptr, jupterms, 4.94, 5.47},
      {"Saturn", satlrg, satptr, satterms, 8.99, 10.11},
  };
  for (const body& b : bodies) {
    double bmax = 0;
    for (int i = 0; i <= 800; i++) {
      double T = -4.0 + i * 0.01;
      double out[3];
      getplanet(T, out, b.lrg, b.ptr, b.terms);
      EXPECT_GT(out[2], b.rmin) << b.name << " T " << T;
      EXPECT_LT(out[2], b.rmax) << b.name << " T " << T;
      bmax = std::fmax(bmax, std::fabs(out[1]));
    }
    // Orbital inclinations are all below 7.1 deg.
    EXPECT_LT(bmax, 7.1 * pi / 180) << b.name;
  }
}
