// The birth record, the field checks with the dialog's and the reader's
// messages, chart lines written and read, and byte escaping.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iterator>
#include <string>

#include "chart/chartline.h"
#include "chart/entrycheck.h"
#include "chart/escape.h"
#include "engine/calendar.h"

namespace {

const std::string example =
    "Example Person         Mar 14, 198706:05:00 PM    -01:00012E30'00 "
    "41N54'00 Sample Town             ";

// The example line with the bytes at column col replaced.
std::string patched(std::size_t col, const std::string& bytes) {
  std::string s = example;
  return s.replace(col, bytes.size(), bytes);
}

std::string written(const birthdata& b) {
  char s[128];
  std::memset(s, 'x', sizeof s);
  int n = writechartline(s, b);
  EXPECT_EQ(n, static_cast<int>(std::strlen(s)));
  return s;
}

std::string dateof(const birthdata& b) {
  char s[64];
  dateline(s, b);
  return s;
}

// What the reader makes of a line: its date line, or why it refuses it.
std::string readout(const std::string& line) {
  lineread r = readchartline(line);
  return r.ok ? r.rec.dtstr : r.why;
}

}  // namespace

TEST(Birth, TextsDateLinesAndStartRecord) {
  // The strncpy rule with 23: zero-filled, the 24th byte left alone.
  char dst[32] = "abcdefghijklmnopqrstuvwxyz";
  copytext(dst, "Nowhere");
  EXPECT_EQ(std::string(dst, 25), "Nowhere" + std::string(16, '\0') + "xy");
  // Whole zone hours truncate toward zero, losing the sign of a zone under an hour.
  birthdata b = readchartline(patched(23, "Jan 05, 200007:30:00 AM    -00:30")).rec;
  EXPECT_EQ(dateof(b), "Jan 5, 2000 07:30 Zone: 00:30");
  b.mon = 13;
  b.zone = NAN;
  EXPECT_EQ(dateof(b), "??? 5, 2000 07:30 Zone: 00:30");
  b.zone = 1e300;
  EXPECT_EQ(dateof(b), "??? 5, 2000 07:30 Zone: 2147483647:30");
  b.mon = b.day = b.year = b.hour = b.min = b.zmin = INT_MIN;
  b.zone = -1e300;
  EXPECT_EQ(dateof(b).size(), 63u);
  EXPECT_EQ(dateof(b).substr(0, 16), "??? -2147483648,");
  // The start-up record: the local clock time, zone and coordinates zero.
  setenv("TZ", "IST-5:30", 1);
  tzset();
  std::time_t t = 1796473320;  // 12:22 UTC on Saturday 5 December 2026
  std::tm now{};
  localtime_r(&t, &now);
  b = startrecord(now);
  unsetenv("TZ");
  tzset();
  EXPECT_STREQ(b.name, "Prasna");
  EXPECT_STREQ(b.place, "Nowhere");
  EXPECT_STREQ(b.dtstr, "Sat 12/05/26 17:52 +0530");
  EXPECT_EQ(written(b).substr(23, 51), "Dec 05, 202605:52:00 PM    +00:00000W00'00 00N00'00");
}

TEST(Chartline, WriterLayout) {
  birthdata b = readchartline(example).rec;
  EXPECT_EQ(written(b), example + "\n");
  // 23-byte texts: the month follows the name at once, and column 98 is the
  // only blank before the line feed; a line feed in a text becomes a blank.
  copytext(b.name, "Abcdefghijklm\nopqrstuvw");
  copytext(b.place, "Zyxwvutsrqponmlkjihgfed");
  EXPECT_EQ(written(b),
            patched(0, "Abcdefghijklm opqrstuvwMar").substr(0, 75) + "Zyxwvutsrqponmlkjihgfed \n");
  // Numbers far outside the ranges, no month, texts without a terminator:
  // still one line within the buffer.
  b.mon = 0;
  b.day = b.year = b.min = b.zhour = b.zmin = b.londg = b.lonmn = b.latdg = b.latmn = INT_MIN;
  b.hour = INT_MAX;
  std::memset(b.name, 'n', sizeof b.name);
  std::memset(b.place, 'p', sizeof b.place);
  std::string s = written(b);
  EXPECT_EQ(s.size(), 127u);
  EXPECT_EQ(s.substr(0, 24) + s.back(), std::string(23, 'n') + "?\n");
}

