// A CSV row's zeros read as numbers, each refused by its own range check; a
// zone of three hour digits is no zone.
#include <gtest/gtest.h>

#include "atlas/csvimport.h"

TEST(importrow, zerosreachtherangechecks) {
  importcolumns cols;
  ASSERT_EQ(readcolumns({"name", "date", "time", "place", "lon", "lat", "zone"}, cols), "");
  const struct {
    const char *date, *time, *zone, *why;
  } cases[] = {
      {"2000-01-01", "00:00", "+00:00", ""},
      {"2000-00-01", "12:00", "-05:30", "date \"2000-00-01\": month 0 is outside 1-12"},
      {"2000-01-00", "12:00", "-05:30", "day 0 is outside 1-31"},
      {"2000-01-01", "12:00", "+123:00",
       "zone \"+123:00\" is not like -05:30 or +05:00 (\"-\" east of Greenwich)"},
  };
  for (const auto& c : cases) {
    const imported r =
        importrow({"B", c.date, c.time, "X", "0E00", "0N00", c.zone}, cols, worldatlas());
    EXPECT_EQ(r.why, c.why) << c.date;
  }
}
