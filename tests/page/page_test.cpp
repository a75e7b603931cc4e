// The chart page: its texts, the dasha list, and the whole drawing log of
// telling charts in both styles against tests/data/page.log.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "page/page.h"
#include "page/pagetext.h"
#include "tests/golden.h"

namespace {

chartstate state(double jd, const int (&tpos)[nbody], const int (&tsp)[nbody]) {
  chartstate s;
  s.jd = jd;
  std::memcpy(s.tpos, tpos, sizeof tpos);
  std::memcpy(s.tsp, tsp, sizeof tsp);
  return s;
}

birthdata record(const char* name, const char* place, int londg, int lonmn, bool east, int latdg,
                 int latmn, bool south) {
  birthdata b;
  std::strcpy(b.name, name);
  std::strcpy(b.place, place);
  std::strcpy(b.dtstr, "Mar 7, 1984 14:05 Zone: 05:30");
  b.londg = londg, b.lonmn = lonmn, b.loneast = east;
  b.latdg = latdg, b.latmn = latmn, b.latsouth = south;
  return b;
}

std::string logof(const recorder& r, const std::string& title) {
  std::string text = "# " + title + "\n";
  for (const std::string& l : r.log) text += l + "\n";
  return text;
}

}  // namespace

TEST(Pagetext, EveryPositionFitsItsColumn) {
  char buf[8];
  for (int v = 0; v < 21600; ++v) {
    buf[7] = 'x';
    ASSERT_TRUE(prtdhm(buf, v) == 6 && buf[7] == 'x') << v;  // six characters and the NUL
  }
  EXPECT_STREQ(buf, "29Pi59");
}

TEST(Dashalist, EveryMoonPositionKeepsTheLayout) {
  EXPECT_EQ(dashaposition(799).elapsed, 2553.5540625);  // 7 x 365.25 x 799/800
  dashaentry e[81];
  for (int moon = 0; moon < 21600; ++moon) {
    dashabirth p = dashaposition(moon);
    int n = dashalist(2451545.5, moon, e);
    ASSERT_TRUE(n == 81 - p.i && e[0].day == 2451545.5 && e[0].dy == 20) << moon;
    ASSERT_TRUE(e[0].major == p.major && e[0].sub == p.sub) << moon;
    // The running sub-period ends within its own length (at a near tie, Moon
    // 5480, 2e-12 days are left and the next entry starts the same day).
    ASSERT_TRUE(e[1].day >= e[0].day && e[1].day - e[0].day < doffs[p.k] + 1e-6) << moon;
    // The last baseline: 580, less 12 per line the shorter first block lacks,
    // and 4 more when that block holds a single entry.
    ASSERT_EQ(e[n - 1].dy, 580 - 12 * (5 - (10 - p.i) / 2) - (p.i == 8 ? 4 : 0)) << moon;
    for (int k = 2; k < n; ++k)
      ASSERT_TRUE(e[k].day > e[k - 1].day && e[k].dy >= e[k - 1].dy) << moon << " " << k;
    // Each lord comes once: the last block is the one before the birth's.
    ASSERT_TRUE(e[n - 9].major == (p.major + 8) % 9 && e[n - 9].sub == e[n - 9].major) << moon;
  }
}

TEST(Page, GoldenLog) {
  std::string text;
  // A point in most kinds of place: the ascendant and Venus in Aries, the Sun
  // with negative motion but unmarked, a retrograde Moon at 21599, retrograde
  // Mars at 0 Leo, retrograde Saturn, the nodes with negative motion.
  chartstate sample = state(2451545.25, {1265, 5999, 21599, 7200, 7387, 3600, 800, 16499, 10000, 20800},
                            {0, -3600, -1000, -100, 4000, 300, 3600, -20, -190, -190});
  // Nine points in Aries, Ketu in Libra, Venus retrograde.
  chartstate crowded = state(2451545.0, {0, 100, 200, 300, 400, 500, 600, 700, 800, 10800},
                             {0, 0, 0, 0, 0, 0, -1, 0, 0, 0});
  // A record read from a foreign line: texts without a terminator, numbers of any size.
  birthdata wild;
  std::memset(wild.name, 'N', sizeof wild.name);
  std::memset(wild.place, 'P', sizeof wild.place);
  std::memset(wild.dtstr, 'D', sizeof wild.dtstr);
  wild.londg = wild.lonmn = -2147483647 - 1;
  wild.latdg = wild.latmn = 2147483647;
  const struct { const char* what; birthdata b; chartstate s; } pages[] = {
      {"Delhi, sample chart", record("Test Chart", "Delhi", 77, 13, true, 28, 39, false), sample},
      {"far east and south, crowded", record("", "Nowhere", 179, 59, true, 89, 5, true), crowded},
      {"unvalidated record, ten points in Aries", wild, chartstate()},
  };
  for (const auto& p : pages)
    for (bool north : {false, true}) {
      recorder r;
      drawpage(r, p.b, p.s, north);
      text += logof(r, std::string(p.what) + (north ? ", North" : ", South"));
    }
  // The ascendant in each sign with eight points in house h + 1 (sign 2h):
  // every house's and every cell's slots, the North chart's numbers turned.
  for (int h = 0; h < 12; ++h) {
    chartstate s;
    s.tpos[0] = h * 1800 + 700;
    for (int i = 1; i < nbody; ++i) s.tpos[i] = (2 * h % 12) * 1800 + 150 * i;
    s.tpos[9] = (2 * h + 5) % 12 * 1800 + 1799;
    recorder south, north;
    draw_south_chart(south, s, 8, 52);
    draw_north_chart(north, s, 8, 52);
    text += logof(south, "South, ascendant in sign " + std::to_string(h)) +
            logof(north, "North, ascendant in sign " + std::to_string(h));
  }
  // Dasha lists of telling Moon positions: the last minute of a mansion (a
  // single-entry first block), a near tie (1040: in double precision Ve-Ma
  // runs, not Ve-Mo), the table's last sub-period wrapping to its first row.
  for (int moon : {0, 799, 1040, 4000, 7199, 14399, 21599}) {
    chartstate s;
    s.jd = moon % 2 ? 2451545.25 : 2451545.0;
    s.tpos[2] = moon;
    recorder r;
    draw_dashas(r, s, 400, 12);
    text += logof(r, "dashas, Moon at " + std::to_string(moon));
    dashaentry e[81];
    int n = dashalist(s.jd, moon, e);
    for (int k = 0; k < n; ++k) {
      char day[32];
      std::snprintf(day, sizeof day, "%.6f%c", e[k].day, k % 9 == 8 ? '\n' : ' ');
      text += day;
    }
    text += "\n";
  }
  golden("page.log", text);
}
