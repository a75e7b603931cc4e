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
}

// A zone and a longitude in minutes; how far apart the zone and the mean time
// are, in minutes modulo 24 hours, and whether that is far.
TEST(checkmean, farzonesmodulo24hours) {
  checktable("checkmean.txt", 2, [](const fields& in) {
    const meancheck m = checkmean(std::stoi(in[0]), std::stoi(in[1]));
    return fields{std::to_string(m.apart), m.far ? "far" : "near"};
  });
}

}  // namespace
