// Chart lines: the writer's layout, the reader's columns and checks, and
// the round trip between them.
#include "app/chartline.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "engine/calendar.h"

namespace {

const std::string example =
    "Example Person         Mar 14, 198706:05:00 PM    -01:00012E30'00 "
    "41N54'00 Sample Town             ";

birthdata exampleperson() {
  birthdata b;
  copytext(b.name, "Example Person");
  copytext(b.place, "Sample Town");
  b.mon = 3;
  b.day = 14;
  b.year = 1987;
  b.hour = 18;
  b.min = 5;
  b.zhour = 1;
  b.zeast = true;
  b.londg = 12;
  b.lonmn = 30;
  b.loneast = true;
  b.latdg = 41;
  b.latmn = 54;
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

std::string why(const std::string& line) {
  lineread r = readchartline(line);
  EXPECT_FALSE(r.ok) << line;
  return r.why;
}

std::string padded(const char* text) {
  std::string s(text);
  s.resize(23, ' ');
  return s;
}

}  // namespace

TEST(Writechartline, ExampleLineByteForByte) {
  std::string s = written(exampleperson());
  EXPECT_EQ(s.size(), 100u);
  EXPECT_EQ(s, example + "\n");
}

TEST(Writechartline, TwelveHourClock) {
  birthdata b = exampleperson();
  const struct {
    int hour;
    const char* clock;
  } cases[] = {{0, "12:05:00 AM"},  {1, "01:05:00 AM"},  {11, "11:05:00 AM"},
               {12, "12:05:00 PM"}, {13, "01:05:00 PM"}, {23, "11:05:00 PM"}};
  for (const auto& c : cases) {
    b.hour = c.hour;
    std::string s = written(b);
    EXPECT_EQ(s.substr(35, 11), c.clock) << c.hour;
    lineread r = readchartline(s);
    ASSERT_TRUE(r.ok) << r.why;
    EXPECT_EQ(r.rec.hour, c.hour);
  }
}

TEST(Writechartline, FullWidthTexts) {
  birthdata b = exampleperson();
  copytext(b.name, "Abcdefghijklmnopqrstuvw");
  copytext(b.place, "Zyxwvutsrqponmlkjihgfed");
  std::string s = written(b);
  EXPECT_EQ(s.size(), 100u);
  EXPECT_EQ(s.substr(0, 26), "Abcdefghijklmnopqrstuvw" "Mar");
  EXPECT_EQ(s.substr(75), "Zyxwvutsrqponmlkjihgfed \n");
}

TEST(Writechartline, SignsComeFromTheDoubles) {
  birthdata b = exampleperson();
  b.zhour = b.zmin = b.londg = b.lonmn = b.latdg = b.latmn = 0;
  b.zeast = b.loneast = b.latsouth = true;
  derive(b);
  std::string s = written(b);
  EXPECT_EQ(s.substr(50, 24), "+00:00000W00'00 00N00'00");
  b.latdg = 1;
  b.zmin = 1;
  derive(b);
  EXPECT_EQ(written(b).substr(50, 24), "-00:01000W00'00 01S00'00");
}

TEST(Writechartline, StaysOneBoundedLine) {
  birthdata b = exampleperson();
  copytext(b.name, "two\nlines");
  std::string s = written(b);
  EXPECT_EQ(s.substr(0, 9), "two lines");
  EXPECT_EQ(s.find('\n'), 99u);

  b.mon = 13;
  EXPECT_EQ(written(b).substr(23, 3), "???");
  b.mon = 0;
  b.day = b.year = b.min = b.zhour = b.zmin = INT_MIN;
  b.londg = b.lonmn = b.latdg = b.latmn = INT_MIN;
  b.hour = INT_MAX;
  std::memset(b.name, 'n', sizeof b.name);   // no terminator
  std::memset(b.place, 'p', sizeof b.place);
  char out[128];
  int n = writechartline(out, b);
  EXPECT_EQ(n, 127);
  EXPECT_EQ(std::strlen(out), 127u);
  EXPECT_EQ(out[126], '\n');
  EXPECT_EQ(std::string(out, 24), std::string(23, 'n') + "?");
}

TEST(Readchartline, ExampleLine) {
  for (const std::string& line : {example, example + "\n", example + "\r\n"}) {
    lineread r = readchartline(line);
    ASSERT_TRUE(r.ok) << r.why;
    const birthdata& b = r.rec;
    EXPECT_EQ(std::string(b.name), padded("Example Person"));
    EXPECT_EQ(std::string(b.place), padded("Sample Town"));
    EXPECT_EQ(b.mon, 3);
    EXPECT_EQ(b.day, 14);
    EXPECT_EQ(b.year, 1987);
    EXPECT_EQ(b.hour, 18);
    EXPECT_EQ(b.min, 5);
    EXPECT_EQ(b.zhour, 1);
    EXPECT_EQ(b.zmin, 0);
    EXPECT_TRUE(b.zeast);
    EXPECT_DOUBLE_EQ(b.zone, -1.0);
    EXPECT_EQ(b.londg, 12);
    EXPECT_EQ(b.lonmn, 30);
    EXPECT_TRUE(b.loneast);
    EXPECT_DOUBLE_EQ(b.lon, -12.5);
    EXPECT_EQ(b.latdg, 41);
    EXPECT_EQ(b.latmn, 54);
    EXPECT_FALSE(b.latsouth);
    EXPECT_DOUBLE_EQ(b.lat, 41.9);
    EXPECT_STREQ(b.dtstr, "Mar 14, 1987 18:05 Zone: -1:00");
  }
}

TEST(Readchartline, MonthIgnoresCase) {
  EXPECT_EQ(readchartline(patched(23, "MAR")).rec.mon, 3);
  EXPECT_EQ(readchartline(patched(23, "dec")).rec.mon, 12);
  EXPECT_EQ(readchartline(patched(23, "jAn")).rec.mon, 1);
  EXPECT_EQ(why(patched(23, "Xyz")), "unknown month \"Xyz\"");
  EXPECT_EQ(why(patched(23, "Ma ")), "unknown month \"Ma \"");
  EXPECT_EQ(why(patched(23, "\xc3\xa9t")), "unknown month \"\\xc3\\xa9t\"");
}

TEST(Readchartline, LengthRules) {
  EXPECT_EQ(why(""), "line is empty");
  EXPECT_EQ(why("\n"), "line is empty");
  EXPECT_EQ(why(example.substr(0, 57)),
            "line is too short (57 bytes, a chart line has 99)");
  EXPECT_EQ(why(example.substr(0, 73) + "\n"),
            "line is too short (73 bytes, a chart line has 99)");
  // The place may be missing or cut short: it reads as blanks.
  lineread r = readchartline(example.substr(0, 74));
  ASSERT_TRUE(r.ok) << r.why;
  EXPECT_EQ(std::string(r.rec.place), std::string(23, ' '));
  r = readchartline(example.substr(0, 80) + "\n");
  ASSERT_TRUE(r.ok) << r.why;
  EXPECT_EQ(std::string(r.rec.place), padded("Sampl"));
  // A longer line is read by its columns.
  r = readchartline(patched(75, "Abcdefghijklmnopqrstuvwxyz") +
                    std::string(200, '9'));
  ASSERT_TRUE(r.ok) << r.why;
  EXPECT_STREQ(r.rec.place, "Abcdefghijklmnopqrstuvw");
  // A view into a larger buffer is never read past its end.
  std::string big = example + "ZZZZ";
  r = readchartline(std::string_view(big.data(), 75));
  EXPECT_EQ(std::string(r.rec.place), std::string(23, ' '));
}

TEST(Readchartline, BytesAsTheyStand) {
  lineread r = readchartline(patched(0, padded("Zo\xc3\xab \xe6\x9d\xb1")) +
                             std::string(1, '\xff'));
  ASSERT_TRUE(r.ok) << r.why;
  EXPECT_EQ(std::string(r.rec.name), padded("Zo\xc3\xab \xe6\x9d\xb1"));
  EXPECT_EQ(why(std::string(99, '\xff')), "unknown month \"\\xff\\xff\\xff\"");
  EXPECT_EQ(why(std::string(99, '\0')), "unknown month \"\\x00\\x00\\x00\"");
}

TEST(Readchartline, RangeChecks) {
  EXPECT_EQ(why(patched(31, "1599")), "year 1599 is outside 1600-2400");
  EXPECT_EQ(why(patched(31, "2401")), "year 2401 is outside 1600-2400");
  EXPECT_EQ(why(patched(31, "  99")), "year 99 is outside 1600-2400");
  EXPECT_EQ(why(patched(31, "999999999999")),
            "year 21474836 is outside 1600-2400");
  EXPECT_EQ(why(patched(27, "00")), "day 0 is outside 1-31");
  EXPECT_EQ(why(patched(27, "32")), "day 32 is outside 1-31");
  EXPECT_EQ(why(patched(27, "xx")), "day 0 is outside 1-31");
  EXPECT_EQ(why(patched(23, "Feb 29, 1900")), "Feb 29 is not a date in 1900");
  EXPECT_EQ(why(patched(23, "Feb 30, 2000")), "Feb 30 is not a date in 2000");
  EXPECT_TRUE(readchartline(patched(23, "Feb 29, 2000")).ok);
  EXPECT_TRUE(readchartline(patched(23, "Feb 28, 1900")).ok);
  EXPECT_EQ(why(patched(23, "Apr 31")),
            "Apr 31 is not a date: the month has 30 days");
  EXPECT_EQ(why(patched(23, "Nov 31")),
            "Nov 31 is not a date: the month has 30 days");
  EXPECT_TRUE(readchartline(patched(23, "Mar 31")).ok);
  EXPECT_TRUE(readchartline(patched(23, "Dec 31")).ok);
  EXPECT_EQ(why(patched(35, "13")), "hour 25 (13 PM) is outside 0-23");
  EXPECT_EQ(why(patched(35, "24:05:00 AM")), "hour 24 (24 AM) is outside 0-23");
  EXPECT_EQ(why(patched(38, "60")), "minute 60 is outside 0-59");
  EXPECT_EQ(why(patched(51, "13")), "zone hour 13 is outside 0-12");
  EXPECT_EQ(why(patched(54, "60")), "zone minute 60 is outside 0-59");
  EXPECT_EQ(why(patched(56, "180")), "longitude degree 180 is outside 0-179");
  EXPECT_EQ(why(patched(60, "60")), "longitude minute 60 is outside 0-59");
  EXPECT_EQ(why(patched(66, "90")), "latitude degree 90 is outside 0-89");
  EXPECT_EQ(why(patched(69, "60")), "latitude minute 60 is outside 0-59");
  EXPECT_EQ(why(patched(66, "-1")), "latitude degree -1 is outside 0-89");
  // The edges of every range pass.
  lineread r = readchartline(
      patched(23, "Dec 31, 240011:59:00 PM    -12:59179E59'00 89S59'00"));
  ASSERT_TRUE(r.ok) << r.why;
  EXPECT_EQ(r.rec.year, 2400);
  EXPECT_EQ(r.rec.hour, 23);
  EXPECT_DOUBLE_EQ(r.rec.zone, -(12 + 59 / 60.0));
  EXPECT_STREQ(r.rec.dtstr, "Dec 31, 2400 23:59 Zone: -12:59");
  r = readchartline(
      patched(23, "Jan 01, 160012:00:00 AM    +00:00000W00'00 00N00'00"));
  ASSERT_TRUE(r.ok) << r.why;
  EXPECT_EQ(r.rec.hour, 0);
  // With several bad fields the first in the dialog's order is named.
  EXPECT_EQ(why(patched(27, "40, 1500")), "year 1500 is outside 1600-2400");
}

// Every integer field and flag comes back as written, except that the texts
// come back blank-filled to 23 bytes and a sign flag set on a zero value
// comes back cleared.
void roundtrip(const birthdata& b) {
  std::string s = written(b);
  ASSERT_EQ(s.size(), 100u);
  lineread r = readchartline(s);
  ASSERT_TRUE(r.ok) << r.why << "\n" << s;
  const birthdata& g = r.rec;
  EXPECT_EQ(std::string(g.name), padded(b.name));
  EXPECT_EQ(std::string(g.place), padded(b.place));
  EXPECT_EQ(g.mon, b.mon);
  EXPECT_EQ(g.day, b.day);
  EXPECT_EQ(g.year, b.year);
  EXPECT_EQ(g.hour, b.hour);
  EXPECT_EQ(g.min, b.min);
  EXPECT_EQ(g.zhour, b.zhour);
  EXPECT_EQ(g.zmin, b.zmin);
  EXPECT_EQ(g.zeast, b.zeast && b.zone != 0);
  EXPECT_EQ(g.londg, b.londg);
  EXPECT_EQ(g.lonmn, b.lonmn);
  EXPECT_EQ(g.loneast, b.loneast && b.lon != 0);
  EXPECT_EQ(g.latdg, b.latdg);
  EXPECT_EQ(g.latmn, b.latmn);
  EXPECT_EQ(g.latsouth, b.latsouth && b.lat != 0);
  EXPECT_EQ(g.zone, b.zone);
  EXPECT_EQ(g.lon, b.lon);
  EXPECT_EQ(g.lat, b.lat);
  char dt[64];
  dateline(dt, b);
  EXPECT_STREQ(g.dtstr, dt);
}

TEST(RoundTrip, EveryDateAndTime) {
  birthdata b = exampleperson();
  const int mdays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int year : {1600, 1900, 1987, 2000, 2400}) {
    for (int mon = 1; mon <= 12; ++mon) {
      int last = mon == 2 && !isleap(year) ? 28 : mdays[mon - 1];
      for (int day = 1; day <= last; ++day) {
        b.year = year;
        b.mon = mon;
        b.day = day;
        b.hour = (day * 7 + mon) % 24;
        b.min = (day * 13 + year) % 60;
        SCOPED_TRACE(std::to_string(year) + "-" + std::to_string(mon) + "-" +
                     std::to_string(day));
        roundtrip(b);
      }
    }
  }
  b = exampleperson();
  for (int hour = 0; hour < 24; ++hour)
    for (int min = 0; min < 60; ++min) {
      b.hour = hour;
      b.min = min;
      roundtrip(b);
    }
}

