// The chart file: Save's append, the one item splitter, the list and the loader.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "chart/chartfile.h"
#include "tests/golden.h"

namespace {

const std::string line =
    "Example Person         Mar 14, 198706:05:00 PM    -01:00012E30'00 "
    "41N54'00 Sample Town             \n";

class ChartFile : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/vornak-chart-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir = tmpl, file = dir + "/charts.vnk";
  }
  void TearDown() override {
    chmod(dir.c_str(), 0700);
    std::remove(file.c_str());
    rmdir(dir.c_str());
  }
  void put(const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }
  bool append() { return appendchart(file.c_str(), readchartline(line).rec); }
  std::string dir, file;
};

}  // namespace

TEST_F(ChartFile, SaveKeepsEveryLineWhole) {
  // A new file; then a last line whose line feed an editor lost gets one first.
  const struct { std::string before, after; } cases[] = {
      {"", line}, {line, line + line}, {line.substr(0, 99), line + line}, {"\n", "\n" + line}};
  for (const auto& c : cases) {
    put(c.before);
    ASSERT_TRUE(append());
    EXPECT_EQ(readfile(file), c.after);
  }
}

TEST_F(ChartFile, SaveFailuresAreReported) {
  EXPECT_FALSE(appendchart((dir + "/none/charts.vnk").c_str(), readchartline(line).rec));
  EXPECT_FALSE(appendchart(nullptr, readchartline(line).rec));
  // A write that fails only when the buffer is flushed at the close.
  if (access("/dev/full", W_OK) == 0) {
    EXPECT_FALSE(appendchart("/dev/full", birthdata()));
  }
  // A directory the user cannot write to (root writes anywhere).
  ASSERT_EQ(chmod(dir.c_str(), 0555), 0);
  if (geteuid() != 0) {
    EXPECT_FALSE(append());
  }
}

TEST(Splititems, LineFeedsZeroBytesAnd1023Bytes) {
  using items = std::vector<std::string_view>;
  std::string a(1023, 'a'), b(1023, 'b');
  const struct { std::string text; items want; } cases[] = {
      {"one\ntwo\n", {"one", "two", ""}},
      {"", {""}},
      {"no final line feed", {"no final line feed"}},
      {std::string("ab\0cd\n", 6), {"ab", "cd", ""}},
      {"dos\r\nline\r\n", {"dos\r", "line\r", ""}},
      {"\n\n", {"", "", ""}},
      {a, {a}},
      {a + "\n", {a, ""}},
      // The 1024th byte is dropped, and the line feed ends an empty item.
      {b + "B\n", {b, "", ""}},
      {b + "Bc\n", {b, "c", ""}},
  };
  for (const auto& c : cases) EXPECT_EQ(splititems(c.text), c.want) << c.text.substr(0, 20);
}

// The reader of a text in pieces cuts the items that splititems cuts from
// it whole, wherever the pieces end.
TEST(Itemreader, CutsTheItemsOfSplititemsWhateverThePieces) {
  std::string a(1023, 'a'), b(1024, 'b'), z("x\0y\0\0", 5);
  const std::string texts[] = {"", "\n", "one\ntwo", "one\ntwo\n", z, a, a + "\n", b,
                               b + "\n", a + b + b + "c" + a + a, z + a + "\r\n" + b + "d\0"};
  for (const std::string& text : texts) {
    std::vector<std::string> want;
    for (std::string_view s : splititems(text)) want.emplace_back(s);
    for (std::size_t size : {1, 2, 3, 511, 1022, 1023, 1024, 1025, 4096}) {
      std::vector<std::string> got;
      itemreader r;
      std::string_view item;
      for (std::size_t at = 0; at < text.size(); at += size) {
        r.feed(std::string_view(text).substr(at, size));
        while (r.next(item)) got.emplace_back(item);
      }
      got.emplace_back(r.last());
      EXPECT_EQ(got, want) << "pieces of " << size << ", text of " << text.size();
    }
  }
}

TEST_F(ChartFile, ListAndLoadCountTheSameItems) {
  put(line + std::string(30, 'x') + "\n" + line + std::string(1500, 'y') + "\n" + line);
  bool opened = false;
  std::vector<std::string> items = listitems(file.c_str(), &opened);
  ASSERT_TRUE(opened);
  ASSERT_EQ(items.size(), 7u);  // 1500 bytes: 1023, one dropped, 476
  EXPECT_EQ(items[4], std::string(476, 'y'));
  const std::string outcomes[] = {"", "line is too short (30 bytes, a chart line has 99)", "",
                                  "unknown month \"yyy\"", "unknown month \"yyy\"", "",
                                  "no chart at item 6", "no chart at item 7", "no chart at item -1"};
  for (int n = -1; n < 8; ++n) {
    lineread r = loadchart(file.c_str(), n);
    EXPECT_EQ(r.why, outcomes[n < 0 ? 8 : n]) << n;
    // No chart at the empty last item, beyond it or at -1; neither flag for a bad line.
    EXPECT_EQ(r.ok, r.why.empty()) << n;
    EXPECT_EQ(r.nochart, n < 0 || n > 5) << n;
    EXPECT_FALSE(r.unreadable) << n;
  }
  std::remove(file.c_str());
  for (const char* path : {file.c_str(), "", static_cast<const char*>(nullptr)}) {
    lineread r = loadchart(path, 0);
    EXPECT_TRUE(r.unreadable);
    EXPECT_FALSE(r.nochart);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.why, "Couldn't open chart file!");
  }
  // A file that cannot be opened gives no items and says so; no path gives none.
  EXPECT_TRUE(listitems(file.c_str(), &opened).empty());
  EXPECT_FALSE(opened);
  for (const char* path : {"", static_cast<const char*>(nullptr)}) {
    EXPECT_TRUE(listitems(path, &opened).empty());
    EXPECT_TRUE(opened);
  }
}
