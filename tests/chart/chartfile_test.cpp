// The chart file: appending, the list's items and loading by item.
#include "chart/chartfile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

using itemlist = std::vector<std::string>;

class ChartFile : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/vornak-record-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir = tmpl;
    file = dir + "/charts.vnk";
  }
  void TearDown() override {
    chmod(dir.c_str(), 0700);
    std::remove(file.c_str());
    rmdir(dir.c_str());
  }
  void put(const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
  }
  std::string content() {
    std::ostringstream s;
    s << std::ifstream(file, std::ios::binary).rdbuf();
    return s.str();
  }
  itemlist listed() {
    bool opened = false;
    itemlist v = listitems(file.c_str(), &opened);
    EXPECT_TRUE(opened);
    return v;
  }
  std::string dir, file;
};

// Example Person's chart under another name and day.
birthdata person(const char* name, int day) {
  birthdata b = readchartline(
      "Example Person         Mar 14, 198706:05:00 PM    -01:00012E30'00 "
      "41N54'00 Sample Town             ").rec;
  copytext(b.name, name);
  b.day = day;
  return b;
}

std::string lineof(const birthdata& b) {
  char s[128];
  writechartline(s, b);
  return s;
}

}  // namespace

TEST_F(ChartFile, Append) {
  birthdata b = person("Example Person", 14);
  ASSERT_TRUE(appendchart(file.c_str(), b));
  ASSERT_TRUE(appendchart(file.c_str(), b));
  EXPECT_EQ(content(), lineof(b) + lineof(b));
  EXPECT_EQ(content().size(), 200u);
  // A last line whose line feed an editor lost gets one before the new line.
  const std::string line = lineof(b);
  const struct { std::string before, kept; } cases[] = {
      {line.substr(0, 99), line}, {"", ""}, {"\n", "\n"}};
  for (const auto& c : cases) {
    put(c.before);
    ASSERT_TRUE(appendchart(file.c_str(), b));
    EXPECT_EQ(content(), c.kept + line);
  }
}

TEST_F(ChartFile, AppendFailures) {
  EXPECT_FALSE(appendchart((dir + "/none/charts.vnk").c_str(), person("A", 1)));
  EXPECT_FALSE(appendchart(nullptr, person("A", 1)));
  // A write that fails only when the buffer is flushed at the close.
  if (access("/dev/full", W_OK) == 0) {
    EXPECT_FALSE(appendchart("/dev/full", person("A", 1)));
  }
  ASSERT_EQ(chmod(dir.c_str(), 0555), 0);
  if (access(dir.c_str(), W_OK) != 0) {
    EXPECT_FALSE(appendchart(file.c_str(), person("A", 1)));
  } else {
    // Root writes anywhere: try again as an ordinary user in a child.
    if (geteuid() != 0) GTEST_SKIP() << "the directory stays writable";
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      if (setgid(65534) != 0 || setuid(65534) != 0) _exit(2);
      _exit(appendchart(file.c_str(), person("A", 1)) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 2) GTEST_SKIP() << "no unprivileged user";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "appendchart reported success";
  }
  EXPECT_NE(access(file.c_str(), F_OK), 0);
}

TEST_F(ChartFile, ListItems) {
  std::string a(1023, 'a'), b(1023, 'b');
  const struct { std::string bytes; itemlist items; } cases[] = {
      {"one\ntwo\nthree\n", {"one", "two", "three", ""}},
      {"", {""}},
      {"no final line feed", {"no final line feed"}},
      {std::string("ab\0cd\n", 6), {"ab", "cd", ""}},
      {"dos\r\nline\r\n", {"dos\r", "line\r", ""}},
      {"\n\n", {"", "", ""}},
      {a + "\n", {a, ""}},
      // The 1024th byte is dropped, and the line feed ends an empty item.
      {b + "B\n", {b, "", ""}},
      {b + "Bc\n", {b, "c", ""}},
  };
  for (const auto& c : cases) {
    put(c.bytes);
    EXPECT_EQ(listed(), c.items) << c.bytes.substr(0, 20);
  }
  bool opened = true;
  EXPECT_TRUE(listitems((dir + "/none").c_str(), &opened).empty());
  EXPECT_FALSE(opened);
  EXPECT_TRUE(listitems("", &opened).empty());
  EXPECT_TRUE(opened);
  EXPECT_TRUE(listitems(nullptr, &opened).empty());
  EXPECT_TRUE(opened);
}

TEST_F(ChartFile, LoadCountsItemsAsTheListDoes) {
  birthdata a = person("First", 1), c = person("Third", 3);
  put(lineof(a) + std::string(300, 'x') + "\n" + lineof(c) +
      std::string(1500, 'y') + "\n" + lineof(a));
  itemlist list = listed();
  // 1500 bytes: an item of 1023, the 1024th byte dropped, the rest next.
  ASSERT_EQ(list.size(), 7u);
  EXPECT_EQ(list[4].size(), 476u);
  for (int n = 0; n < 6; ++n) {
    lineread r = loadchart(file.c_str(), n), want = readchartline(list[n]);
    EXPECT_EQ(r.ok, want.ok) << n;
    EXPECT_EQ(r.why, want.why) << n;
    EXPECT_EQ(r.rec.day, want.rec.day) << n;
  }
  lineread r = loadchart(file.c_str(), 5);
  EXPECT_TRUE(r.ok);
  EXPECT_STREQ(r.rec.dtstr, "Mar 1, 1987 18:05 Zone: -1:00");
  EXPECT_EQ(loadchart(file.c_str(), 2).rec.day, 3);
}

TEST_F(ChartFile, LoadFailuresAndFlags) {
  lineread r = loadchart(file.c_str(), 0);
  EXPECT_EQ(r.why, "Couldn't open chart file!");
  EXPECT_TRUE(r.unreadable && !r.nochart && !r.ok);
  EXPECT_TRUE(loadchart(nullptr, 0).unreadable);
  // No chart in an empty file, at the last, empty item, beyond it, or at -1.
  put("");
  EXPECT_EQ(loadchart(file.c_str(), 0).why, "no chart at item 0");
  put(lineof(person("A", 1)) + lineof(person("B", 2)));
  for (int n : {2, 3, -1}) {
    r = loadchart(file.c_str(), n);
    EXPECT_EQ(r.why, "no chart at item " + std::to_string(n));
    EXPECT_TRUE(r.nochart && !r.unreadable && !r.ok);
  }
  // A bad line is not ok and raises neither flag.
  put("short line\n");
  r = loadchart(file.c_str(), 0);
  EXPECT_EQ(r.why, "line is too short (10 bytes, a chart line has 99)");
  EXPECT_FALSE(r.ok || r.nochart || r.unreadable);
  // A carriage return kept in the item does not disturb the columns.
  put(lineof(person("Dos", 7)).substr(0, 99) + "\r\n");
  r = loadchart(file.c_str(), 0);
  ASSERT_TRUE(r.ok) << r.why;
  EXPECT_EQ(r.rec.day, 7);
  EXPECT_STREQ(r.rec.place, "Sample Town            ");
}
