// The chart data dialog's checks and commit.
#include "app/entrycheck.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

// A New dialog with only the year and the day filled in.
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

const std::string badyear = "Enter year between\n1600-2400.";
const std::string badfeb = "Invalid February date";
const std::string only30 = "There are only 30 days\nin this month";

}  // namespace

TEST(Readint, PlainDecimal) {
  EXPECT_EQ(readint(""), 0);
  EXPECT_EQ(readint("0"), 0);
  EXPECT_EQ(readint("08"), 8);
  EXPECT_EQ(readint("09"), 9);
  EXPECT_EQ(readint("010"), 10);
  EXPECT_EQ(readint("0x1A"), 0);
  EXPECT_EQ(readint("  42"), 42);
  EXPECT_EQ(readint("+7"), 7);
  EXPECT_EQ(readint("-5"), -5);
  EXPECT_EQ(readint("12abc"), 12);
  EXPECT_EQ(readint("abc"), 0);
  EXPECT_EQ(readint("-"), 0);
  EXPECT_EQ(readint("2147483647"), INT_MAX);
  EXPECT_EQ(readint("-2147483648"), INT_MIN);
  EXPECT_EQ(readint("99999999999"), INT_MAX);
  EXPECT_EQ(readint("-99999999999999999999999"), INT_MIN);
}

TEST(Checkentries, Year) {
  EXPECT_EQ(check(dated("1600", "1")), "pass");
  EXPECT_EQ(check(dated("2400", "1")), "pass");
  EXPECT_EQ(check(dated("1599", "1")), badyear);
  EXPECT_EQ(check(dated("2401", "1")), badyear);
  EXPECT_EQ(check(dated("", "1")), badyear);
  EXPECT_EQ(check(dated("99999999999", "1")), badyear);
  EXPECT_EQ(check(dated("-99999999999", "1")), badyear);
  EXPECT_EQ(check(dated("4294969296", "1")), badyear);  // 2000 + 2^32
  // Only the first failing check is reported.
  EXPECT_EQ(check(dated("1500", "40")), badyear);
}

TEST(Checkentries, DayAndMonth) {
  EXPECT_EQ(check(dated("2001", "")), "Enter day between\n1-31");
  EXPECT_EQ(check(dated("2001", "0")), "Enter day between\n1-31");
  EXPECT_EQ(check(dated("2001", "32")), "Enter day between\n1-31");
  EXPECT_EQ(check(dated("2001", "31", 0)), "pass");
  EXPECT_EQ(check(dated("2000", "29", 1)), "pass");
  EXPECT_EQ(check(dated("2004", "29", 1)), "pass");
  EXPECT_EQ(check(dated("1900", "29", 1)), badfeb);
  EXPECT_EQ(check(dated("2001", "29", 1)), badfeb);
  EXPECT_EQ(check(dated("2001", "28", 1)), "pass");
  for (const char* year : {"1600", "1900", "2000", "2001"})
    EXPECT_EQ(check(dated(year, "30", 1)), badfeb) << year;
  for (int mon : {3, 5, 8, 10}) {
    EXPECT_EQ(check(dated("2001", "31", mon)), only30) << mon;
    EXPECT_EQ(check(dated("2001", "30", mon)), "pass") << mon;
  }
  for (int mon : {0, 2, 4, 6, 7, 9, 11})
    EXPECT_EQ(check(dated("2001", "31", mon)), "pass") << mon;
  // The day's own range comes before the month's.
  EXPECT_EQ(check(dated("2001", "32", 1)), "Enter day between\n1-31");
}

TEST(Checkentries, TimeZoneAndCoordinates) {
  struct field {
    std::string entries::*text;
    int hi;
    std::string message;
  };
  const field fields[] = {
      {&entries::hour, 23, "Enter hour between\n0-23"},
      {&entries::min, 59, "Enter minute between\n0-59"},
      {&entries::zhour, 12, "Enter zone hour between\n0-12"},
      {&entries::zmin, 59, "Enter zone minute between\n0-59"},
      {&entries::lond, 179, "Enter longitude degree\nbetween 0-179"},
      {&entries::lonm, 59, "Enter longitude minute\nbetween 0-59"},
      {&entries::latd, 89, "Enter latitude degree\nbetween 0-89"},
      {&entries::latm, 59, "Enter latitude minute\nbetween 0-59"},
  };
  for (const field& f : fields) {
    entries e = dated("2000", "1");
    e.*f.text = std::to_string(f.hi);
    EXPECT_EQ(check(e), "pass") << f.message;
    e.*f.text = "0";
    EXPECT_EQ(check(e), "pass") << f.message;
    e.*f.text = std::to_string(f.hi + 1);
    EXPECT_EQ(check(e), f.message);
    e.*f.text = "-1";
    EXPECT_EQ(check(e), f.message);
    e.*f.text = "99999999999";
    EXPECT_EQ(check(e), f.message);
  }
  // In the table's order: every later field bad, the earliest is named.
  entries e = dated("2000", "1");
  for (const field& f : fields) e.*f.text = "-5";
  for (const field& f : fields) {
    EXPECT_EQ(check(e), f.message);
    e.*f.text = "0";
  }
  EXPECT_EQ(check(e), "pass");
  // Leading zeros are decimal: 08 and 09 are minutes like any other.
  e.min = "09";
  e.zmin = "08";
  EXPECT_EQ(check(e), "pass");
}

