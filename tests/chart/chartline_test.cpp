// The birth record, the field checks with the dialog's and the reader's
// messages, chart lines written and read, and byte escaping.
#include <gtest/gtest.h>

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "chart/chartline.h"
#include "chart/entrycheck.h"
#include "chart/escape.h"
#include "engine/calendar.h"
#include "tests/golden.h"

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

// What the reader makes of a line: its place and date line, or why it
// refuses it. The line is a view into a longer text, which the reader must
// not read past the line's end.
fields readout(const std::string& line) {
  const std::string text = line + "past the end of the line";
  lineread r = readchartline(std::string_view(text).substr(0, line.size()));
  return r.ok ? fields{r.rec.place, r.rec.dtstr} : fields{r.why};
}

// The dialog's entries from a case's fields, in the order of their struct
// (the four choices as item numbers), and back.
entries entriesfrom(const fields& f) {
  auto n = [&f](int i) { return std::stoi(f[i]); };
  return {f[0], f[1], n(2),  f[3],  f[4],  f[5],  f[6],  n(7),
          f[8], f[9], f[10], n(11), f[12], f[13], n(14), f[15]};
}

fields fieldsof(const entries& e) {
  auto n = [](int item) { return std::to_string(item); };
  return {e.name,  e.place, n(e.mon), e.day,      e.year, e.hour, e.min,      n(e.zone),
          e.zhour, e.zmin,  e.lond,   n(e.lonew), e.lonm, e.latd, n(e.latns), e.latm};
}

// A double as the shortest text that reads back as the same double.
std::string shortest(double v) {
  char s[32];
  return std::string(s, std::to_chars(s, s + sizeof s, v).ptr);
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
  // Numbers outside the ranges keep printf's widths: a sign before the zeros
  // of a zero-filled field, blanks before the sign of the year.
  b.day = -5;
  b.year = -12;
  b.zhour = 123;
  b.londg = -7;
  b.latmn = -1234;
  EXPECT_EQ(written(b).substr(23, 56), "Mar -5,  -1206:05:00 PM    -123:00-07E30'00 41N-1234'00 ");
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
  checktable("chartline-read.txt", 1, [](const fields& in) { return readout(in[0]); });
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

TEST(Entries, ChecksAndCommit) {
  checktable("chart-entries.txt", 16, [](const fields& in) {
    if (const char* alert = checkentries(entriesfrom(in))) return fields{alert};
    birthdata b = commitentries(entriesfrom(in));
    return fields{written(b), b.dtstr,
                  shortest(b.zone) + " " + shortest(b.lon) + " " + shortest(b.lat)};
  });
  checktable("entries-int.txt", 1,
             [](const fields& in) { return fields{std::to_string(readdecimal(in[0].c_str()))}; });
  checktable("entries-cut.txt", 1, [](const fields& in) {
    entries e;
    e.name = in[0];
    return fields{commitentries(e).name};
  });
}

TEST(Entries, TypedTextFits) {
  checktable("fittyped.txt", 2, [](const fields& in) {
    std::size_t cursor = std::stoul(in[1]);
    // A braced list is evaluated in order: the cursor after the cut.
    return fields{fittyped(in[0], cursor), std::to_string(cursor)};
  });
}

TEST(Entries, HalfTypedIsNoChart) {
  checktable("entries-filled.txt", 16, [](const fields& in) {
    const char* why = checkfilled(entriesfrom(in));
    return fields{why ? why : ""};
  });
}

TEST(Entries, EditModeShowsARecord) {
  checktable("chart-shown.txt", 1,
             [](const fields& in) { return fieldsof(entriesof(readchartline(in[0]).rec)); });
}

TEST(Escape, ThreeWays) {
  checktable("escape.txt", 2, [](const fields& in) {
    escapes how = in[1] == "json"    ? escapes::json
                  : in[1] == "ascii" ? escapes::ascii
                                     : escapes::control;
    return fields{escapebytes(in[0], how)};
  });
}
