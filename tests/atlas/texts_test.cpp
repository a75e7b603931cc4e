// Folding for the search, coordinate and zone texts, the mean-time check.
#include <gtest/gtest.h>

#include "atlas/coords.h"
#include "atlas/fold.h"
#include "atlas/meantime.h"
#include "tests/golden.h"

namespace {

TEST(foldtext, ignorescaseaccentsandpunctuation) {
  checktable("foldtext.txt", 1, [](const fields& in) { return fields{foldtext(in[0])}; });
}

TEST(coords, roundedtothearcminute) {
  EXPECT_EQ(lontext(80.27847), "80E17");   // Chennai 80°16.71'
  EXPECT_EQ(lattext(13.08784), "13N05");   // 13°05.27'
  EXPECT_EQ(lontext(-46.63611), "46W38");  // São Paulo 46°38.17'
  EXPECT_EQ(lattext(-23.5475), "23S33");   // 23°32.85'
  EXPECT_EQ(lontext(10.0 + 0.5 / 60), "10E01");
  EXPECT_EQ(lontext(-0.004), "0E00");      // rounds to zero: no side
  EXPECT_EQ(lontext(179.9999), "179E59");  // 180°00' is not a dialog value
  EXPECT_EQ(lontext(-179.9999), "179W59");
  const dmangle a = todm(-74.00597);
  EXPECT_EQ(a.deg, 74);
  EXPECT_EQ(a.min, 0);
  EXPECT_TRUE(a.neg);
}

TEST(coords, zonetextandmeanzone) {
  EXPECT_EQ(zonetext(-330), "- 05:30");
  EXPECT_EQ(zonetext(300), "+ 05:00");
  EXPECT_EQ(zonetext(0), "+ 00:00");
  EXPECT_EQ(zonetext(-840), "- 14:00");
  EXPECT_EQ(meanzone(73 * 60 + 51), -295);  // 295.4 min
  EXPECT_EQ(meanzone(-(74 * 60)), 296);     // New York 74°00' W
  EXPECT_EQ(meanzone(7), 0);                // 0.47 min
  EXPECT_EQ(meanzone(8), -1);               // 0.53 min
}

// A zone and a longitude in minutes; how far apart the zone and the mean time
// are, in minutes modulo 24 hours, and whether that is far.
TEST(checkmean, farzonesmodulo24hours) {
  checktable("checkmean.txt", 2, [](const fields& in) {
    const meancheck m = checkmean(std::stoi(in[0]), std::stoi(in[1]));
    return fields{std::to_string(m.apart), m.far ? "far" : "near"};
  });
}

TEST(checkmean, question) {
  EXPECT_EQ(meanquestion(330, 73 * 60 + 51),
            "Zone + 05:30 is 10 h 25 min from the local mean time at 73E51 (- 04:55). "
            "Use it anyway?");
  EXPECT_EQ(meanquestion(-300, -(74 * 60)),
            "Zone - 05:00 is 9 h 56 min from the local mean time at 74W00 (+ 04:56). "
            "Use it anyway?");
}

}  // namespace