TEST(Commitentries, NewWithOnlyYearAndDay) {
  birthdata b = commitentries(dated("2000", "5"));
  EXPECT_STREQ(b.name, "");
  EXPECT_STREQ(b.place, "");
  EXPECT_EQ(b.mon, 1);
  EXPECT_EQ(b.day, 5);
  EXPECT_EQ(b.year, 2000);
  EXPECT_EQ(b.hour, 0);
  EXPECT_EQ(b.min, 0);
  EXPECT_FALSE(b.zeast || b.loneast || b.latsouth);
  EXPECT_EQ(b.zone, 0.0);
  EXPECT_EQ(b.lon, 0.0);
  EXPECT_EQ(b.lat, 0.0);
  EXPECT_STREQ(b.dtstr, "Jan 5, 2000 00:00 Zone: 00:00");
}

TEST(Commitentries, EveryField) {
  entries e;
  e.name = "Example Person";
  e.place = "Sample Town";
  e.mon = 2;
  e.day = "14";
  e.year = "1987";
  e.hour = "18";
  e.min = "05";
  e.zone = 1;
  e.zhour = "1";
  e.zmin = "0";
  e.lond = "12";
  e.lonew = 1;
  e.lonm = "30";
  e.latd = "41";
  e.latns = 0;
  e.latm = "54";
  ASSERT_EQ(checkentries(e), nullptr);
  birthdata b = commitentries(e);
  EXPECT_STREQ(b.name, "Example Person");
  EXPECT_STREQ(b.place, "Sample Town");
  EXPECT_EQ(b.mon, 3);
  EXPECT_EQ(b.min, 5);
  EXPECT_TRUE(b.zeast);
  EXPECT_DOUBLE_EQ(b.zone, -1.0);
  EXPECT_TRUE(b.loneast);
  EXPECT_DOUBLE_EQ(b.lon, -12.5);
  EXPECT_FALSE(b.latsouth);
  EXPECT_DOUBLE_EQ(b.lat, 41.9);
  EXPECT_STREQ(b.dtstr, "Mar 14, 1987 18:05 Zone: -1:00");

  // The edit mode shows it again, integers without leading zeros.
  entries shown = entriesof(b);
  EXPECT_EQ(shown.name, e.name);
  EXPECT_EQ(shown.place, e.place);
  EXPECT_EQ(shown.mon, 2);
  EXPECT_EQ(shown.min, "5");
  EXPECT_EQ(shown.zone, 1);
  EXPECT_EQ(shown.lonew, 1);
  EXPECT_EQ(shown.latns, 0);
  EXPECT_EQ(shown.latm, "54");
  birthdata again = commitentries(shown);
  EXPECT_EQ(std::string(again.dtstr), b.dtstr);
  EXPECT_EQ(again.lon, b.lon);
}

TEST(Commitentries, TextsCutAndCleaned) {
  entries e = dated("2000", "1");
  e.name = "A\tB\nC\x7f" "D\x01" "E\r";
  e.place = "A place name longer than twenty-three bytes";
  birthdata b = commitentries(e);
  EXPECT_STREQ(b.name, "A B C D E ");
  EXPECT_STREQ(b.place, "A place name longer tha");
  // Bytes of other characters are kept, and cut as bytes.
  e.name = "Zo\xc3\xab M\xc3\xbcller \xe6\x9d\xb1\xe4\xba\xac\xe5\xb8\x82\xe5\xb8\x82";
  b = commitentries(e);
  EXPECT_STREQ(b.name, "Zo\xc3\xab M\xc3\xbcller \xe6\x9d\xb1\xe4\xba\xac\xe5\xb8\x82\xe5");
}

TEST(Entriesof, LoadedRecordAndOddMonth) {
  birthdata b;
  copytext(b.name, "Loaded name            ");
  b.mon = 0;
  b.latsouth = true;
  entries e = entriesof(b);
  EXPECT_EQ(e.name, "Loaded name            ");
  EXPECT_EQ(e.mon, 0);
  EXPECT_EQ(e.latns, 1);
  EXPECT_EQ(e.year, "2000");
}
