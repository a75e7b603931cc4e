// The zone of a place at a local time: tzdata's history against what
// `zdump -v` prints for the zone, clock changes, bad zones and dates.
#include <gtest/gtest.h>

#include <string>

#include "atlas/zonefind.h"
#include "tests/golden.h"

namespace {

fields shown(const zonefound& r) {
  const char* const kinds[] = {"unique", "repeated", "skipped", "failed", "clocks"};
  fields out = {kinds[r.kind], r.message};
  for (const zoneoffset& o : r.offsets)
    out.push_back(std::to_string(o.zone) + " " + o.abbr + " | " + o.kind + " | " + o.label + " | " +
                  o.source);
  return out;
}

TEST(findzone, historicaltableandclockchanges) {
  checktable("zones.txt", 7, [](const fields& in) {
    int n[5];
    for (int i = 0; i < 5; ++i) n[i] = std::stoi(in[2 + i]);
    return shown(findzone(in[0], std::stod(in[1]), n[0], n[1], n[2], n[3], n[4]));
  });
}

TEST(findclock, citiesthatkepttheirownclock) {
  checktable("clocks.txt", 8, [](const fields& in) {
    int n[5];
    for (int i = 0; i < 5; ++i) n[i] = std::stoi(in[3 + i]);
    return shown(
        findclock(in[0], std::stod(in[1]), std::stod(in[2]), n[0], n[1], n[2], n[3], n[4]));
  });
}

}  // namespace
