// Position texts, nakshatras, navamshas and the Vimshottari dasha list.
#include "page/pagetext.h"

#include <gtest/gtest.h>

#include <string>

TEST(pagetext, PositionNakshatraAndNavamsha) {
  // Degree padded with a blank, minute with a zero; boundaries are exact.
  const struct { int v; const char* dhm; const char* nak; int nav; } cases[] = {
      {0, " 0Ar00", "Aswini", 1},       {199, " 3Ar19", "Aswini", 1},
      {200, " 3Ar20", "Aswini", 2},     {799, "13Ar19", "Aswini", 4},
      {800, "13Ar20", "Bharani", 5},    {1265, "21Ar05", "Bharani", 7},
      {1800, " 0Ta00", "Krittika", 10}, {3600, " 0Ge00", "Mrigsira", 7},
      {5400, " 0Cn00", "Punarvasu", 4}, {5999, " 9Cn59", "Pushya", 6},
      {7387, " 3Le07", "Magha", 1},     {8000, "13Le20", "P.Phalguni", 5},
      {20799, "16Pi39", "U.Bhadra", 8}, {21599, "29Pi59", "Revati", 12},
  };
  for (const auto& c : cases) {
    char buf[7];
    prtdhm(buf, c.v);
    EXPECT_STREQ(buf, c.dhm) << c.v;
    EXPECT_STREQ(naknam[nakshatra(c.v)], c.nak) << c.v;
    EXPECT_EQ(navamsha(c.v), c.nav) << c.v;
  }
  // Every position fits six characters and the terminator.
  char buf[8];
  for (int v = 0; v < 21600; ++v) {
    buf[7] = 'x';
    ASSERT_EQ(prtdhm(buf, v), 6) << v;
    ASSERT_EQ(buf[7], 'x') << v;
  }
}

TEST(pagetext, OnlyMoonToSaturnCarryTheRetrogradeMark) {
  chartstate c;
  for (int i = 0; i < nbody; ++i) c.tsp[i] = -1;
  for (int i = 0; i < nbody; ++i) EXPECT_EQ(isretro(i, c), i >= 2 && i <= 7) << i;
  c.tsp[2] = 0;
  EXPECT_FALSE(isretro(2, c));
}

namespace {

std::string show(const dashaentry& e) {
  return std::string(e.label) + "| " + e.date + " " + std::to_string(e.dx) + " " +
         std::to_string(e.dy);
}

}  // namespace

TEST(dashalist, ListsForTellingMoonPositions) {
  // Entry positions are relative to the heading: first line 20 below it.
  const struct {
    double jd;
    int moon, n;
    const char *first, *second, *last;
    double gap;  // days from birth to the second entry
  } cases[] = {
      {2451545.0, 0, 81, "Ke/Ke | Jan 01, 2000 0 20", "Ke/Ve | May 29, 2000 130 20",
       "Me/Sa | Apr 23, 2117 0 580", 149.14},
      // The last arc-minute of the first mansion: a single-entry first block.
      {2451545.0, 799, 73, "Ke/Me | Jan 01, 2000 0 20", "Ve/Ve | Jan 04, 2000 0 32",
       "Me/Sa | Apr 27, 2110 0 528", 3.1959375},
      {2451545.0, 4000, 81, "Ra/Ra | Jan 01, 2000 0 20", "Ra/Ju | Sep 13, 2002 130 20",
       "Ma/Mo | Jun 02, 2119 0 580", 986.17},
      // The last sub-period of the table wraps to its first row.
      {2451545.25, 7199, 73, "Me/Sa | Jan 01, 2000 0 20", "Ke/Ke | Jan 09, 2000 0 32",
       "Sa/Ju | Jun 28, 2100 0 528", 7.7715625},
      {2451545.25, 14399, 73, "Me/Sa | Jan 01, 2000 0 20", "Ke/Ke | Jan 09, 2000 0 32",
       "Sa/Ju | Jun 28, 2100 0 528", 7.7715625},
      {2451545.25, 21599, 73, "Me/Sa | Jan 01, 2000 0 20", "Ke/Ke | Jan 09, 2000 0 32",
       "Sa/Ju | Jun 28, 2100 0 528", 7.7715625},
      // Exactly, Ve-Mo ends at birth (2191.5 days); in double precision the
      // mansion fraction 1.3 - 1 is a hair above 0.3 and Ve-Ma is running.
      {2451545.0, 1040, 78, "Ve/Ma | Jan 01, 2000 0 20", "Ve/Ra | Mar 02, 2001 130 20",
       "Ke/Me | Jan 04, 2113 0 556", 426.13},
  };
  dashaentry e[81];
  for (const auto& c : cases) {
    ASSERT_EQ(dashalist(c.jd, c.moon, e), c.n) << c.moon;
    EXPECT_EQ(show(e[0]), c.first) << c.moon;
    EXPECT_EQ(show(e[1]), c.second) << c.moon;
    EXPECT_EQ(show(e[c.n - 1]), c.last) << c.moon;
    EXPECT_NEAR(e[1].day - e[0].day, c.gap, 1e-6) << c.moon;
  }
  EXPECT_EQ(dashaposition(799).elapsed, 2553.5540625);  // 7 x 365.25 x 799/800
  dashalist(2451545.0, 0, e);
  EXPECT_NEAR(e[2].day - e[0].day, 575.27, 1e-6);
  EXPECT_EQ(show(e[9]), "Ve/Ve | Dec 31, 2006 0 84");  // a new block 4 pixels further down
}

TEST(dashalist, EveryMoonPositionKeepsTheLayout) {
  dashaentry e[81];
  for (int moon = 0; moon < 21600; ++moon) {
    dashabirth p = dashaposition(moon);
    int n = dashalist(2451545.5, moon, e);
    ASSERT_EQ(n, 81 - p.i) << moon;
    ASSERT_TRUE(e[0].day == 2451545.5 && e[0].dy == 20) << moon;
    ASSERT_TRUE(e[0].major == p.major && e[0].sub == p.sub) << moon;
    // The running sub-period ends within its own length; at a near tie
    // (Moon 5480) it has 2e-12 days left and the next entry starts the same day.
    ASSERT_TRUE(e[1].day >= e[0].day && e[1].day - e[0].day < doffs[p.k] + 1e-6) << moon;
    // The last baseline is 580 less 12 per line the shorter first block
    // lacks, and 4 more when it holds a single entry.
    ASSERT_EQ(e[n - 1].dy, 580 - 12 * (5 - (10 - p.i) / 2) - (p.i == 8 ? 4 : 0)) << moon;
    for (int k = 2; k < n; ++k)
      ASSERT_TRUE(e[k].day > e[k - 1].day && e[k].dy >= e[k - 1].dy) << moon << " " << k;
    // Each lord comes once: the last block is the one before the birth's.
    ASSERT_EQ(e[n - 9].major, (p.major + 8) % 9) << moon;
    ASSERT_EQ(e[n - 9].sub, e[n - 9].major) << moon;
  }
}