TEST(Chartline, ReaderColumnsAndRefusals) {
  // The edges of every range, written back as they were read.
  const std::string hi = patched(23, "Dec 31, 240011:59:00 PM    -12:59179E59'00 89S59'00");
  const std::string lo = patched(23, "Jan 01, 160012:00:00 AM    +00:00000W00'00 00N00'00");
  for (const std::string& line : {hi, lo}) EXPECT_EQ(written(readchartline(line).rec), line + "\n");
  // clang-format off
  const struct { std::string line, outcome; } cases[] = {
      {example + "\r\n", "Mar 14, 1987 18:05 Zone: -1:00"},
      {example.substr(0, 74) + "\n", "Mar 14, 1987 18:05 Zone: -1:00"},  // the shortest line
      {hi, "Dec 31, 2400 23:59 Zone: -12:59"},
      {lo, "Jan 1, 1600 00:00 Zone: 00:00"},
      {patched(23, "dec"), "Dec 14, 1987 18:05 Zone: -1:00"},
      {patched(23, "MAR"), "Mar 14, 1987 18:05 Zone: -1:00"},
      {patched(23, "Feb 29, 2000"), "Feb 29, 2000 18:05 Zone: -1:00"},
      {patched(23, "Mar 31"), "Mar 31, 1987 18:05 Zone: -1:00"},
      {"", "line is empty"},
      {example.substr(0, 73) + "\r\n", "line is too short (73 bytes, a chart line has 99)"},
      {patched(23, "Xyz"), "unknown month \"Xyz\""},
      {patched(23, "\xc3\xa9\""), "unknown month \"\\xc3\\xa9\\x22\""},
      {std::string(99, '\0'), "unknown month \"\\x00\\x00\\x00\""},
      // An editor's byte-order mark is named; a name that starts with U+FEFF is no mark.
      {"\xEF\xBB\xBF" + example,
       "line starts with a UTF-8 byte-order mark (EF BB BF): save the file without it"},
      {"\xEF\xBB\xBF\n", "line starts with a UTF-8 byte-order mark (EF BB BF): save the file without it"},
      {"\xEF\xBB\xBF" + example.substr(3), "Mar 14, 1987 18:05 Zone: -1:00"},
      {patched(31, "1599"), "year 1599 is outside 1600-2400"},
      {patched(31, "2401"), "year 2401 is outside 1600-2400"},
      {patched(31, "999999999999"), "year 21474836 is outside 1600-2400"},
      {patched(27, "00"), "day 0 is outside 1-31"},
      {patched(27, "32"), "day 32 is outside 1-31"},
      {patched(23, "Feb 29, 1900"), "Feb 29 is not a date in 1900"},
      {patched(23, "Feb 30, 2000"), "Feb 30 is not a date in 2000"},
      {patched(23, "Apr 31"), "Apr 31 is not a date: the month has 30 days"},
      {patched(23, "Jun 31"), "Jun 31 is not a date: the month has 30 days"},
      {patched(23, "Sep 31"), "Sep 31 is not a date: the month has 30 days"},
      {patched(23, "Nov 31"), "Nov 31 is not a date: the month has 30 days"},
      {patched(35, "13"), "hour 25 (13 PM) is outside 0-23"},
      {patched(35, "24:05:00 AM"), "hour 24 (24 AM) is outside 0-23"},
      {patched(38, "60"), "minute 60 is outside 0-59"},
      {patched(51, "13"), "zone hour 13 is outside 0-12"},
      {patched(54, "60"), "zone minute 60 is outside 0-59"},
      {patched(56, "180"), "longitude degree 180 is outside 0-179"},
      {patched(60, "60"), "longitude minute 60 is outside 0-59"},
      {patched(66, "90"), "latitude degree 90 is outside 0-89"},
      {patched(69, "60"), "latitude minute 60 is outside 0-59"},
      {patched(27, "40, 1500"), "year 1500 is outside 1600-2400"},  // the first in order
  };
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(readout(c.line), c.outcome);
  // The place may be missing, cut short or followed by more bytes; a view
  // into a larger buffer is never read past its end.
  const std::string longplace = patched(75, "Abcdefghijklmnopqrstuvwxyz");
  // clang-format off
  const struct { std::string_view line; const char* place; } places[] = {
      {std::string_view(example.data(), 74), "                       "},
      {std::string_view(example.data(), 76), "S                      "},
      {std::string_view(example.data(), 80), "Sampl                  "},
      {longplace, "Abcdefghijklmnopqrstuvw"},
  };
  // clang-format on
  for (const auto& c : places) EXPECT_STREQ(readchartline(c.line).rec.place, c.place);
}

