// vornak-chart's import of births from CSV, on the atlas of
// libtimezonemap-data and Debian's tzdata: each row's chart line or reason,
// and the header's.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "atlas/csvimport.h"
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

}  // namespace
