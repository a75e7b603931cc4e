// Geocentric longitudes and daily motions of the moving chart points.
#include "engine/planets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

TEST(Planets, GeocentricFromHeliocentric)
{
  const double pi = 3.141592653589793;
  // Heliocentric L, B, R of the planet and of the Earth; worked by hand.
  const struct { double p[3], e[3], want; } cases[] = {
      {{0, 0, 2}, {pi / 2, 0, 1}, 2 * pi - std::atan(0.5)},  // towards +x, -y
      {{pi / 2, 0, 1}, {0, 0, 1}, 0.75 * pi},
      {{-pi / 2, 0, 1}, {0, 0, 1}, 1.25 * pi},    // brought into [0, 2pi)
      {{pi / 2, pi / 3, 2}, {0, 0, 1}, 0.75 * pi}, // latitude: cos 60 deg = 0.5
  };
  for (const auto& c : cases)
    EXPECT_NEAR(hel2geo(c.p, c.e), c.want, 1e-12) << c.want;
  // A hair below zero plus 2pi rounds to a full turn.
  const double p[3] = {0, 0, 2}, e[3] = {pi, 0, 1};
  EXPECT_EQ(hel2geo(p, e), 2 * pi);
}

TEST(Planets, PositionsAndMotionsAtJ2000)
{
  const double want[10] = {123.0, 280.3682, 223.3152, 327.9627, 271.8884, 25.2538,
                           241.5648, 40.3955, 123.9508, 303.9508};
  const double wantsp[10] = {-7.0, 1.0194, 12.0246, 0.7757, 1.5563, 0.0407,
                             1.2090, -0.0200, -0.0540, -0.0540};
  // Entry 0 belongs to the caller and keeps what it held.
  double pos[10] = {123.0}, speed[10] = {-7.0};
  getplanets(0.0, pos, speed);
  for (int i = 0; i < 10; i++) {
    EXPECT_NEAR(pos[i], want[i], 0.5e-4) << "body " << i;
    EXPECT_NEAR(speed[i], wantsp[i], 0.5e-4) << "body " << i;
  }
  double p2[10];
  planets(0.0, p2);
  EXPECT_NEAR(p2[2], 223.3152, 0.5e-4);  // getlunar's 223.3189 plus the nutation
}

TEST(Planets, MoonCrossingZeroKeepsItsSpeed)
{
  // Instants where the Moon passed 0 deg within the last hour.
  const double hour = 1.1407711613050422e-6;
  int found = 0;
  for (int i = 0; i < 40000 && found < 20; i++) {
    double T = -4.0 + i * 0.0002, a[10], b[10];
    planets(T, a);
    planets(T - hour, b);
    if (!(b[2] > 359.0 && a[2] < 1.0))
      continue;
    for (double f : {0.1, 0.5, 0.9}) {
      double pos[10], speed[10];
      getplanets(T - hour + f * hour, pos, speed);
      EXPECT_TRUE(speed[2] > 11.5 && speed[2] < 15.5) << T << " " << f << " " << speed[2];
    }
    found++;
  }
  EXPECT_EQ(found, 20);
}

TEST(Planets, PropertiesOverFourCenturies)
{
  std::mt19937_64 rng(42);
  std::uniform_real_distribution<double> Td(-4.0, 4.0);
  // Daily motion bounds, degrees per day.
  const double lo[10] = {0, 0.95, 11.5, -0.41, -1.6, -0.14, -0.65, -0.09, -0.3, -0.3};
  const double hi[10] = {0, 1.03, 15.5, 0.80, 2.3, 0.25, 1.27, 0.14, 0.1, 0.1};
  double ketuerr = 0, ketusp = 0;
  for (int n = 0; n < 20000; n++) {
    double T = Td(rng), pos[10], speed[10];
    getplanets(T, pos, speed);
    for (int i = 1; i < 10; i++) {
      ASSERT_TRUE(pos[i] > -0.1 && pos[i] < 360.1) << i << " T " << T;
      ASSERT_TRUE(speed[i] > lo[i] && speed[i] < hi[i]) << i << " T " << T;
    }
    // Ketu is Rahu's opposite point, with the same motion.
    ketuerr = std::fmax(ketuerr, std::fabs(std::fmod(pos[9] - pos[8] + 360, 360) - 180));
    ketusp = std::fmax(ketusp, std::fabs(speed[9] - speed[8]));
    // Mercury and Venus never stray far from the Sun.
    ASSERT_LT(std::fabs(std::remainder(pos[4] - pos[1], 360.0)), 28.5) << T;
    ASSERT_LT(std::fabs(std::remainder(pos[6] - pos[1], 360.0)), 47.5) << T;
  }
  std::printf("Ketu - Rahu: largest departure from 180 deg %.3g deg, "
              "largest speed difference %.3g deg/day\n", ketuerr, ketusp);
  EXPECT_LT(ketuerr, 1e-12);
  EXPECT_LT(ketusp, 1e-9);
}
