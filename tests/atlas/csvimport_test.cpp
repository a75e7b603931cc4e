// vornak-chart's import of births from CSV and its list of places, on the
// atlas of libtimezonemap-data and Debian's tzdata: each row's chart line or
// reason, the header's, and the places as --find writes them.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "atlas/csvimport.h"
#include "atlas/findlist.h"
#include "tests/golden.h"

namespace {

// A CSV file, and the status, the chart lines and the messages of its import.
TEST(importcsv, chartlinesandreasons) {
  checktable("csvimport.txt", 1, [](const fields& in) {
    std::istringstream csv(in[0]);
    std::ostringstream out, err;
    const int status = importcsv(csv, out, err, worldatlas());
    return fields{std::to_string(status), out.str(), err.str()};
  });
}

TEST(findlist, textandjson) {
  const place* p = worldatlas().lookup("Sao Paulo");
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(findline(*p), "São Paulo, Brazil  46W38 23S33  America/Sao_Paulo  10021295\n");
  EXPECT_EQ(findjson(*p),
            "{\"name\":\"São Paulo\",\"state\":\"São Paulo\",\"country\":\"Brazil\","
            "\"lat\":-23.5475,\"lon\":-46.63611,\"tz\":\"America/Sao_Paulo\","
            "\"population\":10021295}\n");
}

}  // namespace