TEST(Chartline, RoundTripOverTheDialogRanges) {
  // A fixed pseudo-random walk over records within the dialog's ranges, texts
  // included; zone and coordinates often zero, with their signs or not.
  unsigned x = 12345;
  auto next = [&x](int n) { return static_cast<int>(((x = x * 1103515245u + 12345u) >> 8) % n); };
  const int mdays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int i = 0; i < 20000 && !HasFailure(); ++i) {
    birthdata b;
    for (char* text : {b.name, b.place})
      for (int k = 0, n = next(24); k < n; ++k)
        text[k] = static_cast<char>(next(2) ? ' ' + next(95) : 0x80 + next(128));
    b.year = 1600 + next(801);
    b.mon = 1 + next(12);
    b.day = 1 + next(mdays[b.mon - 1] + (b.mon == 2 && isleap(b.year)));
    b.hour = next(24);
    b.min = next(60);
    int* fields[] = {&b.zhour, &b.zmin, &b.londg, &b.lonmn, &b.latdg, &b.latmn};
    const int ranges[] = {13, 60, 180, 60, 90, 60};
    for (int f = 0; f < 6; ++f) *fields[f] = next(4) ? next(ranges[f]) : 0;
    b.zeast = next(2), b.loneast = next(2), b.latsouth = next(2);
    derive(b);
    std::string s = written(b);
    lineread r = readchartline(s);
    // Texts come back blank-filled; a sign set on a zero value comes back cleared.
    ASSERT_TRUE(r.ok) << r.why << "\n" << s;
    ASSERT_EQ(s.size(), 100u) << s;
    ASSERT_EQ(written(r.rec), s);
    ASSERT_EQ(r.rec.zone, b.zone) << s;
    ASSERT_EQ(r.rec.lon, b.lon) << s;
    ASSERT_EQ(r.rec.lat, b.lat) << s;
    ASSERT_EQ(r.rec.zeast, b.zeast && b.zone != 0) << s;
    ASSERT_EQ(r.rec.dtstr, dateof(b)) << s;
  }
}

