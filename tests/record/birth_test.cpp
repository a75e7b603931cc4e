// The birth record: derivation, text copies, date lines, start-up record.
#include "app/birth.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <climits>
#include <cmath>
#include <string>

namespace {

birthdata zoned(int zhour, int zmin, bool zeast) {
  birthdata b;
  b.mon = 1;
  b.day = 5;
  b.year = 2000;
  b.hour = 7;
  b.min = 30;
  b.zhour = zhour;
  b.zmin = zmin;
  b.zeast = zeast;
  derive(b);
  return b;
}

std::string lineof(const birthdata& b) {
  char s[64];
  std::memset(s, 'x', sizeof s);
  dateline(s, b);
  return s;
}

// The local time of a moment in a given TZ setting.
std::tm localin(const char* tz, std::time_t t) {
  setenv("TZ", tz, 1);
  tzset();
  std::tm now{};
  localtime_r(&t, &now);
  return now;
}

// 2026-12-05 12:22:00 UTC, a Saturday.
constexpr std::time_t sat = 1796473320;

}  // namespace

TEST(Derive, SignsAndFractions) {
  birthdata b = zoned(5, 30, true);
  b.londg = 12;
  b.lonmn = 30;
  b.loneast = true;
  b.latdg = 41;
  b.latmn = 54;
  derive(b);
  EXPECT_DOUBLE_EQ(b.zone, -5.5);
  EXPECT_DOUBLE_EQ(b.lon, -12.5);
  EXPECT_DOUBLE_EQ(b.lat, 41.9);
  b.zeast = b.loneast = false;
  b.latsouth = true;
  derive(b);
  EXPECT_DOUBLE_EQ(b.zone, 5.5);
  EXPECT_DOUBLE_EQ(b.lon, 12.5);
  EXPECT_DOUBLE_EQ(b.lat, -41.9);
}

TEST(Derive, SignedZeroIsNotNegative) {
  birthdata b = zoned(0, 0, true);
  b.loneast = b.latsouth = true;
  derive(b);
  EXPECT_FALSE(b.zone < 0);
  EXPECT_FALSE(b.lon < 0);
  EXPECT_FALSE(b.lat < 0);
  EXPECT_TRUE(std::signbit(b.zone));
}

TEST(Copytext, KeepsTwentyThreeBytesAndLeavesTheLast) {
  char dst[32];
  std::memset(dst, 'x', sizeof dst);
  copytext(dst, "abcdefghijklmnopqrstuvwxyz0123");
  EXPECT_EQ(std::string(dst, 23), "abcdefghijklmnopqrstuvw");
  EXPECT_EQ(dst[23], 'x');

  std::memset(dst, 'x', sizeof dst);
  copytext(dst, "Nowhere");
  EXPECT_STREQ(std::string(dst, 7).c_str(), "Nowhere");
  for (int i = 7; i < 23; ++i) EXPECT_EQ(dst[i], '\0') << i;
  EXPECT_EQ(dst[23], 'x');

  birthdata b;
  copytext(b.name, nullptr);
  EXPECT_STREQ(b.name, "");
}

TEST(Copytext, CutsMultiByteCharactersAsBytes) {
  birthdata b;
  // 22 ASCII bytes then a two-byte e acute: only its first byte stays.
  copytext(b.name, "abcdefghijklmnopqrstuv\xc3\xa9");
  EXPECT_EQ(std::strlen(b.name), 23u);
  EXPECT_EQ(static_cast<unsigned char>(b.name[22]), 0xc3);
}

TEST(Dateline, SecondForm) {
  EXPECT_EQ(lineof(zoned(5, 30, true)), "Jan 5, 2000 07:30 Zone: -5:30");
  EXPECT_EQ(lineof(zoned(8, 0, false)), "Jan 5, 2000 07:30 Zone: 08:00");
  // Whole hours truncated toward zero lose the sign of a zone under an hour.
  EXPECT_EQ(lineof(zoned(0, 30, true)), "Jan 5, 2000 07:30 Zone: 00:30");
  EXPECT_EQ(lineof(zoned(12, 0, true)), "Jan 5, 2000 07:30 Zone: -12:00");
  EXPECT_EQ(lineof(zoned(12, 0, false)), "Jan 5, 2000 07:30 Zone: 12:00");
  birthdata b = zoned(1, 0, true);
  b.mon = 12;
  b.day = 31;
  b.hour = 23;
  b.min = 59;
  EXPECT_EQ(lineof(b), "Dec 31, 2000 23:59 Zone: -1:00");
}

TEST(Dateline, StaysBoundedForAnyRecord) {
  birthdata b = zoned(0, 0, false);
  b.mon = 0;
  EXPECT_EQ(lineof(b), "??? 5, 2000 07:30 Zone: 00:00");
  b.mon = 13;
  EXPECT_EQ(lineof(b), "??? 5, 2000 07:30 Zone: 00:00");
  b.mon = INT_MIN;
  b.day = b.year = b.hour = b.min = b.zmin = INT_MIN;
  b.zone = -1e300;
  std::string s = lineof(b);
  EXPECT_EQ(s.size(), 63u);
  EXPECT_EQ(s.substr(0, 16), "??? -2147483648,");
  b.zone = 0.0 / 0.0;
  b.day = b.year = b.hour = b.min = b.zmin = 0;
  EXPECT_EQ(lineof(b), "??? 0, 0 00:00 Zone: 00:00");
  b.zone = 1e300;
  EXPECT_EQ(lineof(b), "??? 0, 0 00:00 Zone: 2147483647:00");
}

TEST(Datestart, StartForm) {
  char s[64];
  std::tm now = localin("UTC", sat);
  datestart(s, now);
  EXPECT_STREQ(s, "Sat 12/05/26 12:22 +0000");
  now = localin("IST-5:30", sat);
  datestart(s, now);
  EXPECT_STREQ(s, "Sat 12/05/26 17:52 +0530");
  unsetenv("TZ");
  tzset();
}

TEST(Startrecord, DefaultsAndPresentTime) {
  std::tm now = localin("EST5", sat);
  birthdata b = startrecord(now);
  unsetenv("TZ");
  tzset();
  EXPECT_STREQ(b.name, "Prasna");
  EXPECT_STREQ(b.place, "Nowhere");
  EXPECT_EQ(b.mon, 12);
  EXPECT_EQ(b.day, 5);
  EXPECT_EQ(b.year, 2026);
  EXPECT_EQ(b.hour, 7);
  EXPECT_EQ(b.min, 22);
  EXPECT_EQ(b.zhour + b.zmin + b.londg + b.lonmn + b.latdg + b.latmn, 0);
  EXPECT_FALSE(b.zeast || b.loneast || b.latsouth);
  EXPECT_EQ(b.zone, 0.0);
  EXPECT_EQ(b.lon, 0.0);
  EXPECT_EQ(b.lat, 0.0);
  EXPECT_STREQ(b.dtstr, "Sat 12/05/26 07:22 -0500");
}
