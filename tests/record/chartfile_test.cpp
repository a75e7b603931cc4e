// The chart file: appending, the list's items and loading by item.
#include "app/chartfile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

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
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::vector<std::string> listed() {
    bool opened = false;
    std::vector<std::string> v = listitems(file.c_str(), &opened);
    EXPECT_TRUE(opened);
    return v;
  }
  std::string dir, file;
};

birthdata person(const char* name, int day) {
  birthdata b;
  copytext(b.name, name);
  copytext(b.place, "Sample Town");
  b.mon = 3;
  b.day = day;
  b.year = 1987;
  b.hour = 18;
  b.min = 5;
  b.zhour = 1;
  b.zeast = true;
  b.londg = 12;
  b.lonmn = 30;
  b.loneast = true;
  b.latdg = 41;
  b.latmn = 54;
  derive(b);
  return b;
}

std::string lineof(const birthdata& b) {
  char s[128];
  writechartline(s, b);
  return s;
}

using itemlist = std::vector<std::string>;

}  // namespace

TEST_F(ChartFile, AppendCreatesAndAppends) {
  birthdata b = person("Example Person", 14);
  ASSERT_TRUE(appendchart(file.c_str(), b));
  ASSERT_TRUE(appendchart(file.c_str(), b));
  EXPECT_EQ(content(), lineof(b) + lineof(b));
  EXPECT_EQ(content().size(), 200u);
}

TEST_F(ChartFile, AppendKeepsAnUnfinishedLastLine) {
  birthdata b = person("Example Person", 14);
  put(lineof(b).substr(0, 99));  // its line feed lost by an editor
  ASSERT_TRUE(appendchart(file.c_str(), b));
  EXPECT_EQ(content(), lineof(b) + lineof(b));
  put("");
  ASSERT_TRUE(appendchart(file.c_str(), b));
  EXPECT_EQ(content(), lineof(b));
  put("\n");
  ASSERT_TRUE(appendchart(file.c_str(), b));
  EXPECT_EQ(content(), "\n" + lineof(b));
}

TEST_F(ChartFile, AppendFailsInAReadOnlyDirectory) {
  ASSERT_EQ(chmod(dir.c_str(), 0555), 0);
  if (access(dir.c_str(), W_OK) == 0) {
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
  } else {
    EXPECT_FALSE(appendchart(file.c_str(), person("A", 1)));
  }
  EXPECT_NE(access(file.c_str(), F_OK), 0);
}

TEST_F(ChartFile, AppendFailsWithoutADirectory) {
  std::string missing = dir + "/none/charts.vnk";
  EXPECT_FALSE(appendchart(missing.c_str(), person("A", 1)));
  EXPECT_FALSE(appendchart(nullptr, person("A", 1)));
}

TEST_F(ChartFile, AppendReportsAFullDevice) {
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  EXPECT_FALSE(appendchart("/dev/full", person("A", 1)));
}

TEST_F(ChartFile, ListItems) {
  put("one\ntwo\nthree\n");
  EXPECT_EQ(listed(), (itemlist{"one", "two", "three", ""}));
  put("");
  EXPECT_EQ(listed(), (itemlist{""}));
  put("no final line feed");
  EXPECT_EQ(listed(), (itemlist{"no final line feed"}));
  put(std::string("ab\0cd\n", 6));
  EXPECT_EQ(listed(), (itemlist{"ab", "cd", ""}));
  put("dos\r\nline\r\n");
  EXPECT_EQ(listed(), (itemlist{"dos\r", "line\r", ""}));
  put("\n\n");
  EXPECT_EQ(listed(), (itemlist{"", "", ""}));
}

TEST_F(ChartFile, ListItemsSplitLongLines) {
  std::string a(1023, 'a'), b(1024, 'b');
  put(a + "\n");
  EXPECT_EQ(listed(), (itemlist{a, ""}));
  // The 1024th byte is dropped, and the line feed ends an empty item.
  put(b + "\n");
  EXPECT_EQ(listed(), (itemlist{std::string(1023, 'b'), "", ""}));
  put(b + "c" + "\n");
  EXPECT_EQ(listed(), (itemlist{std::string(1023, 'b'), "c", ""}));
}