TEST(Entries, ChecksInTheDialogsOrder) {
  // The reader's table above checks every range edge of the shared checks;
  // here each of the dialog's messages, from fields read as plain decimals.
  // clang-format off
  const struct { std::string entries::*text; const char* value; std::string message; } cases[] = {
      {&entries::year, "99999999999", "Enter year between\n1600-2400."},
      {&entries::day, "", "Enter day between\n1-31"},
      {&entries::day, "29", "Invalid February date"},  // month item 1, 2001
      {&entries::day, "31", "There are only 30 days\nin this month"},  // item 10
      {&entries::hour, "24", "Enter hour between\n0-23"},
      {&entries::min, "60", "Enter minute between\n0-59"},
      {&entries::zhour, "13", "Enter zone hour between\n0-12"},
      {&entries::zmin, "60", "Enter zone minute between\n0-59"},
      {&entries::lond, "180", "Enter longitude degree\nbetween 0-179"},
      {&entries::lonm, "60", "Enter longitude minute\nbetween 0-59"},
      {&entries::latd, "-1", "Enter latitude degree\nbetween 0-89"},
      {&entries::latm, "60", "Enter latitude minute\nbetween 0-59"},
  };
  // clang-format on
  entries ok;
  ok.year = "2001";
  ok.day = "09";  // leading zeros are decimal
  ok.mon = 12;    // no month chosen reads as "Jan"
  EXPECT_EQ(checkentries(ok), nullptr);
  EXPECT_STREQ(commitentries(ok).dtstr, "Jan 9, 2001 00:00 Zone: 00:00");
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    entries e = ok;
    e.mon = i == 2 ? 1 : i == 3 ? 10 : 0;
    e.*cases[i].text = cases[i].value;
    EXPECT_STREQ(checkentries(e), cases[i].message.c_str()) << i;
  }
}

TEST(Entries, CommitAndEditMode) {
  // clang-format off
  const struct { const char* text; int v; } ints[] = {
      {"", 0}, {"08", 8}, {"0x1A", 0}, {" \t+7", 7}, {"-5", -5}, {"12abc", 12}, {"-", 0},
      {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}, {"-99999999999999999999", INT_MIN}};
  // clang-format on
  for (const auto& c : ints) EXPECT_EQ(readdecimal(c.text), c.v) << c.text;
  // Texts lose control characters and keep at most 23 bytes, never half a
  // UTF-8 character.
  // clang-format off
  entries e{"A\tB\nC\x7f" "D\x01" "E\r",
            "Zo\xc3\xab M\xc3\xbcller \xe6\x9d\xb1\xe4\xba\xac\xe5\xb8\x82\xe5\xb8\x82",
            2, "14", "1987", "18", "05", 1, "1", "", "12", 1, "30", "41", 0, "54"};
  // clang-format on
  ASSERT_EQ(checkentries(e), nullptr);
  birthdata b = commitentries(e);
  EXPECT_STREQ(b.name, "A B C D E ");
  EXPECT_STREQ(b.place, "Zo\xc3\xab M\xc3\xbcller \xe6\x9d\xb1\xe4\xba\xac\xe5\xb8\x82");
  // clang-format off
  const struct { const char* typed; const char* kept; } cuts[] = {
      {"\xe0\xa4\x85\xe0\xa4\xb0\xe0\xa5\x8d\xe0\xa4\x9c\xe0\xa5\x81\xe0\xa4\xa8 \xe0\xa4\x95"
       "\xe0\xa5\x81\xe0\xa4\xae\xe0\xa4\xbe\xe0\xa4\xb0",
       "\xe0\xa4\x85\xe0\xa4\xb0\xe0\xa5\x8d\xe0\xa4\x9c\xe0\xa5\x81\xe0\xa4\xa8 \xe0\xa4\x95"},
      {"aa\xf0\x9f\x98\x80\xf0\x9f\x98\x80\xf0\x9f\x98\x80\xf0\x9f\x98\x80\xf0\x9f\x98\x80\xf0\x9f\x98\x80",
       "aa\xf0\x9f\x98\x80\xf0\x9f\x98\x80\xf0\x9f\x98\x80\xf0\x9f\x98\x80\xf0\x9f\x98\x80"},
      {"abcdefghijklmnopqrstuv\xc3\xa9", "abcdefghijklmnopqrstuv"},
      {"abcdefghijklmnopqrstu\xc3\xa9x", "abcdefghijklmnopqrstu\xc3\xa9"},
      {"abcdefghijklmnopqrst\xf0\x9f\x98\x80", "abcdefghijklmnopqrst"},  // 3 bytes back
      // A byte outside valid UTF-8 is a character of its own.
      {"abcdefghijklmnopqrstu\xc3\xa9\x80", "abcdefghijklmnopqrstu\xc3\xa9"},
      {"abcdefghijklmnopqrstuv\xe0\xa4", "abcdefghijklmnopqrstuv\xe0"}};
  // clang-format on
  for (const auto& c : cuts) {
    e.name = c.typed;
    EXPECT_STREQ(commitentries(e).name, c.kept) << c.typed;
  }
  EXPECT_EQ(written(b).substr(23, 52), example.substr(23, 52));
  EXPECT_STREQ(b.dtstr, "Mar 14, 1987 18:05 Zone: -1:00");
  EXPECT_EQ(b.zone, -1.0);
  EXPECT_EQ(b.lon, -12.5);
  EXPECT_EQ(b.lat, 41.9);
  // Edit mode shows a record again, integers without leading zeros; a loaded
  // record keeps its blanks, and a month outside 1..12 shows as "Jan".
  entries shown = entriesof(readchartline(example).rec);
  EXPECT_EQ(written(commitentries(shown)), example + "\n");
  EXPECT_EQ(shown.min, "5");
  EXPECT_EQ(shown.zmin, "0");
  EXPECT_EQ(shown.mon, 2);
  EXPECT_EQ(shown.zone, 1);
  EXPECT_EQ(shown.lonew, 1);
  EXPECT_EQ(shown.latns, 0);
  EXPECT_EQ(shown.place, "Sample Town            ");
  b.mon = 0;
  EXPECT_EQ(entriesof(b).mon, 0);
}

