// The CSV reader on the cases of RFC 4180 and on the files spreadsheets
// write: each text read byte by byte, its records shown as fields joined by
// '|', with the error (if any) after '!'.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/csv.h"

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

using rows = std::vector<std::string>;

TEST(csvreader, readsrfc4180) {
  const struct {
    const char* text;
    rows want;
  } cases[] = {
      {"name,date\nRam,1987-03-14\n", {"1:name|date", "2:Ram|1987-03-14"}},
      {"a,b\r\nc,d\r\n", {"1:a|b", "2:c|d"}},                    // CRLF
      {"a,b\nc,d", {"1:a|b", "2:c|d"}},                          // no final line break
      {"\"Pune, Maharashtra\",x\n", {"1:Pune, Maharashtra|x"}},  // a comma in quotes
      {"\"say \"\"hi\"\"\",\"\"\n", {"1:say \"hi\"|"}},          // quotes doubled; empty quoted
      {"\"two\r\nlines\",b\n", {"1:two\r\nlines|b"}},            // a line break in quotes
      {",,\n\n", {"1:||", "2:"}},                                // empty fields, an empty record
      {"a\rb\n", {"1:a\rb"}},                                    // a lone carriage return
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(records(c.text), c.want) << c.text;
}

TEST(csvreader, reportsbadquotesandgoeson) {
  const struct {
    const char* text;
    rows want;
  } cases[] = {
      {"a\"b,c\nd\n", {"1:a\"b|c!a quote inside a field that does not start with one", "2:d"}},
      {"\"a\"b,c\nd\n", {"1:ab|c!text after the closing quote of a field", "2:d"}},
      {"x\n\"a,b\nc\n", {"1:x", "2:a,b\nc\n!a quote that is not closed"}},
  };
  for (const auto& c : cases) EXPECT_EQ(records(c.text), c.want) << c.text;
}

TEST(csvreader, boundsarecord) {
  const std::string big(csvreader::maxrecord + 10, 'x');
  const rows r = records(big + ",y\nz\n");
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[0], "1:" + std::string(csvreader::maxrecord, 'x') +
                      "|!the record is longer than 65536 bytes");
  EXPECT_EQ(r[1], "2:z");
}

}  // namespace