TEST(RoundTrip, ZonesAndCoordinates) {
  birthdata b = exampleperson();
  for (int sign = 0; sign < 2; ++sign)
    for (int zh = 0; zh <= 12; ++zh)
      for (int zm = 0; zm < 60; ++zm) {
        b.zhour = zh;
        b.zmin = zm;
        b.zeast = sign;
        derive(b);
        roundtrip(b);
      }
  b = exampleperson();
  for (int sign = 0; sign < 2; ++sign)
    for (int dg = 0; dg <= 179; ++dg)
      for (int mn : {0, 1, 30, 59}) {
        b.londg = dg;
        b.lonmn = mn;
        b.loneast = sign;
        b.latdg = dg % 90;
        b.latmn = (mn + dg) % 60;
        b.latsouth = !sign;
        derive(b);
        roundtrip(b);
      }
}

TEST(RoundTrip, MixedRecords) {
  // A fixed pseudo-random walk over the whole of the dialog's ranges.
  unsigned x = 12345;
  auto next = [&x](int n) {
    x = x * 1103515245u + 12345u;
    return static_cast<int>((x >> 8) % static_cast<unsigned>(n));
  };
  for (int i = 0; i < 20000; ++i) {
    birthdata b;
    char name[24], place[24];
    int nl = next(24), pl = next(24);
    for (int k = 0; k < nl; ++k) name[k] = static_cast<char>(' ' + next(95));
    for (int k = 0; k < pl; ++k)
      place[k] = static_cast<char>(k % 5 == 4 ? 0xc3 + next(20) : 'a' + next(26));
    name[nl] = place[pl] = '\0';
    copytext(b.name, name);
    copytext(b.place, place);
    b.year = 1600 + next(801);
    b.mon = 1 + next(12);
    b.day = 1 + next(28);
    b.hour = next(24);
    b.min = next(60);
    b.zhour = next(13);
    b.zmin = next(60);
    b.zeast = next(2);
    b.londg = next(180);
    b.lonmn = next(60);
    b.loneast = next(2);
    b.latdg = next(90);
    b.latmn = next(60);
    b.latsouth = next(2);
    derive(b);
    roundtrip(b);
    if (HasFailure()) break;
  }
}
