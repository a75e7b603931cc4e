// The birth record: derivation, text copies, date lines, start-up record.
#include "chart/birth.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

namespace {

// 5 January 2000, 07:30, in the given zone.
birthdata zoned(int zhour, int zmin, bool zeast) {
  birthdata b;
  b.day = 5;
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

// The local time of 12:22 UTC on Saturday 5 December 2026 under a TZ setting.
std::tm localin(const char* tz) {
  setenv("TZ", tz, 1);
  tzset();
  std::time_t t = 1796473320;
  std::tm now{};
  localtime_r(&t, &now);
  return now;
}

}  // namespace

TEST(Copytext, TwentyThreeBytesZeroFilled) {
  char dst[32];
  std::memset(dst, 'x', sizeof dst);
  copytext(dst, "abcdefghijklmnopqrstuvwxyz0123");
  EXPECT_EQ(std::string(dst, 24), "abcdefghijklmnopqrstuvwx");
  std::memset(dst, 'x', sizeof dst);
  copytext(dst, "Nowhere");
  EXPECT_EQ(std::string(dst, 24), "Nowhere" + std::string(16, '\0') + "x");
  copytext(dst, nullptr);
  EXPECT_EQ(std::string(dst, 24), std::string(23, '\0') + "x");
}

TEST(Dateline, Examples) {
  const struct { int zhour, zmin; bool zeast; const char* line; } cases[] = {
      {5, 30, true, "Jan 5, 2000 07:30 Zone: -5:30"},
      {8, 0, false, "Jan 5, 2000 07:30 Zone: 08:00"},
      // Whole hours truncated toward zero lose the sign of a zone under an hour.
      {0, 30, true, "Jan 5, 2000 07:30 Zone: 00:30"},
      {12, 0, true, "Jan 5, 2000 07:30 Zone: -12:00"},
      {12, 0, false, "Jan 5, 2000 07:30 Zone: 12:00"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(lineof(zoned(c.zhour, c.zmin, c.zeast)), c.line);
}

TEST(Dateline, BoundedForAnyRecord) {
  birthdata b = zoned(0, 0, false);
  b.mon = 13;
  EXPECT_EQ(lineof(b), "??? 5, 2000 07:30 Zone: 00:00");
  b.mon = b.day = b.year = b.hour = b.min = b.zmin = INT_MIN;
  b.zone = -1e300;
  std::string s = lineof(b);
  EXPECT_EQ(s.size(), 63u);
  EXPECT_EQ(s.substr(0, 16), "??? -2147483648,");
  b.day = b.year = b.hour = b.min = b.zmin = 0;
  b.zone = NAN;
  EXPECT_EQ(lineof(b), "??? 0, 0 00:00 Zone: 00:00");
  b.zone = 1e300;
  EXPECT_EQ(lineof(b), "??? 0, 0 00:00 Zone: 2147483647:00");
}

TEST(Startrecord, DefaultsAndStartDateLine) {
  char s[64];
  datestart(s, localin("UTC"));
  EXPECT_STREQ(s, "Sat 12/05/26 12:22 +0000");
  // The local clock time with zone and coordinates zero.
  birthdata b = startrecord(localin("IST-5:30"));
  unsetenv("TZ");
  tzset();
  EXPECT_STREQ(b.name, "Prasna");
  EXPECT_STREQ(b.place, "Nowhere");
  EXPECT_EQ(lineof(b), "Dec 5, 2026 17:52 Zone: 00:00");
  EXPECT_EQ(b.zhour + b.zmin + b.londg + b.lonmn + b.latdg + b.latmn, 0);
  EXPECT_FALSE(b.zeast || b.loneast || b.latsouth);
  EXPECT_TRUE(b.zone == 0 && b.lon == 0 && b.lat == 0);
  EXPECT_STREQ(b.dtstr, "Sat 12/05/26 17:52 +0530");
}
