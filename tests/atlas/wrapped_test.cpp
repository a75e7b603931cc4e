// A message's lines filled to their width after a break.
#include <gtest/gtest.h>

#include "atlas/placefill.h"

TEST(wrapped, fillsthelineafterabreak) {
  EXPECT_EQ(wrapped("Use it anyway? Yes or no", 6), "Use it\nanyway?\nYes or\nno");
  EXPECT_EQ(wrapped("Zone\nUse it", 6), "Zone\nUse it");
}
