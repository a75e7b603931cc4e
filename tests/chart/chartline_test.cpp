// Chart lines: the writer's layout, the reader's columns and checks, and the
// round trip between them.
#include "chart/chartline.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "engine/calendar.h"

namespace {

const std::string example =
    "Example Person         Mar 14, 198706:05:00 PM    -01:00012E30'00 "
    "41N54'00 Sample Town             ";

// Example Person: 14 March 1987 18:05, zone "-" 1:00, 12 30' E, 41 54' N.
birthdata exampleperson() {
  birthdata b{"Example Person", "Sample Town", 3, 14, 1987, 18, 5, 1, 0, true,
              0, 12, 30, true, 0, 41, 54, false, 0, ""};
  derive(b);
  return b;
}

std::string written(const birthdata& b) {
  char s[128];
  int n = writechartline(s, b);
  EXPECT_EQ(n, static_cast<int>(std::strlen(s)));
  return s;
}

// The example line with the bytes at column col replaced.
std::string patched(std::size_t col, const std::string& bytes) {
  std::string s = example;
  s.replace(col, bytes.size(), bytes);
  return s;
}

std::string padded(const char* text) {
  std::string s(text);
  s.resize(23, ' ');
  return s;
}

// Checks that g, read from the line of b, holds what b held: every integer
// field and flag, except that the texts come back blank-filled to 23 bytes
// and a sign flag set on a zero value comes back cleared.
void expectread(const birthdata& g, const birthdata& b, const std::string& s) {
  EXPECT_EQ(std::string(g.name), padded(b.name)) << s;
  EXPECT_EQ(std::string(g.place), padded(b.place)) << s;
  for (int birthdata::*f :
       {&birthdata::mon, &birthdata::day, &birthdata::year, &birthdata::hour,
        &birthdata::min, &birthdata::zhour, &birthdata::zmin,
        &birthdata::londg, &birthdata::lonmn, &birthdata::latdg,
        &birthdata::latmn})
    EXPECT_EQ(g.*f, b.*f) << s;
  EXPECT_EQ(g.zeast, b.zeast && b.zone != 0) << s;
  EXPECT_EQ(g.loneast, b.loneast && b.lon != 0) << s;
  EXPECT_EQ(g.latsouth, b.latsouth && b.lat != 0) << s;
  EXPECT_TRUE(g.zone == b.zone && g.lon == b.lon && g.lat == b.lat) << s;
  char dt[64];
  dateline(dt, b);
  EXPECT_STREQ(g.dtstr, dt);
}

}  // namespace

TEST(Writechartline, ExampleLineAndFullWidthTexts) {
  birthdata b = exampleperson();
  EXPECT_EQ(written(b), example + "\n");
  // 23-byte texts: the month follows the name at once, and column 98 is the
  // only blank before the line feed.
  copytext(b.name, "Abcdefghijklmnopqrstuvw");
  copytext(b.place, "Zyxwvutsrqponmlkjihgfed");
  std::string s = written(b);
  EXPECT_EQ(s.size(), 100u);
  EXPECT_EQ(s.substr(0, 26), "Abcdefghijklmnopqrstuvw" "Mar");
  EXPECT_EQ(s.substr(75), "Zyxwvutsrqponmlkjihgfed \n");
}

TEST(Writechartline, TwelveHourClockBothWays) {
  const struct { int hour; const char* clock; } cases[] = {
      {0, "12:05:00 AM"},  {1, "01:05:00 AM"},  {11, "11:05:00 AM"},
      {12, "12:05:00 PM"}, {13, "01:05:00 PM"}, {23, "11:05:00 PM"}};
  birthdata b = exampleperson();
  for (const auto& c : cases) {
    b.hour = c.hour;
    std::string s = written(b);
    EXPECT_EQ(s.substr(35, 11), c.clock) << c.hour;
    lineread r = readchartline(s);
    EXPECT_TRUE(r.ok) << r.why;
    EXPECT_EQ(r.rec.hour, c.hour);
  }
}

TEST(Writechartline, StaysOneBoundedLine) {
  birthdata b = exampleperson();
  copytext(b.name, "two\nlines");
  std::string s = written(b);
  EXPECT_EQ(s.substr(0, 9), "two lines");
  EXPECT_EQ(s.find('\n'), 99u);
  // Numbers far outside the ranges, no month, texts without a terminator.
  b.mon = 0;
  b.day = b.year = b.min = b.zhour = b.zmin = INT_MIN;
  b.londg = b.lonmn = b.latdg = b.latmn = INT_MIN;
  b.hour = INT_MAX;
  std::memset(b.name, 'n', sizeof b.name);
  std::memset(b.place, 'p', sizeof b.place);
  s = written(b);
  EXPECT_EQ(s.size(), 127u);
  EXPECT_EQ(s.back(), '\n');
  EXPECT_EQ(s.substr(0, 24), std::string(23, 'n') + "?");
}

TEST(Readchartline, ExampleLine) {
  for (const std::string& line : {example, example + "\n", example + "\r\n"}) {
    lineread r = readchartline(line);
    ASSERT_TRUE(r.ok) << r.why;
    EXPECT_STREQ(r.rec.dtstr, "Mar 14, 1987 18:05 Zone: -1:00");
    EXPECT_DOUBLE_EQ(r.rec.lat, 41.9);
    expectread(r.rec, exampleperson(), line);
  }
}

