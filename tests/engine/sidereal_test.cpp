// Ayanamsa and ascendant.
#include "engine/sidereal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

TEST(Sidereal, AyanamsaAndAscendantValues)
{
  EXPECT_DOUBLE_EQ(getayan(0.0), -85886.0 / 3600);  // -23.857222
  EXPECT_NEAR(getayan(1.0), -25.254475, 0.5e-6);
  EXPECT_NEAR(getayan(-1.0), -22.460586, 0.5e-6);
  EXPECT_NEAR(ascendant(0.0, 12.0, 0.0, 0.0), 11.3779, 0.5e-4);
  EXPECT_NEAR(ascendant(0.0, 12.0, -77.0, 28.6), 100.0040, 0.5e-4);  // 77 deg east
  // A day more or less in u at the same T is the same sidereal time.
  EXPECT_NEAR(ascendant(0.1, 30.0, 20.0, -33.9), ascendant(0.1, 6.0, 20.0, -33.9), 1e-9);
  EXPECT_NEAR(ascendant(0.1, -3.0, 20.0, -33.9), ascendant(0.1, 21.0, 20.0, -33.9), 1e-9);
  // 15 degrees east is one hour later in local time.
  EXPECT_NEAR(ascendant(0.0, 12.0, -15.0, 10.0), ascendant(0.0, 13.0, 0.0, 10.0), 1e-9);
}

TEST(Sidereal, AscendantIsTheRisingPointOfTheEcliptic)
{
  // For any place (south: negative latitude; east: negative longitude) and
  // time of day (beyond 24 h or below 0) the ascendant lies on the eastern
  // horizon: turn it into altitude and hour angle with the sidereal time.
  const double rad = 0.017453292519943295;
  std::mt19937_64 rng(3);
  std::uniform_real_distribution<double> Td(-4.0, 4.0), ud(-14.0, 38.0), lond(-180.0, 180.0),
      latd(-66.0, 66.0);
  double maxalt = 0;
  for (int i = 0; i < 50000; i++) {
    double T = Td(rng), u = ud(rng), lon = lond(rng), lat = latd(rng);
    double asc = ascendant(T, u, lon, lat);
    ASSERT_TRUE(asc >= 0.0 && asc < 360.0) << asc;
    double th = ((2400.0513 * T + 246.697374558 + u) * 15 - lon) * rad;
    double eps = (23.439291 - 0.0130042 * T - 0.0000001639 * T * T) * rad;
    double ra = std::atan2(std::sin(asc * rad) * std::cos(eps), std::cos(asc * rad));
    double dec = std::asin(std::sin(asc * rad) * std::sin(eps));
    double H = th - ra;
    double alt = std::asin(std::sin(lat * rad) * std::sin(dec)
                           + std::cos(lat * rad) * std::cos(dec) * std::cos(H));
    maxalt = std::fmax(maxalt, std::fabs(alt) / rad);
    ASSERT_LT(std::sin(H), 0.0) << T << " " << u << " " << lon << " " << lat;  // east
  }
  std::printf("ascendant: largest altitude off the horizon %.3g deg\n", maxalt);
  EXPECT_LT(maxalt, 1e-9);
}
