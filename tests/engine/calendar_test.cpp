// Calendar: leap years, day numbers and printed dates.
#include "engine/calendar.h"

#include <gtest/gtest.h>

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

int monthlen(int mon, int year)
{
  static const int len[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return mon == 2 && isleap(year) ? 29 : len[mon - 1];
}

}  // namespace

TEST(Calendar, LeapYears)
{
  EXPECT_FALSE(isleap(1900));
  EXPECT_FALSE(isleap(2100));
  EXPECT_TRUE(isleap(1600));
  EXPECT_TRUE(isleap(2000));
  EXPECT_TRUE(isleap(2004));
  EXPECT_FALSE(isleap(2001));
  // Astronomical year numbering continues through zero.
  EXPECT_TRUE(isleap(0));
  EXPECT_TRUE(isleap(-4));
  EXPECT_FALSE(isleap(-1));
  EXPECT_FALSE(isleap(-100));
  EXPECT_TRUE(isleap(-400));
  EXPECT_FALSE(isleap(-1900));
  EXPECT_TRUE(isleap(INT_MIN));  // divisible by 4, not by 100
}

TEST(Calendar, DayNumbers)
{
  EXPECT_EQ(get_jul_day(1, 1, 2000), 2451545.0);
  EXPECT_EQ(get_jul_day(12, 31, 1999), 2451544.0);
  EXPECT_EQ(get_jul_day(3, 1, 1600), 2305508.0);
  EXPECT_EQ(get_jul_day(2, 29, 1600), 2305507.0);
  // An impossible date rolls into the next month.
  EXPECT_EQ(get_jul_day(2, 29, 1700), 2342032.0);
  EXPECT_EQ(get_jul_day(3, 1, 1700), 2342032.0);
  EXPECT_EQ(get_jul_day(3, 7, 1984), 2445767.0);
}

TEST(Calendar, DayNumbersAroundTheReform)
{
  EXPECT_EQ(get_jul_day(10, 4, 1582), 2299160.0);
  // 15 October 1582 itself is still read as Julian; the next day is Gregorian.
  EXPECT_EQ(get_jul_day(10, 15, 1582), 2299171.0);
  EXPECT_EQ(get_jul_day(10, 16, 1582), 2299162.0);
}

TEST(Calendar, DayNumbersOfExtremeArgumentsAreDefined)
{
  // Run under the undefined-behaviour sanitizer: no overflow anywhere.
  double a = get_jul_day(INT_MAX, INT_MAX, INT_MAX);
  double b = get_jul_day(INT_MIN, INT_MIN, INT_MIN);
  EXPECT_TRUE(std::isfinite(a));
  EXPECT_TRUE(std::isfinite(b));
  EXPECT_GT(a, 0.0);
  EXPECT_LT(b, 0.0);
  EXPECT_EQ(a, std::floor(a));
}

TEST(Calendar, PrintedDates)
{
  EXPECT_EQ(datestr(2451545.0), "Jan 01, 2000");
  EXPECT_EQ(datestr(2451545.99), "Jan 01, 2000");
  EXPECT_EQ(datestr(2445767.0), "Mar 07, 1984");
  EXPECT_EQ(datestr(2451915.0), "Jan 05, 2001");
  // No Julian branch: before the reform the date is proleptic Gregorian.
  EXPECT_EQ(datestr(get_jul_day(10, 4, 1582)), "Oct 14, 1582");
  EXPECT_EQ(datestr(0.0), "Nov 24, -4713");
  char buf[jd2date_size];
  EXPECT_EQ(jd2date(buf, 2451545.0), 12);
}

TEST(Calendar, PrintedDateRoundTrip1583To2599)
{
  const double frac[] = {0.0, 1e-9, 0.25, 0.5, 0.75, 0.999, 0.9999999};
  double prev = 0.0;
  int days = 0;
  for (int year = 1583; year <= 2599; year++)
    for (int mon = 1; mon <= 12; mon++)
      for (int day = 1; day <= monthlen(mon, year); day++) {
        double jd = get_jul_day(mon, day, year);
        // Consecutive civil days have consecutive day numbers.
        if (days > 0) {
          ASSERT_EQ(jd, prev + 1) << year << "-" << mon << "-" << day;
        }
        prev = jd;
        days++;
        char want[jd2date_size];
        std::snprintf(want, sizeof want, "%s %2.2d, %d", mstr[mon - 1], day, year);
        for (double f : frac)
          ASSERT_EQ(datestr(jd + f), want) << "jd " << jd << " + " << f;
      }
  // 1017 years, 247 of them leap years.
  EXPECT_EQ(days, 1017 * 365 + 247);
}

TEST(Calendar, PrintedDateIsBoundedForAnyDouble)
{
  const double odd[] = {std::nan(""), -std::nan(""),
                        std::numeric_limits<double>::infinity(),
                        -std::numeric_limits<double>::infinity(),
                        -1.0, -0.5, -1e300, 1e300, 2147483648.0, 9.3e18, 1e19,
                        std::numeric_limits<double>::max(),
                        std::numeric_limits<double>::denorm_min(), 2147483647.99};
  for (double jd : odd) {
    char buf[64];
    std::memset(buf, 'x', sizeof buf);
    int n = jd2date(buf, jd);
    ASSERT_GE(n, 0);
    ASSERT_LT(n, static_cast<int>(jd2date_size));
    EXPECT_EQ(std::strlen(buf), static_cast<size_t>(n)) << jd;
    for (size_t i = jd2date_size; i < sizeof buf; i++)
      ASSERT_EQ(buf[i], 'x') << "write past the buffer for " << jd;
  }
  EXPECT_EQ(datestr(std::nan("")), "??? ??, ????");
  EXPECT_EQ(datestr(-1.0), "??? ??, ????");
  EXPECT_EQ(datestr(1e300), "??? ??, ????");
  EXPECT_EQ(datestr(2147483647.5), "Jun 03, 5874898");
}

TEST(Calendar, PrintedDateIsWellFormedOverTheWholeRange)
{
  // Every valid day count gives a real month name and a day 1..31.
  std::mt19937_64 rng(20240101);
  std::uniform_real_distribution<double> any(0.0, 2147483647.0);
  for (int i = 0; i < 200000; i++) {
    double jd = i < 100 ? i * 0.7 : any(rng);
    char buf[jd2date_size];
    jd2date(buf, jd);
    char mon[4] = {};
    int day = 0, year = 0;
    ASSERT_EQ(std::sscanf(buf, "%3s %d, %d", mon, &day, &year), 3) << buf;
    bool known = false;
    for (const char* m : mstr)
      known = known || std::strcmp(m, mon) == 0;
    ASSERT_TRUE(known) << buf;
    ASSERT_GE(day, 1) << buf;
    ASSERT_LE(day, 31) << buf;
  }
}
