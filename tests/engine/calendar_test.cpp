// Calendar: leap years, day numbers and printed dates.
#include "engine/calendar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

std::string datestr(double jd)
{
  char buf[jd2date_size];
  jd2date(buf, jd);
  return buf;
}

}  // namespace

TEST(Calendar, LeapYears)
{
  // Astronomical numbering continues through zero; INT_MIN is divisible by 4, not by 100.
  for (int y : {1600, 2000, 2004, 0, -4, -400, INT_MIN})
    EXPECT_TRUE(isleap(y)) << y;
  for (int y : {1900, 2100, 2001, -1, -100, -1900})
    EXPECT_FALSE(isleap(y)) << y;
}

TEST(Calendar, DayNumbers)
{
  const struct { int mon, day, year; double jd; } cases[] = {
      {1, 1, 2000, 2451545}, {12, 31, 1999, 2451544}, {3, 1, 1600, 2305508},
      {2, 29, 1600, 2305507}, {3, 7, 1984, 2445767},
      {2, 29, 1700, 2342032}, {3, 1, 1700, 2342032},  // an impossible date rolls over
      // Around the reform: 15 October 1582 is still read as Julian.
      {10, 4, 1582, 2299160}, {10, 15, 1582, 2299171}, {10, 16, 1582, 2299162},
  };
  for (const auto& c : cases)
    EXPECT_EQ(get_jul_day(c.mon, c.day, c.year), c.jd) << c.year << "-" << c.mon << "-" << c.day;
  // Extreme arguments stay defined (run under the undefined-behaviour sanitizer).
  double a = get_jul_day(INT_MAX, INT_MAX, INT_MAX), b = get_jul_day(INT_MIN, INT_MIN, INT_MIN);
  EXPECT_TRUE(a > 0 && a == std::floor(a));
  EXPECT_TRUE(b < 0 && std::isfinite(b));
}

TEST(Calendar, PrintedDates)
{
  const struct { double jd; const char* want; } cases[] = {
      {2451545.0, "Jan 01, 2000"}, {2451545.99, "Jan 01, 2000"}, {2445767.0, "Mar 07, 1984"},
      {2451915.0, "Jan 05, 2001"},
      {2299160.0, "Oct 14, 1582"},  // no Julian branch: proleptic Gregorian
      {0.0, "Nov 24, -4713"}, {2147483647.5, "Jun 03, 5874898"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(datestr(c.jd), c.want) << c.jd;
  char buf[jd2date_size];
  EXPECT_EQ(jd2date(buf, 2451545.0), 12);
}

TEST(Calendar, PrintedDateRoundTrip1583To2599)
{
  const int len[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  double prev = get_jul_day(12, 31, 1582);
  int days = 0;
  for (int year = 1583; year <= 2599; year++)
    for (int mon = 1; mon <= 12; mon++)
      for (int day = 1; day <= len[mon - 1] + (mon == 2 && isleap(year)); day++, days++) {
        double jd = get_jul_day(mon, day, year);
        ASSERT_EQ(jd, ++prev) << year << "-" << mon << "-" << day;
        char want[jd2date_size];
        std::snprintf(want, sizeof want, "%s %2.2d, %d", mstr[mon - 1], day, year);
        for (double f : {0.0, 1e-9, 0.25, 0.5, 0.75, 0.999, 0.9999999})
          ASSERT_EQ(datestr(jd + f), want) << "jd " << jd << " + " << f;
      }
  EXPECT_EQ(days, 1017 * 365 + 247);
}

TEST(Calendar, PrintedDateIsBoundedForAnyDouble)
{
  const double inf = std::numeric_limits<double>::infinity();
  const double odd[] = {std::nan(""), -std::nan(""), inf, -inf, -1.0, -0.5, -1e300, 1e300,
                        2147483648.0, 9.3e18, std::numeric_limits<double>::max()};
  for (double jd : odd) {
    char buf[64];
    std::memset(buf, 'x', sizeof buf);
    EXPECT_EQ(jd2date(buf, jd), 12) << jd;
    EXPECT_STREQ(buf, "??? ??, ????");
    ASSERT_EQ(buf[jd2date_size], 'x');
  }
  // Every valid day count gives a real month and a day 1..31.
  std::mt19937_64 rng(20240101);
  std::uniform_real_distribution<double> any(0.0, 2147483647.0);
  for (int i = 0; i < 100000; i++) {
    std::string s = datestr(i < 100 ? i * 0.7 : any(rng));
    char mon[4] = {};
    int day = 0, year = 0;
    ASSERT_EQ(std::sscanf(s.c_str(), "%3s %d, %d", mon, &day, &year), 3) << s;
    ASSERT_TRUE(std::find_if(mstr, mstr + 12, [&](const char* m) { return !std::strcmp(m, mon); })
                != mstr + 12) << s;
    ASSERT_TRUE(day >= 1 && day <= 31) << s;
  }
}
