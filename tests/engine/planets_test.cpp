// Geocentric longitudes and daily motions of the moving chart points.
#include "engine/planets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

namespace {

const double pi = 3.141592653589793;

}  // namespace

TEST(Planets, GeocentricFromHeliocentric)
{
  // Earth at L = pi/2 (+y, 1 au), planet at L = 0, 2 au: seen from the
  // Earth the planet lies towards +x, -y, at 360 - 26.565 deg.
  const double e[3] = {pi / 2, 0.0, 1.0};
  const double p[3] = {0.0, 0.0, 2.0};
  EXPECT_NEAR(hel2geo(p, e), 2 * pi - std::atan(0.5), 1e-15);
  // Earth at L = pi (-x): sin pi is not exactly 0, the angle comes out a
  // hair below zero and 2pi is added, which rounds to a full turn.
  const double e1[3] = {pi, 0.0, 1.0};
  EXPECT_EQ(hel2geo(p, e1), 2 * pi);
  // Earth at L = 0 (+x): a planet at 90 deg heliocentric, 1 au, is seen at
  // 135 deg; at -90 deg it is seen at 225 deg, brought into [0, 2pi).
  const double e0[3] = {0.0, 0.0, 1.0};
  const double q[3] = {pi / 2, 0.0, 1.0};
  const double r[3] = {-pi / 2, 0.0, 1.0};
  EXPECT_NEAR(hel2geo(q, e0), 0.75 * pi, 1e-15);
  EXPECT_NEAR(hel2geo(r, e0), 1.25 * pi, 1e-15);
  // Latitude shortens the projection onto the ecliptic: cos 60 deg = 0.5.
  const double s[3] = {pi / 2, pi / 3, 2.0};
  EXPECT_NEAR(hel2geo(s, e0), 0.75 * pi, 1e-12);
}

TEST(Planets, PositionsAndMotionsAtJ2000)
{
  // 1 January 2000, 12:00 UT.
  double pos[10], speed[10];
  pos[0] = 123.0;
  speed[0] = -7.0;
  getplanets(0.0, pos, speed);
  const double want[10] = {0, 280.3682, 223.3152, 327.9627, 271.8884, 25.2538,
                           241.5648, 40.3955, 123.9508, 303.9508};
  const double wantsp[10] = {0, 1.0194, 12.0246, 0.7757, 1.5563, 0.0407,
                             1.2090, -0.0200, -0.0540, -0.0540};
  for (int i = 1; i < 10; i++) {
    EXPECT_NEAR(pos[i], want[i], 0.5e-4) << "body " << i;
    EXPECT_NEAR(speed[i], wantsp[i], 0.5e-4) << "body " << i;
  }
  // Entry 0 belongs to the caller.
  EXPECT_EQ(pos[0], 123.0);
  EXPECT_EQ(speed[0], -7.0);
  // The Moon before adding the nutation is 223.3189.
  double p2[10];
  planets(0.0, p2);
  EXPECT_NEAR(p2[2], 223.3152, 0.5e-4);
}

TEST(Planets, MoonCrossingZeroKeepsItsSpeed)
{
  // Find instants where the Moon passed 0 deg within the last hour.
  const double hour = 1.1407711613050422e-6;
  int found = 0;
  for (int i = 0; i < 40000 && found < 20; i++) {
    double T = -4.0 + i * 0.0002;
    double a[10], b[10];
    planets(T, a);
    planets(T - hour, b);
    if (!(b[2] > 359.0 && a[2] < 1.0))
      continue;
    // A few points inside the crossing hour.
    for (double f : {0.1, 0.5, 0.9}) {
      double t = T - hour + f * hour;
      double pos[10], speed[10];
      getplanets(t, pos, speed);
      EXPECT_GT(speed[2], 11.5) << t;
      EXPECT_LT(speed[2], 15.5) << t;
    }
    found++;
  }
  EXPECT_EQ(found, 20);
}

TEST(Planets, PropertiesOverFourCenturies)
{
  // Random instants from 1600 to 2400.
  std::mt19937_64 rng(42);
  std::uniform_real_distribution<double> Td(-4.0, 4.0);
  const double lo[10] = {0, 0.95, 11.5, -0.41, -1.6, -0.14, -0.65, -0.09, -0.3, -0.3};
  const double hi[10] = {0, 1.03, 15.5, 0.80, 2.3, 0.25, 1.27, 0.14, 0.1, 0.1};
  double ketuerr = 0, ketusp = 0;
  for (int n = 0; n < 20000; n++) {
    double T = Td(rng);
    double pos[10], speed[10];
    getplanets(T, pos, speed);
    for (int i = 1; i < 10; i++) {
      ASSERT_GT(pos[i], -0.1) << i << " T " << T;
      ASSERT_LT(pos[i], 360.1) << i << " T " << T;
      ASSERT_GT(speed[i], lo[i]) << i << " T " << T;
      ASSERT_LT(speed[i], hi[i]) << i << " T " << T;
    }
    // Ketu is Rahu's opposite point, with the same motion.
    double d = std::fabs(std::fmod(pos[9] - pos[8] + 360, 360) - 180);
    ketuerr = std::fmax(ketuerr, d);
    ketusp = std::fmax(ketusp, std::fabs(speed[9] - speed[8]));
    // Mercury and Venus never stray far from the Sun.
    double em = std::fabs(std::remainder(pos[4] - pos[1], 360.0));
    double ev = std::fabs(std::remainder(pos[6] - pos[1], 360.0));
    ASSERT_LT(em, 28.5) << T;
    ASSERT_LT(ev, 47.5) << T;
  }
  std::printf("Ketu - Rahu: largest departure from 180 deg %.3g deg, "
              "largest speed difference %.3g deg/day\n", ketuerr, ketusp);
  EXPECT_LT(ketuerr, 1e-12);
  EXPECT_LT(ketusp, 1e-9);
}
