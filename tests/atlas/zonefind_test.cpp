// The zone of a place at a local time: tzdata's history against what
// `zdump -v` prints for the zone, clock changes, bad zones and dates.
#include <gtest/gtest.h>

#include <string>

#include "atlas/tzrule.h"
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

// tzdata's rules for later years as the zone files write them, and the
// damage that the zone library would only warn about.
TEST(tzrulevalid, footersofthezonefiles) {
  for (const char* good : {"", "EST5EDT,M3.2.0,M11.1.0", "IST-5:30", "<+0330>-3:30", "<-03>3",
                           "NZST-12NZDT,M9.5.0,M4.1.0/3", "WET0WEST,M3.5.0/1,M10.5.0", "<+13>-13",
                           "AEST-10AEDT,M10.1.0,M4.1.0/3", "AZaz3EDT4,J60/167,300/-1:30:59",
                           "IST-2IDT,M3.4.4/26,M10.5.0", "GMT0IST,M10.5.0,M3.5.0/1"})
    EXPECT_TRUE(tzrulevalid(good)) << good;
  for (const char* bad :
       {"EST5EDT,M3.2.0,M13.1.0", "EST", "ES5", "EST25", "EST5EDT,M3.2.0", "EST5EDT,M3.6.0,M11.1.0",
        "EST5EDT,M3.2.7,M11.1.0", "<+03-3", "<+3>-3", "EST5EDT,J0,J365", "EST5EDT,366,1", "EST5:6",
        "EST5 ", "EST5EDT,M3.2.0/168,M11.1.0", "EST5EDT,M3.2.0,M11.1.0,", "IST-5:60"})
    EXPECT_FALSE(tzrulevalid(bad)) << bad;
}

}  // namespace
