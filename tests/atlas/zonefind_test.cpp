// The zone of a place at a local time, checked against what `zdump -v`
// prints for the zone (Debian 12's tzdata 2025b).
#include <gtest/gtest.h>

#include <string>

#include "atlas/zonefind.h"

namespace {

struct when {
  const char* tz;
  double lon;  // the place's longitude, east positive
  int year, mon, day, hour, min;
};

struct historical {
  when w;
  int zone;  // minutes to add for UT
  const char* abbr;
  const char* label;
  const char* source;
};

// zdump's gmtoff at each moment, rounded to the minute and negated.
// clang-format off
const historical table[] = {
  // Madras war time: +0630 isdst=1 gmtoff=23400 (1 Sep 1942 to 14 Oct 1945).
  {{"Asia/Kolkata", 80.27847, 1943, 8, 12, 6, 35}, -390, "+0630", "war time - 06:30",
   "Asia/Kolkata, war time"},
  // New York: EDT gmtoff=-14400 from 1 Apr 1990, EST gmtoff=-18000 before.
  {{"America/New_York", -74.00597, 1990, 7, 4, 14, 10}, 240, "EDT", "daylight time + 04:00",
   "America/New_York, daylight time"},
  {{"America/New_York", -74.00597, 1990, 1, 4, 14, 10}, 300, "EST", "standard time + 05:00",
   "America/New_York, standard time"},
  // The first summer time: Berlin CEST gmtoff=7200, 1 May to 1 Oct 1916.
  {{"Europe/Berlin", 13.41053, 1916, 7, 1, 12, 0}, -120, "CEST", "summer time - 02:00",
   "Europe/Berlin, summer time"},
  // Amsterdam's own time: NST gmtoff=4772 (1:19:32) in summer, AMT
  // gmtoff=1172 (0:19:32) in winter.
  {{"Europe/Amsterdam", 4.88969, 1935, 7, 1, 12, 0}, -80, "NST", "summer time - 01:20",
   "Europe/Amsterdam, summer time"},
  {{"Europe/Amsterdam", 4.88969, 1935, 1, 1, 12, 0}, -20, "AMT", "standard time - 00:20",
   "Europe/Amsterdam, standard time"},
  // British double summer time: BDST gmtoff=7200, 4 May to 10 Aug 1941.
  {{"Europe/London", -0.12574, 1941, 7, 1, 12, 0}, -120, "BDST", "double summer time - 02:00",
   "Europe/London, double summer time"},
  // United States war time: EWT gmtoff=-14400 from 9 Feb 1942.
  {{"America/New_York", -74.00597, 1943, 1, 15, 9, 0}, 240, "EWT", "war time + 04:00",
   "America/New_York, war time"},
  // The old rule ended daylight time on the last Sunday of October (29 Oct
  // 2006), the 2007 rule on the first Sunday of November (4 Nov 2007).
  {{"America/New_York", -74.00597, 2006, 11, 2, 12, 0}, 300, "EST", "standard time + 05:00",
   "America/New_York, standard time"},
  {{"America/New_York", -74.00597, 2007, 11, 2, 12, 0}, 240, "EDT", "daylight time + 04:00",
   "America/New_York, daylight time"},
  // Ireland's winter is marked as daylight time (isdst=1 gmtoff=0).
  {{"Europe/Dublin", -6.24889, 2021, 1, 10, 12, 0}, 0, "GMT", "winter time + 00:00",
   "Europe/Dublin, winter time"},
  // Before 28 Jun 1854 Asia/Kolkata is LMT (gmtoff=21208, Calcutta's
  // 5:53:28): each place keeps its own mean time, 4 minutes per degree.
  // Kolkata 88°22' E: 353.47 min; Chennai 80°17' E: 321.13 min.
  {{"Asia/Kolkata", 88.36304, 1850, 3, 1, 12, 0}, -353, "LMT", "local mean time - 05:53",
   "Asia/Kolkata, local mean time at 88E22"},
  {{"Asia/Kolkata", 80.27847, 1850, 3, 1, 12, 0}, -321, "LMT", "local mean time - 05:21",
   "Asia/Kolkata, local mean time at 80E17"},
  // West of Greenwich the mean time is added: New York 74°00' W, 296 min.
  {{"America/New_York", -74.00597, 1850, 3, 1, 12, 0}, 296, "LMT", "local mean time + 04:56",
   "America/New_York, local mean time at 74W00"},
};
// clang-format on

TEST(findzone, historicaltable) {
  for (const historical& h : table) {
    const when& w = h.w;
    const zonefound r = findzone(w.tz, w.lon, w.year, w.mon, w.day, w.hour, w.min);
    SCOPED_TRACE(std::string(w.tz) + " " + std::to_string(w.year));
    ASSERT_EQ(r.kind, zonefound::unique) << r.message;
    ASSERT_EQ(r.offsets.size(), 1u);
    EXPECT_EQ(r.offsets[0].zone, h.zone);
    EXPECT_EQ(r.offsets[0].abbr, h.abbr);
    EXPECT_EQ(r.offsets[0].label, h.label);
    EXPECT_EQ(r.offsets[0].source, h.source);
    EXPECT_EQ(r.message, "");
  }
}

// 14 Mar 2021: EST until 06:59:59 UT (01:59:59), EDT from 07:00:00 UT (03:00).
TEST(findzone, skippedtimeisrefused) {
  const zonefound r = findzone("America/New_York", -74.00597, 2021, 3, 14, 2, 30);
  EXPECT_EQ(r.kind, zonefound::skipped);
  EXPECT_TRUE(r.offsets.empty());
  EXPECT_EQ(r.message,
            "There was no 02:30 on 14 Mar 2021 in America/New_York: at 02:00 the clocks moved "
            "forward to 03:00, from EST (standard time + 05:00) to EDT (daylight time + 04:00).");
}

// Madras war time began at midnight: 23:59:59 IST, then 01:00 +0630.
TEST(findzone, skippedtimeafteradaychange) {
  const zonefound r = findzone("Asia/Kolkata", 80.27847, 1941, 10, 1, 0, 30);
  EXPECT_EQ(r.kind, zonefound::skipped);
  EXPECT_EQ(r.message,
            "There was no 00:30 on 1 Oct 1941 in Asia/Kolkata: at 00:00 the clocks moved forward "
            "to 01:00, from IST (standard time - 05:30) to +0630 (war time - 06:30).");
}

// 7 Nov 2021: EDT until 05:59:59 UT (01:59:59), EST from 06:00 UT (01:00).
TEST(findzone, repeatedtimegivesbothoffsets) {
  const zonefound r = findzone("America/New_York", -74.00597, 2021, 11, 7, 1, 30);
  EXPECT_EQ(r.kind, zonefound::repeated);
  ASSERT_EQ(r.offsets.size(), 2u);
  EXPECT_EQ(r.offsets[0].zone, 240);
  EXPECT_EQ(r.offsets[0].abbr, "EDT");
  EXPECT_EQ(r.offsets[0].label, "daylight time + 04:00");
  EXPECT_EQ(r.offsets[1].zone, 300);
  EXPECT_EQ(r.offsets[1].abbr, "EST");
  EXPECT_EQ(r.offsets[1].label, "standard time + 05:00");
  EXPECT_EQ(r.message,
            "01:30 on 7 Nov 2021 came twice in America/New_York: at 02:00 the clocks moved back "
            "to 01:00, from EDT (daylight time + 04:00) to EST (standard time + 05:00). Choose "
            "which of the two it was.");
}

// The minutes either side of both changes are unique.
TEST(findzone, edgesofthechangesareunique) {
  const when edges[] = {{"America/New_York", -74, 2021, 3, 14, 1, 59},
                        {"America/New_York", -74, 2021, 3, 14, 3, 0},
                        {"America/New_York", -74, 2021, 11, 7, 0, 59},
                        {"America/New_York", -74, 2021, 11, 7, 2, 0}};
  const int zones[] = {300, 240, 240, 300};
  for (int i = 0; i < 4; ++i) {
    const when& w = edges[i];
    const zonefound r = findzone(w.tz, w.lon, w.year, w.mon, w.day, w.hour, w.min);
    ASSERT_EQ(r.kind, zonefound::unique) << i;
    EXPECT_EQ(r.offsets[0].zone, zones[i]) << i;
  }
}

TEST(findzone, unknownzoneandbaddatefail) {
  zonefound r = findzone("Nowhere/Atlantis", 0, 2000, 1, 1, 0, 0);
  EXPECT_EQ(r.kind, zonefound::failed);
  EXPECT_EQ(r.message,
            "The time zone Nowhere/Atlantis is not in the time zone data (the Debian package "
            "tzdata): enter the zone by hand.");
  r = findzone("Asia/Kolkata", 80, 2001, 2, 29, 12, 0);
  EXPECT_EQ(r.kind, zonefound::failed);
  EXPECT_EQ(r.message, "There is no such date or time.");
  EXPECT_EQ(findzone("Asia/Kolkata", 80, 2000, 1, 1, 24, 0).kind, zonefound::failed);
}

// Across the date line: Apia, Samoa, UT+13 in 2020, and UT-11 before it
// moved west of the line at the end of 29 Dec 2011 (30 Dec was skipped).
TEST(findzone, datelinezones) {
  EXPECT_EQ(findzone("Pacific/Apia", -171.76666, 2020, 6, 1, 12, 0).offsets.at(0).zone, -780);
  EXPECT_EQ(findzone("Pacific/Apia", -171.76666, 2011, 6, 1, 12, 0).offsets.at(0).zone, 660);
  EXPECT_EQ(findzone("Pacific/Apia", -171.76666, 2011, 12, 30, 12, 0).kind, zonefound::skipped);
}

}  // namespace
