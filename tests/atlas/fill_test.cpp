// The dialog's Find at its edges: the choice items it sets, the largest zone
// a chart holds.
#include <gtest/gtest.h>

#include <vector>

#include "atlas/placefill.h"

TEST(chooseplace, setsthedialogschoiceitems) {
  // Items from 0: "W", "E"; "N", "S"; zone "+", "-".
  const struct {
    place p;
    std::vector<int> items;  // lon, lat, zone
  } cases[] = {
      {{"São Paulo", "", "Brazil", "BR", -23.5475, -46.63611, "America/Sao_Paulo", 0}, {0, 1, 0}},
      {{"Chennai", "", "India", "IN", 13.08784, 80.27847, "Asia/Kolkata", 0}, {1, 0, 1}},
  };
  for (const auto& c : cases) {
    entries e;
    e.day = "1", e.year = "2000";
    zonefollow f;
    EXPECT_EQ(chooseplace(e, f, c.p).kind, zonestep::filled);
    EXPECT_EQ((std::vector<int>{e.lonew, e.latns, e.zone}), c.items) << c.p.name;
  }
  EXPECT_EQ(beyondzone({12 * 60 + 59, "", "", "", ""}, birthdata()), "");
}