TEST_F(ChartFile, ListItemsWithoutAFile) {
  bool opened = true;
  EXPECT_TRUE(listitems(file.c_str(), &opened).empty());
  EXPECT_FALSE(opened);
  EXPECT_TRUE(listitems("", &opened).empty());
  EXPECT_TRUE(opened);
  EXPECT_TRUE(listitems(nullptr, &opened).empty());
  EXPECT_TRUE(opened);
}

TEST_F(ChartFile, LoadByItem) {
  birthdata a = person("First", 1), b = person("Second", 2),
            c = person("Third", 3);
  for (const birthdata& x : {a, b, c}) ASSERT_TRUE(appendchart(file.c_str(), x));
  ASSERT_EQ(listed().size(), 4u);
  const char* names[] = {"First", "Second", "Third"};
  for (int n = 0; n < 3; ++n) {
    lineread r = loadchart(file.c_str(), n);
    ASSERT_TRUE(r.ok) << r.why;
    EXPECT_EQ(r.rec.day, n + 1);
    EXPECT_EQ(std::string(r.rec.name).substr(0, 6),
              std::string(names[n]).append(6, ' ').substr(0, 6));
    EXPECT_STREQ(r.rec.dtstr,
                 ("Mar " + std::to_string(n + 1) + ", 1987 18:05 Zone: -1:00")
                     .c_str());
  }
  // The last, empty item and everything beyond hold no chart.
  EXPECT_EQ(loadchart(file.c_str(), 3).why, "no chart at item 3");
  EXPECT_EQ(loadchart(file.c_str(), 4).why, "no chart at item 4");
  EXPECT_EQ(loadchart(file.c_str(), -1).why, "no chart at item -1");
  EXPECT_FALSE(loadchart(file.c_str(), -1).ok);
  EXPECT_TRUE(loadchart(file.c_str(), -1).nochart);
}

TEST_F(ChartFile, LoadCountsItemsAsTheListDoes) {
  birthdata a = person("First", 1), c = person("Third", 3);
  put(lineof(a) + std::string(300, 'x') + "\n" + lineof(c) +
      std::string(1500, 'y') + "\n" + lineof(a));
  itemlist list = listed();
  ASSERT_EQ(list.size(), 7u);
  EXPECT_EQ(list[2], lineof(c).substr(0, 99));
  EXPECT_FALSE(loadchart(file.c_str(), 1).ok);
  lineread r = loadchart(file.c_str(), 2);
  ASSERT_TRUE(r.ok) << r.why;
  EXPECT_EQ(r.rec.day, 3);
  // 1500 bytes: an item of 1023, the 1024th byte dropped, the rest next.
  EXPECT_EQ(list[3].size(), 1023u);
  EXPECT_EQ(list[4].size(), 476u);
  r = loadchart(file.c_str(), 5);
  ASSERT_TRUE(r.ok) << r.why;
  EXPECT_EQ(r.rec.day, 1);
  EXPECT_EQ(loadchart(file.c_str(), 6).why, "no chart at item 6");
}

TEST_F(ChartFile, LoadFailures) {
  EXPECT_EQ(loadchart(file.c_str(), 0).why, "Couldn't open chart file!");
  EXPECT_EQ(loadchart(nullptr, 0).why, "Couldn't open chart file!");
  EXPECT_TRUE(loadchart(nullptr, 0).unreadable);
  put("");
  EXPECT_EQ(loadchart(file.c_str(), 0).why, "no chart at item 0");
  put("Someone                Xyz 14, 198706:05:00 PM    -01:00012E30'00 "
      "41N54'00 Sample Town             \n");
  lineread r = loadchart(file.c_str(), 0);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.why, "unknown month \"Xyz\"");
  put("short line\n");
  EXPECT_EQ(loadchart(file.c_str(), 0).why,
            "line is too short (10 bytes, a chart line has 99)");
  // A carriage return kept in the item does not disturb the columns.
  put(lineof(person("Dos", 7)).substr(0, 99) + "\r\n");
  r = loadchart(file.c_str(), 0);
  ASSERT_TRUE(r.ok) << r.why;
  EXPECT_EQ(r.rec.day, 7);
  EXPECT_STREQ(r.rec.place, "Sample Town            ");
}
