// vornak-chart's exit status where the usual order of its work is broken.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/chartcmd.h"

TEST(ChartCmd, HelpVersionAndAChosenLineThatCannotBeTold) {
  std::istringstream in("Xyz");
  std::ostringstream out, err;
  // --help and --version answer whatever follows them.
  EXPECT_EQ(chartcmd({"--help", "--bogus"}, in, out, err), 0);
  EXPECT_EQ(chartcmd({"--version", "a", "b"}, in, out, err), 0);
  EXPECT_EQ(err.str(), "");
  std::ostream nowhere(nullptr);
  EXPECT_EQ(chartcmd({"--line", "0", "-"}, in, nowhere, err), 2);
  EXPECT_EQ(err.str(), "vornak-chart: cannot write the output\n");
}
