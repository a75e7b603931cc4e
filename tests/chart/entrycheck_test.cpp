// The chart data dialog's checks and commit.
#include "chart/entrycheck.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

// A New dialog with only the year, the day and the month filled in.
entries dated(const char* year, const char* day, int mon = 0) {
  entries e;
  e.year = year;
  e.day = day;
  e.mon = mon;
  return e;
}

std::string check(const entries& e) {
  const char* m = checkentries(e);
  return m ? m : "pass";
}

}  // namespace

TEST(Readint, PlainDecimal) {
  const struct { const char* text; int v; } cases[] = {
      {"", 0},         {"08", 8},     {"010", 10},    {"0x1A", 0},
      {"  42", 42},    {"+7", 7},     {"-5", -5},     {"12abc", 12},
      {"abc", 0},      {"-", 0},      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},       {"99999999999", INT_MAX},
      {"-99999999999999999999999", INT_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(readint(c.text), c.v) << c.text;
}

TEST(Checkentries, YearDayAndMonth) {
  const std::string year = "Enter year between\n1600-2400.",
                    day = "Enter day between\n1-31",
                    feb = "Invalid February date",
                    only30 = "There are only 30 days\nin this month";
  // Year, day, month item (0 "Jan" .. 11 "Dec"), message.
  const struct { const char *year, *day; int mon; std::string message; }
  cases[] = {
      {"1600", "1", 0, "pass"},   {"2400", "1", 0, "pass"},
      {"1599", "1", 0, year},     {"2401", "1", 0, year},
      {"", "1", 0, year},         {"99999999999", "1", 0, year},
      {"1500", "40", 0, year},    // only the first failing check is reported
      {"2001", "", 0, day},       {"2001", "0", 0, day},
      {"2001", "32", 1, day},     {"2000", "29", 1, "pass"},
      {"2004", "29", 1, "pass"},  {"2001", "28", 1, "pass"},
      {"1900", "29", 1, feb},     {"2001", "29", 1, feb},
      {"2000", "30", 1, feb},     {"2001", "30", 1, feb},
      {"2001", "31", 3, only30},  {"2001", "31", 5, only30},
      {"2001", "31", 8, only30},  {"2001", "31", 10, only30},
      {"2001", "30", 3, "pass"},  {"2001", "31", 2, "pass"},
      {"2001", "31", 4, "pass"},  {"2001", "31", 7, "pass"},
      {"2001", "31", 11, "pass"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(check(dated(c.year, c.day, c.mon)), c.message)
        << c.year << " " << c.day << " " << c.mon;
}

TEST(Checkentries, TimeZoneAndCoordinatesInOrder) {
  const struct { std::string entries::*text; int hi; std::string message; }
  fields[] = {
      {&entries::hour, 23, "Enter hour between\n0-23"},
      {&entries::min, 59, "Enter minute between\n0-59"},
      {&entries::zhour, 12, "Enter zone hour between\n0-12"},
      {&entries::zmin, 59, "Enter zone minute between\n0-59"},
      {&entries::lond, 179, "Enter longitude degree\nbetween 0-179"},
      {&entries::lonm, 59, "Enter longitude minute\nbetween 0-59"},
      {&entries::latd, 89, "Enter latitude degree\nbetween 0-89"},
      {&entries::latm, 59, "Enter latitude minute\nbetween 0-59"},
  };
  for (const auto& f : fields) {
    entries e = dated("2000", "1");
    for (std::string ok : {std::to_string(f.hi), std::string("0")}) {
      e.*f.text = ok;
      EXPECT_EQ(check(e), "pass") << f.message;
    }
    for (std::string bad : {std::to_string(f.hi + 1), std::string("-1")}) {
      e.*f.text = bad;
      EXPECT_EQ(check(e), f.message) << bad;
    }
  }
  // Every field bad: the earliest in the table's order is named.
  entries e = dated("2000", "1");
  for (const auto& f : fields) e.*f.text = "-5";
  for (const auto& f : fields) {
    EXPECT_EQ(check(e), f.message);
    e.*f.text = "0";
  }
  // Leading zeros are decimal: 08 and 09 are minutes like any other.
  e.min = "09";
  e.zmin = "08";
  EXPECT_EQ(check(e), "pass");
}

TEST(Commitentries, NewWithOnlyYearAndDay) {
  birthdata b = commitentries(dated("2000", "5"));
  EXPECT_STREQ(b.name, "");
  EXPECT_STREQ(b.place, "");
  EXPECT_STREQ(b.dtstr, "Jan 5, 2000 00:00 Zone: 00:00");
  EXPECT_FALSE(b.zeast || b.loneast || b.latsouth);
  EXPECT_TRUE(b.zone == 0 && b.lon == 0 && b.lat == 0);
}

TEST(Commitentries, EveryFieldAndEditModeAgain) {
  // In the dialog's order: texts, date, time, zone, longitude, latitude.
  entries e{"Example Person", "Sample Town", 2, "14", "1987", "18", "05",
            1, "1", "", "12", 1, "30", "41", 0, "54"};
  ASSERT_EQ(checkentries(e), nullptr);
  birthdata b = commitentries(e);
  EXPECT_STREQ(b.name, "Example Person");
  EXPECT_STREQ(b.place, "Sample Town");
  EXPECT_STREQ(b.dtstr, "Mar 14, 1987 18:05 Zone: -1:00");
  EXPECT_TRUE(b.zeast && b.loneast && !b.latsouth);
  EXPECT_DOUBLE_EQ(b.zone, -1.0);
  EXPECT_DOUBLE_EQ(b.lon, -12.5);
  EXPECT_DOUBLE_EQ(b.lat, 41.9);
  // Edit mode shows it again, integers without leading zeros.
  entries shown = entriesof(b);
  EXPECT_EQ(shown.name, e.name);
  EXPECT_EQ(shown.place, e.place);
  EXPECT_EQ(shown.min, "5");
  EXPECT_TRUE(shown.mon == 2 && shown.zone == 1 && shown.lonew == 1 &&
              shown.latns == 0);
  birthdata again = commitentries(shown);
  EXPECT_STREQ(again.dtstr, b.dtstr);
  EXPECT_TRUE(again.lon == b.lon && again.lat == b.lat);
  // A loaded record keeps its blanks; a month outside 1..12 shows as "Jan".
  copytext(b.name, "Loaded name            ");
  b.mon = 0;
  shown = entriesof(b);
  EXPECT_EQ(shown.name, "Loaded name            ");
  EXPECT_EQ(shown.mon, 0);
}

TEST(Commitentries, TextsCutAndCleaned) {
  entries e = dated("2000", "1");
  e.name = "A\tB\nC\x7f" "D\x01" "E\r";
  e.place = "A place name longer than twenty-three bytes";
  birthdata b = commitentries(e);
  EXPECT_STREQ(b.name, "A B C D E ");
  EXPECT_STREQ(b.place, "A place name longer tha");
  // Bytes of other characters are kept, and cut as bytes.
  e.name = "Zo\xc3\xab M\xc3\xbcller "
           "\xe6\x9d\xb1\xe4\xba\xac\xe5\xb8\x82\xe5\xb8\x82";
  EXPECT_STREQ(commitentries(e).name, "Zo\xc3\xab M\xc3\xbcller "
                                      "\xe6\x9d\xb1\xe4\xba\xac\xe5\xb8\x82\xe5");
}
