// The Moon's longitude and the lunar node.
#include "engine/moon.h"
#include "engine/node.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

TEST(Moon, LongitudeAtKnownInstantsAndAlwaysInOneTurn)
{
  EXPECT_NEAR(getlunar(0.0), 223.3189, 0.5e-4);
  EXPECT_NEAR(getlunar(-1.0), 265.2938, 0.5e-4);  // 31 December 1899, 12:00
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> near(-5.0, 5.0), far(-1e6, 1e6);
  for (int i = 0; i < 100000; i++) {
    double T = i % 2 ? near(rng) : far(rng);
    double lam = getlunar(T);
    ASSERT_TRUE(lam >= 0.0 && lam < 360.0) << T;
  }
}

TEST(Node, TrueAndMeanNode)
{
  const struct { double T, tn, mean; } cases[] = {
      {0.0, 123.9508, 125.0446}, {-1.0, 260.2800, 259.1829}, {1.0, 349.8229, 350.9105}};
  for (const auto& c : cases) {
    double mean = -1;
    EXPECT_NEAR(getnode(c.T, &mean), c.tn, 0.5e-4) << c.T;
    EXPECT_NEAR(mean, c.mean, 0.5e-4) << c.T;
  }
  EXPECT_NEAR(getnode(0.0, nullptr), 123.9508, 0.5e-4);  // the mean node may be left out
}

TEST(Node, InOneTurnAndMovingBackwards)
{
  std::mt19937_64 rng(11);
  std::uniform_real_distribution<double> near(-4.0, 4.0), far(-1e4, 1e4);
  double maxdiff = 0;
  for (int i = 0; i < 50000; i++) {
    double T = i % 2 ? near(rng) : far(rng), mean, m2;
    double tn = getnode(T, &mean);
    ASSERT_TRUE(tn >= 0.0 && tn < 360.0 && mean >= 0.0 && mean < 360.0) << T;
    if (i % 2 == 0)
      continue;
    // Over 1600-2400 the true node keeps within two degrees of the mean node,
    // which goes back about 19.3 degrees a year.
    double d = std::fabs(tn - mean);
    maxdiff = std::fmax(maxdiff, std::fmin(d, 360 - d));
    getnode(T + 1 / 100.0, &m2);
    ASSERT_NEAR(std::fmod(mean - m2 + 360, 360), 19.34, 0.01) << T;
  }
  std::printf("largest true - mean node 1600-2400: %.4f deg\n", maxdiff);
  EXPECT_LT(maxdiff, 2.0);
}
