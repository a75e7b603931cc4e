// The Vimshottari periods of a chart, for every position of the Moon.
#include <gtest/gtest.h>

#include "chart/dasha.h"

TEST(Dashaperiods, EveryMoonPosition) {
  EXPECT_EQ(dashaposition(799).elapsed, 2553.5540625);  // 7 x 365.25 x 799/800
  dashaperiod e[maxdashas];
  chartstate s;
  s.jd = 2451545.5;
  for (int moon = 0; moon < 21600; ++moon) {
    s.tpos[2] = moon;
    dashabirth p = dashaposition(moon);
    int n = dashaperiods(s, e);
    ASSERT_EQ(n, 81 - p.i) << moon;
    ASSERT_EQ(e[0].day, 2451545.5) << moon;
    ASSERT_EQ(e[0].major, p.major) << moon;
    ASSERT_EQ(e[0].sub, p.sub) << moon;
    // The running sub-period ends within its own length (at a near tie, Moon
    // 5480, 2e-12 days are left and the next entry starts the same day).
    ASSERT_GE(e[1].day, e[0].day) << moon;
    ASSERT_LT(e[1].day - e[0].day, doffs[p.k] + 1e-6) << moon;
    for (int k = 2; k < n; ++k) ASSERT_GT(e[k].day, e[k - 1].day) << moon << " " << k;
    // Each lord comes once: the last block is the one before the birth's,
    // and begins with its own lord's sub-period.
    ASSERT_EQ(e[n - 9].major, (p.major + 8) % 9) << moon;
    ASSERT_EQ(e[n - 9].sub, e[n - 9].major) << moon;
  }
}
