// Position texts, nakshatras, navamshas and the Vimshottari dasha list.
#include "display/pagetext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string dhm(int v) {
  char buf[7];
  prtdhm(buf, v);
  return buf;
}

}  // namespace

TEST(prtdhm, PadsDegreeWithBlankAndMinuteWithZero) {
  EXPECT_EQ(dhm(0), " 0Ar00");
  EXPECT_EQ(dhm(21599), "29Pi59");
  EXPECT_EQ(dhm(1265), "21Ar05");
  EXPECT_EQ(dhm(5999), " 9Cn59");
  EXPECT_EQ(dhm(4 * 1800 + 3 * 60 + 7), " 3Le07");
  EXPECT_EQ(dhm(799), "13Ar19");
  EXPECT_EQ(dhm(800), "13Ar20");
}

TEST(prtdhm, EveryPositionFitsSixCharacters) {
  char buf[8];
  for (int v = 0; v < 21600; ++v) {
    buf[7] = 'x';
    ASSERT_EQ(prtdhm(buf, v), 6) << v;
    ASSERT_EQ(buf[6], '\0') << v;
    ASSERT_EQ(buf[7], 'x') << v;
  }
}

TEST(nakshatra, BoundariesAreExact) {
  EXPECT_STREQ(naknam[nakshatra(0)], "Aswini");
  EXPECT_STREQ(naknam[nakshatra(799)], "Aswini");
  EXPECT_STREQ(naknam[nakshatra(800)], "Bharani");
  EXPECT_STREQ(naknam[nakshatra(8000)], "P.Phalguni");
  EXPECT_STREQ(naknam[nakshatra(20799)], "U.Bhadra");
  EXPECT_STREQ(naknam[nakshatra(21599)], "Revati");
}

TEST(navamsha, NinthsCountOnFromAries) {
  EXPECT_EQ(navamsha(0), 1);
  EXPECT_EQ(navamsha(199), 1);
  EXPECT_EQ(navamsha(200), 2);
  EXPECT_EQ(navamsha(1800), 10);  // earth sign starts in Capricorn
  EXPECT_EQ(navamsha(3600), 7);   // air sign starts in Libra
  EXPECT_EQ(navamsha(5400), 4);   // water sign starts in Cancer
  EXPECT_EQ(navamsha(7200), 1);   // fire sign starts in Aries
  EXPECT_EQ(navamsha(21599), 12);
}

TEST(isretro, OnlyMoonToSaturnCarryTheMark) {
  chartstate c;
  for (int i = 0; i < nbody; ++i) c.tsp[i] = -1;
  std::vector<bool> got;
  for (int i = 0; i < nbody; ++i) got.push_back(isretro(i, c));
  EXPECT_EQ(got, (std::vector<bool>{false, false, true, true, true, true, true,
                                    true, false, false}));
  c.tsp[2] = 0;
  EXPECT_FALSE(isretro(2, c));
}

TEST(dashaposition, BirthAtTheStartOfAMansion) {
  dashabirth p = dashaposition(0);
  EXPECT_EQ(p.major, 0);
  EXPECT_EQ(p.sub, 0);
  EXPECT_EQ(p.i, 0);
  EXPECT_EQ(p.k, 0);
  EXPECT_EQ(p.elapsed, 0.0);
  EXPECT_EQ(p.remaining, 149.14);

  p = dashaposition(4000);  // start of Ardra: Rahu
  EXPECT_EQ(p.major, 5);
  EXPECT_EQ(p.sub, 5);
  EXPECT_EQ(p.k, 45);
  EXPECT_EQ(p.remaining, 986.17);
}

TEST(dashaposition, LastArcMinuteOfAMansion) {
  dashabirth p = dashaposition(799);
  EXPECT_EQ(p.major, 0);
  EXPECT_EQ(p.elapsed, 2553.5540625);  // 7 x 365.25 x 799/800
  EXPECT_EQ(p.i, 8);
  EXPECT_EQ(p.sub, 8);  // Ke-Me
  EXPECT_EQ(p.k, 8);
  EXPECT_NEAR(p.remaining, 3.1959375, 1e-9);

  for (int moon : {7199, 14399, 21599}) {
    p = dashaposition(moon);
    EXPECT_EQ(p.major, 8) << moon;
    EXPECT_EQ(p.sub, 7) << moon;  // Me-Sa, the last entry of the table
    EXPECT_EQ(p.k, 80) << moon;
    EXPECT_NEAR(p.remaining, 7.7715625, 1e-8) << moon;
  }
}

// Mathematically Moon 1040 ends Ve-Mo exactly at birth (2191.5 days), but in
// double precision the mansion fraction 1.3 - 1 is a hair above 0.3, so the
// elapsed days pass the sum and the running sub-period is Ve-Ma.
TEST(dashaposition, NearTieFollowsTheDoubleArithmetic) {
  dashabirth p = dashaposition(1040);
  EXPECT_EQ(p.major, 1);
  EXPECT_GT(p.elapsed, 2191.5);
  EXPECT_EQ(p.i, 3);
  EXPECT_EQ(p.sub, 4);
  EXPECT_NEAR(p.remaining, 426.13, 1e-9);
}

TEST(dashaposition, RemainingNeverExceedsTheRunningSubPeriod) {
  for (int moon = 0; moon < 21600; ++moon) {
    dashabirth p = dashaposition(moon);
    ASSERT_EQ(p.major, moon / 800 % 9) << moon;
    ASSERT_EQ(p.k, 9 * p.major + p.i) << moon;
    ASSERT_EQ(p.sub, (p.major + p.i) % 9) << moon;
    ASSERT_GE(p.remaining, 0.0) << moon;
    ASSERT_LE(p.remaining, doffs[p.k]) << moon;
  }
}

