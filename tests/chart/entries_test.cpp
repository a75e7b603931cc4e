// The dialog's choices shown from a record and committed back: each sign
// both ways, the last month, and white space before a typed number.
#include <gtest/gtest.h>

#include <vector>

#include "chart/entrycheck.h"

TEST(Entries, SignChoicesAndDecemberBothWays) {
  // Index 1 of each choice is "-" (zone east), "E" and "S"; 11 is "Dec".
  for (bool set : {false, true}) {
    birthdata b;
    b.mon = set ? 12 : 1;
    b.zeast = b.loneast = b.latsouth = set;
    const entries e = entriesof(b);
    EXPECT_EQ(e.mon, set ? 11 : 0);
    EXPECT_EQ((std::vector<int>{e.zone, e.lonew, e.latns}), std::vector<int>(3, set));
    const birthdata back = commitentries(e);
    EXPECT_EQ(back.mon, b.mon);
    EXPECT_EQ((std::vector<bool>{back.zeast, back.loneast, back.latsouth}),
              std::vector<bool>(3, set));
  }
  EXPECT_EQ(readdecimal("\n\v\f\r 7"), 7);  // white space as atoi skips it
}
