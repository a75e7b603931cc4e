// vornak-chart's import of births from CSV and its list of places, on the
// atlas of libtimezonemap-data and Debian's tzdata: each row's chart line or
// reason, the header's, and the places as --find writes them.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "atlas/csvimport.h"
#include "atlas/findlist.h"

namespace {

struct run {
  std::string out, err;
  int status;
};

run import(const std::string& csv) {
  std::istringstream in(csv);
  std::ostringstream out, err;
  const int status = importcsv(in, out, err, worldatlas());
  return {out.str(), err.str(), status};
}

const char* const header = "name,date,time,place,lon,lat,zone,dst\n";

TEST(importcsv, rowsgivechartlines) {
  const struct {
    const char* row;
    const char* line;
  } cases[] = {
      {"Ramesh,1943-08-12,06:35,Madras,,,,",  // an alternate name; war time
       "Ramesh                 Aug 12, 194306:35:00 AM    -06:30080E17'00 13N05'00 Chennai"
       "                 \n"},
      {"\"Rao, K. N.\",1990-07-04,14:10,\"New York, NY\",,,,",  // quoted commas, a state code
       "Rao, K. N.             Jul 04, 199002:10:00 PM    +04:00074W00'00 40N43'00 New York City"
       "           \n"},
      {"Sp,1990-01-01,9:00,\"Springfield, Illinois\",,,,",
       "Sp                     Jan 01, 199009:00:00 AM    +06:00089W39'00 39N48'00 Springfield"
       "             \n"},
      // Overrides: lon gives the mean time before standard time; all three
      // given keep the place as typed, whether the atlas has it or not.
      {"Kol,1850-03-01,12:00,Kolkata,80E17,,,",
       "Kol                    Mar 01, 185012:00:00 PM    -05:21080E17'00 22N34'00 Kolkata"
       "                 \n"},
      {"Vil,1987-03-14,18:05,\"Kothrud, Pune, IN\",73w48,18n30,+ 05:30,",
       "Vil                    Mar 14, 198706:05:00 PM    +05:30073W48'00 18N30'00 Kothrud"
       "                 \n"},
      // A time that came twice, by dst: yes the clock ahead, no the other.
      {"Y,2021-11-07,01:30,New York,,,,yes",
       "Y                      Nov 07, 202101:30:00 AM    +04:00074W00'00 40N43'00 New York City"
       "           \n"},
      {"N,2021-11-07,01:30,New York,,,,No",
       "N                      Nov 07, 202101:30:00 AM    +05:00074W00'00 40N43'00 New York City"
       "           \n"},
  };
  for (const auto& c : cases) {
    const run r = import(std::string(header) + c.row + "\r\n");
    EXPECT_EQ(r.out, c.line) << c.row;
    EXPECT_EQ(r.err, "") << c.row;
    EXPECT_EQ(r.status, 0) << c.row;
  }
}

TEST(importcsv, badrowsarerefusedwiththeirreason) {
  const struct {
    const char* row;
    const char* why;
  } cases[] = {
      {"Short,1990-01-01,12:00", "it has 3 fields, the header 8"},
      {"B,14/03/1987,12:00,Pune,,,,", "date \"14/03/1987\" is not YYYY-MM-DD"},
      {"B,1987-13-01,12:00,Pune,,,,", "date \"1987-13-01\": month 13 is outside 1-12"},
      {"B,1500-01-01,12:00,Pune,,,,", "year 1500 is outside 1600-2400"},
      {"B,1900-02-29,12:00,Pune,,,,", "Feb 29 is not a date in 1900"},
      {"B,1990-01-01,6.05,Pune,,,,", "time \"6.05\" is not HH:MM"},
      {"B,1990-01-01,12:00,Pune,80.27,,,", "lon \"80.27\" is not like 80E17 or 74W00"},
      {"B,1990-01-01,12:00,Pune,,,5:30,",
       "zone \"5:30\" is not like -05:30 or +05:00 (\"-\" east of Greenwich)"},
      {"B,1990-01-01,12:00,Pune,,,,maybe", "dst \"maybe\" is not yes or no"},
      {"B,1990-01-01,12:00,Xyzzyville,,,,",
       "place \"Xyzzyville\" is not in the atlas (places of 15,000 people or more): give lon, "
       "lat and zone"},
      {"B,2021-03-14,02:30,New York,,,,",
       "There was no 02:30 on 14 Mar 2021 in America/New_York: at 02:00 the clocks moved "
       "forward to 03:00, from EST (standard time + 05:00) to EDT (daylight time + 04:00)."},
      {"B,2021-11-07,01:30,New York,,,,",
       "01:30 on 7 Nov 2021 came twice in America/New_York: at 02:00 the clocks moved back to "
       "01:00, from EDT (daylight time + 04:00) to EST (standard time + 05:00). Choose which "
       "of the two it was. Give dst: yes for daylight time + 04:00, no for standard time + "
       "05:00."},
      {"B,2015-06-01,10:00,Apia,,,,",
       "Zone - 13:00 (Pacific/Apia, standard time) is beyond the 12 hours that a chart holds: "
       "enter the time in Universal Time, May 31, 2015 21:00, with zone + 00:00."},
      {"\"B,1990-01-01,12:00,Pune,,,,", "a quote that is not closed"},
  };
  for (const auto& c : cases) {
    // The good row after the bad one is still imported.
    const run r = import(std::string(header) + c.row + "\nG,1990-01-01,12:00,Pune,,,,\n");
    EXPECT_EQ(r.err, std::string("row 2: ") + c.why + "\n") << c.row;
    EXPECT_EQ(r.out.size(), c.why == std::string("a quote that is not closed") ? 0u : 100u);
    EXPECT_EQ(r.status, 1) << c.row;
  }
}

TEST(importcsv, headernamesthecolumns) {
  // clang-format off
  const struct {
    const char* csv;
    const char* err;
    int lines;
  } cases[] = {
    // Any order, any case, blanks and a byte-order mark; empty rows skipped.
    {"\xEF\xBB\xBF Place ,TIME,Date,name\nPune,12:00,1990-01-01,A\n\n\"Pune\",12:00,1990-01-01,B",
     "", 2},
    {"name,date,time\nA,1990-01-01,12:00\n",
     "row 1: the header has no column place (it needs name, date, time and place)\n", 0},
    {"name,date,time,place,latitude\nA,1990-01-01,12:00,Pune,18N31\n",
     "row 1: the header's column \"latitude\" is none of name, date, time, place, lon, lat, "
     "zone, dst\n", 0},
    {"name,date,time,place,Name\n", "row 1: the header names the column name twice\n", 0},
    {"", "the input is empty: it needs a header row naming the columns name, date, time and "
         "place\n", 0},
  };
  // clang-format on
  for (const auto& c : cases) {
    const run r = import(c.csv);
    EXPECT_EQ(r.err, c.err) << c.csv;
    EXPECT_EQ(r.out.size(), 100u * c.lines) << c.csv;
    EXPECT_EQ(r.status, c.lines ? 0 : 1) << c.csv;
  }
}

TEST(findlist, textandjson) {
  const place* p = worldatlas().lookup("Sao Paulo");
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(findline(*p), "São Paulo, Brazil  46W38 23S33  America/Sao_Paulo  10021295\n");
  EXPECT_EQ(findjson(*p),
            "{\"name\":\"São Paulo\",\"state\":\"São Paulo\",\"country\":\"Brazil\","
            "\"lat\":-23.5475,\"lon\":-46.63611,\"tz\":\"America/Sao_Paulo\","
            "\"population\":10021295}\n");
}

}  // namespace