TEST(Readchartline, ColumnsAndChecks) {
  // The edges of every range, written back as they were read.
  const std::string hi =
      patched(23, "Dec 31, 240011:59:00 PM    -12:59179E59'00 89S59'00");
  const std::string lo =
      patched(23, "Jan 01, 160012:00:00 AM    +00:00000W00'00 00N00'00");
  for (const std::string& line : {hi, lo})
    EXPECT_EQ(written(readchartline(line).rec), line + "\n");
  // The date line of an accepted line, else why it is refused.
  const struct { std::string line; const char* outcome; } cases[] = {
      {hi, "Dec 31, 2400 23:59 Zone: -12:59"},
      {lo, "Jan 1, 1600 00:00 Zone: 00:00"},
      {patched(23, "dec"), "Dec 14, 1987 18:05 Zone: -1:00"},
      {patched(23, "MAR"), "Mar 14, 1987 18:05 Zone: -1:00"},
      {patched(23, "Feb 29, 2000"), "Feb 29, 2000 18:05 Zone: -1:00"},
      {patched(23, "Feb 28, 1900"), "Feb 28, 1900 18:05 Zone: -1:00"},
      {patched(23, "Mar 31"), "Mar 31, 1987 18:05 Zone: -1:00"},
      {"", "line is empty"},
      {example.substr(0, 73) + "\r\n",
       "line is too short (73 bytes, a chart line has 99)"},
      {patched(23, "Xyz"), "unknown month \"Xyz\""},
      {patched(23, "\xc3\xa9t"), "unknown month \"\\xc3\\xa9t\""},
      {std::string(99, '\xff'), "unknown month \"\\xff\\xff\\xff\""},
      {std::string(99, '\0'), "unknown month \"\\x00\\x00\\x00\""},
      {patched(31, "1599"), "year 1599 is outside 1600-2400"},
      {patched(31, "2401"), "year 2401 is outside 1600-2400"},
      {patched(31, "999999999999"), "year 21474836 is outside 1600-2400"},
      {patched(27, "32"), "day 32 is outside 1-31"},
      {patched(23, "Feb 29, 1900"), "Feb 29 is not a date in 1900"},
      {patched(23, "Feb 30, 2000"), "Feb 30 is not a date in 2000"},
      {patched(23, "Apr 31"), "Apr 31 is not a date: the month has 30 days"},
      {patched(35, "13"), "hour 25 (13 PM) is outside 0-23"},
      {patched(35, "24:05:00 AM"), "hour 24 (24 AM) is outside 0-23"},
      {patched(38, "60"), "minute 60 is outside 0-59"},
      {patched(51, "13"), "zone hour 13 is outside 0-12"},
      {patched(54, "60"), "zone minute 60 is outside 0-59"},
      {patched(56, "180"), "longitude degree 180 is outside 0-179"},
      {patched(60, "60"), "longitude minute 60 is outside 0-59"},
      {patched(66, "90"), "latitude degree 90 is outside 0-89"},
      {patched(69, "60"), "latitude minute 60 is outside 0-59"},
      // With several bad fields the first in the dialog's order is named.
      {patched(27, "40, 1500"), "year 1500 is outside 1600-2400"},
  };
  for (const auto& c : cases) {
    lineread r = readchartline(c.line);
    EXPECT_EQ(r.ok ? std::string(r.rec.dtstr) : r.why, c.outcome);
  }
}

TEST(Readchartline, TextColumns) {
  auto place = [](std::string_view line) {
    lineread r = readchartline(line);
    EXPECT_TRUE(r.ok) << r.why;
    return std::string(r.rec.place);
  };
  // The place may be missing, cut short or followed by more bytes.
  EXPECT_EQ(place(example.substr(0, 74)), padded(""));
  EXPECT_EQ(place(example.substr(0, 80) + "\n"), padded("Sampl"));
  EXPECT_EQ(place(patched(75, "Abcdefghijklmnopqrstuvwxyz") + "999"),
            "Abcdefghijklmnopqrstuvw");
  // A view into a larger buffer is never read past its end.
  std::string big = example + "ZZZZ";
  EXPECT_EQ(place(std::string_view(big.data(), 75)), padded(""));
}

TEST(RoundTrip, DialogRanges) {
  // A fixed pseudo-random walk over whole records within the dialog's ranges,
  // texts included; zone and coordinates are often zero, signs or not.
  unsigned x = 12345;
  auto next = [&x](int n) {
    x = x * 1103515245u + 12345u;
    return static_cast<int>((x >> 8) % static_cast<unsigned>(n));
  };
  auto often0 = [&next](int n) { return next(4) ? next(n) : 0; };
  const int mdays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int i = 0; i < 20000 && !HasFailure(); ++i) {
    birthdata b;
    for (char* text : {b.name, b.place}) {
      for (int k = 0, n = next(24); k < n; ++k)
        text[k] = static_cast<char>(next(2) ? ' ' + next(95) : 0x80 + next(128));
    }
    b.year = 1600 + next(801);
    b.mon = 1 + next(12);
    b.day = 1 + next(mdays[b.mon - 1] + (b.mon == 2 && isleap(b.year)));
    b.hour = next(24);
    b.min = next(60);
    b.zhour = often0(13);
    b.zmin = often0(60);
    b.zeast = next(2);
    b.londg = often0(180);
    b.lonmn = often0(60);
    b.loneast = next(2);
    b.latdg = often0(90);
    b.latmn = often0(60);
    b.latsouth = next(2);
    derive(b);
    std::string s = written(b);
    lineread r = readchartline(s);
    ASSERT_TRUE(r.ok && s.size() == 100) << r.why << "\n" << s;
    expectread(r.rec, b, s);
  }
}
