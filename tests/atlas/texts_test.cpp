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

// A function and its argument, and the text or number it gives.
TEST(coords, arcminutesandzones) {
  checktable("coords.txt", 2, [](const fields& in) {
    const double v = std::stod(in[1]);
    if (in[0] == "zonetext") return fields{zonetext(static_cast<int>(v))};
    if (in[0] == "meanzone") return fields{std::to_string(meanzone(static_cast<int>(v)))};
    return fields{in[0] == "lontext" ? lontext(v) : lattext(v)};
  });
  const dmangle a = todm(-74.00597);
  EXPECT_EQ(a.deg, 74);
  EXPECT_EQ(a.min, 0);
  EXPECT_TRUE(a.neg);
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