namespace {

struct listed {
  int n;
  dashaentry e[81];
};

listed list(double jd, int moon) {
  listed l;
  l.n = dashalist(jd, moon, l.e);
  return l;
}

std::string show(const dashaentry& e) {
  return std::string(e.label) + "| " + e.date + " " + std::to_string(e.dx) +
         " " + std::to_string(e.dy);
}

}  // namespace

TEST(dashalist, MoonAtZeroListsAllEightyOne) {
  listed l = list(2451545.0, 0);
  ASSERT_EQ(l.n, 81);
  std::vector<std::string> head;
  for (int e = 0; e < 11; ++e) head.push_back(show(l.e[e]));
  EXPECT_EQ(head, (std::vector<std::string>{
                      "Ke/Ke | Jan 01, 2000 0 20",
                      "Ke/Ve | May 29, 2000 130 20",
                      "Ke/Su | Jul 29, 2001 0 32",
                      "Ke/Mo | Dec 04, 2001 130 32",
                      "Ke/Ma | Jul 05, 2002 0 44",
                      "Ke/Ra | Dec 01, 2002 130 44",
                      "Ke/Ju | Dec 19, 2003 0 56",
                      "Ke/Sa | Nov 24, 2004 130 56",
                      "Ke/Me | Jan 03, 2006 0 68",
                      "Ve/Ve | Dec 31, 2006 0 84",
                      "Ve/Su | May 02, 2010 130 84",
                  }));
  EXPECT_NEAR(l.e[1].day - l.e[0].day, 149.14, 1e-6);
  EXPECT_NEAR(l.e[2].day - l.e[0].day, 575.27, 1e-6);
  EXPECT_EQ(show(l.e[80]), "Me/Sa | Apr 23, 2117 0 580");
  EXPECT_EQ(show(l.e[79]), "Me/Ju | Jan 17, 2115 130 568");
}

TEST(dashalist, SingleEntryFirstBlockStepsTwelve) {
  listed l = list(2451545.0, 799);
  ASSERT_EQ(l.n, 73);
  EXPECT_EQ(show(l.e[0]), "Ke/Me | Jan 01, 2000 0 20");
  EXPECT_EQ(show(l.e[1]), "Ve/Ve | Jan 04, 2000 0 32");
  EXPECT_EQ(show(l.e[2]), "Ve/Su | May 05, 2003 130 32");
  EXPECT_NEAR(l.e[1].day - l.e[0].day, 3.1959375, 1e-6);
  EXPECT_EQ(show(l.e[72]), "Me/Sa | Apr 27, 2110 0 528");
}

TEST(dashalist, RahuMansionStartsWithRahuRahu) {
  listed l = list(2451545.0, 4000);
  ASSERT_EQ(l.n, 81);
  EXPECT_EQ(show(l.e[0]), "Ra/Ra | Jan 01, 2000 0 20");
  EXPECT_EQ(show(l.e[1]), "Ra/Ju | Sep 13, 2002 130 20");
  EXPECT_NEAR(l.e[1].day - l.e[0].day, 986.17, 1e-6);
  EXPECT_EQ(show(l.e[9]), "Ju/Ju | Dec 31, 2017 0 84");
  EXPECT_EQ(show(l.e[80]), "Ma/Mo | Jun 02, 2119 0 580");
}

TEST(dashalist, LastSubPeriodOfTheTableWrapsToKetu) {
  for (int moon : {7199, 14399, 21599}) {
    listed l = list(2451545.25, moon);
    ASSERT_EQ(l.n, 73) << moon;
    EXPECT_EQ(show(l.e[0]), "Me/Sa | Jan 01, 2000 0 20") << moon;
    EXPECT_EQ(show(l.e[1]), "Ke/Ke | Jan 09, 2000 0 32") << moon;
    EXPECT_EQ(show(l.e[72]), "Sa/Ju | Jun 28, 2100 0 528") << moon;
  }
}

// Every list: the first entry on the birth date at 20 below the heading,
// nine sub-periods in every later block, and the last baseline 580 below
// the heading (592 on the page) less what the shorter first block saves:
// 12 per line it lacks, and 4 more when it holds a single entry.
TEST(dashalist, EveryMoonPositionKeepsTheLayout) {
  for (int moon = 0; moon < 21600; moon += 7) {
    listed l = list(2451545.5, moon);
    dashabirth p = dashaposition(moon);
    ASSERT_EQ(l.n, 81 - p.i) << moon;
    ASSERT_EQ(l.e[0].day, 2451545.5) << moon;
    ASSERT_EQ(l.e[0].dy, 20) << moon;
    ASSERT_EQ(l.e[0].major, p.major) << moon;
    ASSERT_EQ(l.e[0].sub, p.sub) << moon;
    int firstlines = (10 - p.i) / 2;
    ASSERT_EQ(l.e[l.n - 1].dy, 580 - 12 * (5 - firstlines) - (p.i == 8 ? 4 : 0))
        << moon;
    for (int e = 1; e < l.n; ++e) {
      ASSERT_GT(l.e[e].day, l.e[e - 1].day) << moon << " " << e;
      ASSERT_GE(l.e[e].dy, l.e[e - 1].dy) << moon << " " << e;
    }
    ASSERT_EQ(l.e[l.n - 9].major, (p.major + 8) % 9) << moon;
    ASSERT_EQ(l.e[l.n - 9].sub, l.e[l.n - 9].major) << moon;
  }
}