TEST(Escape, ThreeWays) {
  const std::string fffd = "\xef\xbf\xbd";
  // clang-format off
  const struct { std::string in; escapes how; std::string want; } cases[] = {
      {std::string("a\0\x1f\x7f\"\\\xc3\xa9~", 9), escapes::control, "a\\x00\\x1f\\x7f\"\\\xc3\xa9~"},
      {std::string("a\0\x1f\x7f\"\\\xc3\xa9~", 9), escapes::ascii,
       "a\\x00\\x1f\\x7f\\x22\\x5c\\xc3\\xa9~"},
      {std::string("a\"b\\c\0\t\n\x1f\x7f", 10), escapes::json,
       "a\\\"b\\\\c\\u0000\\u0009\\u000a\\u001f\x7f"},
      // A character's bytes end where its length says: what follows is escaped.
      {"\xc3\xa9\"\xe2\x82\xac\x01\xf0\x9f\x98\x80\\", escapes::json,
       "\xc3\xa9\\\"\xe2\x82\xac\\u0001\xf0\x9f\x98\x80\\\\"},
      // Every edge of UTF-8: shortest forms, surrogates, U+10FFFF, cut sequences.
      {"\xc2\x80 \xdf\xbf \xe0\xa0\x80 \xed\x9f\xbf \xee\x80\x80 \xef\xbf\xbf", escapes::json,
       "\xc2\x80 \xdf\xbf \xe0\xa0\x80 \xed\x9f\xbf \xee\x80\x80 \xef\xbf\xbf"},
      {"\xf0\x90\x80\x80 \xf1\x80\x80\x80 \xf4\x8f\xbf\xbf", escapes::json,
       "\xf0\x90\x80\x80 \xf1\x80\x80\x80 \xf4\x8f\xbf\xbf"},
  };
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(escapebytes(c.in, c.how), c.want) << c.in;
  // Each byte that begins no valid sequence becomes U+FFFD: overlong forms
  // (the first two too), a surrogate, past U+10FFFF, cut short, stray bytes.
  for (std::string bad :
       {"\xc1\xbf", "\xe0\x9f\xbf", "\xf0\x8f\xbf\xbf", "\xed\xa0\x80", "\xf4\x90\x80\x80",
        "\xf5\x80\x80\x80", "\xe2\x82", "\xf0\x9f\x98", "\x80\xff"}) {
    std::string want;
    for (std::size_t i = 0; i < bad.size(); ++i) want += fffd;
    EXPECT_EQ(escapebytes("x" + bad + "\xc3\xa9", escapes::json), "x" + want + "\xc3\xa9") << bad;
  }
}
