// The CSV reader on the cases of RFC 4180 and on the files spreadsheets
// write: each text read byte by byte, its records shown as fields joined by
// '|', with the error (if any) after '!'.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "atlas/csv.h"
#include "tests/golden.h"

namespace {

std::vector<std::string> records(const std::string& text) {
  std::vector<std::string> r;
  csvreader csv;
  auto take = [&] {
    const std::vector<std::string>& f = csv.row().fields;
    std::string s = f.empty() ? "" : f[0];
    for (size_t i = 1; i < f.size(); ++i) s += "|" + f[i];
    if (!csv.row().error.empty()) s += "!" + csv.row().error;
    r.push_back(std::to_string(csv.row().number) + ":" + s);
  };
  for (char c : text)
    if (csv.put(c)) take();
  if (csv.end()) take();
  return r;
}

TEST(csvreader, readsrfc4180andreportsbadquotes) {
  checktable("csv.txt", 1, [](const fields& in) {
    const fields r = records(in[0]);
    return r.empty() ? fields{"no records"} : r;
  });
}

// Separators count as bytes of the record, so a record of nothing but
// commas is bounded as one long field is.
TEST(csvreader, boundsarecord) {
  const std::string big(65540, 'x');
  const std::vector<std::string> r = records(big + ",y\nz\n");
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[0], "1:" + std::string(65536, 'x') + "!the record is longer than 65536 bytes");
  EXPECT_EQ(r[1], "2:z");
  csvreader csv;
  for (int i = 0; i < (1 << 22); ++i) csv.put(',');
  ASSERT_TRUE(csv.put('\n'));
  EXPECT_EQ(csv.row().fields.size(), 65537u);
  EXPECT_EQ(csv.row().error, "the record is longer than 65536 bytes");
}

}  // namespace
