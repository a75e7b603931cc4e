// The Moon's longitude and the lunar node.
#include "engine/moon.h"
#include "engine/node.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

TEST(Moon, LongitudeAtKnownInstants)
{
  EXPECT_NEAR(getlunar(0.0), 223.3189, 0.5e-4);
  // 31 December 1899, 12:00.
  EXPECT_NEAR(getlunar(-1.0), 265.2938, 0.5e-4);
}

TEST(Moon, LongitudeAlwaysInOneTurn)
{
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> near(-5.0, 5.0), far(-1e6, 1e6);
  for (int i = 0; i < 100000; i++) {
    double T = i % 2 ? near(rng) : far(rng);
    double lam = getlunar(T);
    ASSERT_GE(lam, 0.0) << T;
    ASSERT_LT(lam, 360.0) << T;
  }
}

TEST(Moon, MovesAboutThirteenDegreesADay)
{
  // Over 1600-2400, one day of motion lies between 11.7 and 15.4 degrees.
  double lo = 360, hi = 0;
  for (int i = 0; i < 20000; i++) {
    double T = -4.0 + i * 0.0004;
    double d = getlunar(T + 1 / 36525.0) - getlunar(T);
    if (d < 0)
      d += 360;
    lo = std::fmin(lo, d);
    hi = std::fmax(hi, d);
  }
  std::printf("Moon's daily motion 1600-2400: %.4f to %.4f deg\n", lo, hi);
  EXPECT_GT(lo, 11.7);
  EXPECT_LT(hi, 15.4);
}

TEST(Node, TrueAndMeanNode)
{
  double mean = -1;
  EXPECT_NEAR(getnode(0.0, &mean), 123.9508, 0.5e-4);
  EXPECT_NEAR(mean, 125.0446, 0.5e-4);
  EXPECT_NEAR(getnode(-1.0, &mean), 260.2800, 0.5e-4);
  EXPECT_NEAR(mean, 259.1829, 0.5e-4);
  EXPECT_NEAR(getnode(1.0, &mean), 349.8229, 0.5e-4);
  EXPECT_NEAR(mean, 350.9105, 0.5e-4);
  // The mean node may be left out.
  EXPECT_NEAR(getnode(0.0, nullptr), 123.9508, 0.5e-4);
}

TEST(Node, InOneTurnAndMovingBackwards)
{
  std::mt19937_64 rng(11);
  std::uniform_real_distribution<double> near(-4.0, 4.0), far(-1e4, 1e4);
  double maxdiff = 0;
  for (int i = 0; i < 50000; i++) {
    double T = i % 2 ? near(rng) : far(rng);
    double mean;
    double tn = getnode(T, &mean);
    ASSERT_GE(tn, 0.0) << T;
    ASSERT_LT(tn, 360.0) << T;
    ASSERT_GE(mean, 0.0) << T;
    ASSERT_LT(mean, 360.0) << T;
    if (i % 2) {
      // The true node keeps within two degrees of the mean node.
      double d = std::fabs(tn - mean);
      d = std::fmin(d, 360 - d);
      maxdiff = std::fmax(maxdiff, d);
      // About 19.3 degrees a year backwards.
      double m2;
      getnode(T + 1 / 100.0, &m2);
      double step = mean - m2;
      if (step < 0)
        step += 360;
      ASSERT_NEAR(step, 19.34, 0.01) << T;
    }
  }
  std::printf("largest true - mean node 1600-2400: %.4f deg\n", maxdiff);
  EXPECT_LT(maxdiff, 2.0);
}
