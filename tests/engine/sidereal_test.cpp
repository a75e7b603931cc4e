// Ayanamsa and ascendant.
#include "engine/sidereal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

namespace {

const double rad = 0.017453292519943295;

}  // namespace

TEST(Ayanamsa, Values)
{
  EXPECT_NEAR(getayan(0.0), -23.857222, 0.5e-6);
  EXPECT_DOUBLE_EQ(getayan(0.0), -85886.0 / 3600);
  EXPECT_NEAR(getayan(1.0), -25.254475, 0.5e-6);
  EXPECT_NEAR(getayan(-1.0), -22.460586, 0.5e-6);
}

TEST(Ascendant, Values)
{
  EXPECT_NEAR(ascendant(0.0, 12.0, 0.0, 0.0), 11.3779, 0.5e-4);
  // 77 deg east, 28.6 deg north.
  EXPECT_NEAR(ascendant(0.0, 12.0, -77.0, 28.6), 100.0040, 0.5e-4);
}

TEST(Ascendant, IsTheRisingPointOfTheEcliptic)
{
  // Whatever the place (south: negative latitude; east: negative longitude)
  // and the time of day (beyond 24 h or below 0), the ascendant lies on the
  // horizon on the eastern side. The check redoes the sidereal time and
  // obliquity and turns the ecliptic point into an altitude and hour angle.
  std::mt19937_64 rng(3);
  std::uniform_real_distribution<double> Td(-4.0, 4.0), ud(-14.0, 38.0), lond(-180.0, 180.0),
      latd(-66.0, 66.0);
  double maxalt = 0;
  for (int i = 0; i < 100000; i++) {
    double T = Td(rng), u = ud(rng), lon = lond(rng), lat = latd(rng);
    double asc = ascendant(T, u, lon, lat);
    ASSERT_GE(asc, 0.0);
    ASSERT_LT(asc, 360.0);
    double th = ((2400.0513 * T + 246.697374558 + u) * 15 - lon) * rad;
    double eps = (23.439291 - 0.0130042 * T - 0.0000001639 * T * T) * rad;
    double l = asc * rad;
    double ra = std::atan2(std::sin(l) * std::cos(eps), std::cos(l));
    double dec = std::asin(std::sin(l) * std::sin(eps));
    double H = th - ra;
    double alt = std::asin(std::sin(lat * rad) * std::sin(dec)
                           + std::cos(lat * rad) * std::cos(dec) * std::cos(H));
    maxalt = std::fmax(maxalt, std::fabs(alt) / rad);
    // Rising: west of the meridian is sin H > 0.
    ASSERT_LT(std::sin(H), 0.0) << T << " " << u << " " << lon << " " << lat;
  }
  std::printf("ascendant: largest altitude off the horizon %.3g deg\n", maxalt);
  EXPECT_LT(maxalt, 1e-9);
}

TEST(Ascendant, HemispheresAndDayRollover)
{
  // A day later in u at the same T is the same sidereal time.
  EXPECT_NEAR(ascendant(0.1, 30.0, 20.0, -33.9), ascendant(0.1, 6.0, 20.0, -33.9), 1e-9);
  EXPECT_NEAR(ascendant(0.1, -3.0, 20.0, -33.9), ascendant(0.1, 21.0, 20.0, -33.9), 1e-9);
  // On the equator the two hemispheres agree; off it they differ.
  EXPECT_NE(ascendant(0.0, 12.0, 0.0, 40.0), ascendant(0.0, 12.0, 0.0, -40.0));
  // Moving the place 15 degrees east is one hour later in local time.
  EXPECT_NEAR(ascendant(0.0, 12.0, -15.0, 10.0), ascendant(0.0, 13.0, 0.0, 10.0), 1e-9);
}
