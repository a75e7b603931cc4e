// The chart file: Save's append, the one item splitter, the list and the loader.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include <cstdio>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "chart/chartfile.h"
#include "tests/chart/items.h"
#include "tests/golden.h"

namespace {

const std::string line =
    "Example Person         Mar 14, 198706:05:00 PM    -01:00012E30'00 "
    "41N54'00 Sample Town             \n";

// What loadchart makes of item n of the file at path: its state and reason.
std::tuple<loadstate, std::string> loaded(const char* path, int n) {
  chartload r = loadchart(path, n);
  return {r.state, r.why};
}
const std::tuple<loadstate, std::string> unreadable{loadstate::unreadable,
                                                    "Couldn't open chart file!"};

// With standard input closed, so that a file may be opened as descriptor 0,
// which must be closed again.
class ChartFile : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/vornak-chart-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir = tmpl, file = dir + "/charts.vnk";
    close(0);
  }
  void TearDown() override {
    EXPECT_EQ(fcntl(0, F_GETFD), -1);
    dup2(in0, 0), close(in0);
    std::remove(file.c_str());
    rmdir(dir.c_str());
  }
  void put(const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }
  bool append(writefn w = nullptr) { return appendchart(file.c_str(), readchartline(line).rec, w); }
  std::string dir, file;
  const int in0 = dup(0);
};

}  // namespace

TEST_F(ChartFile, SaveKeepsEveryLineWhole) {
  // A new file; then a last line whose line feed an editor lost gets one first.
  // clang-format off
  const struct { std::string before, after; } cases[] = {
      {"", line}, {line, line + line}, {line.substr(0, 99), line + line}, {"\n", "\n" + line}};
  // clang-format on
  for (const auto& c : cases) {
    put(c.before);
    ASSERT_TRUE(append());
    EXPECT_EQ(readfile(file), c.after);
  }
}

// A write that stops after `room` bytes, as a full disk does: a short
// write, then "No space left on device".
static long room;
static long fullwrite(int fd, const void* p, std::size_t n) {
  if (room <= 0) return errno = ENOSPC, -1;
  long k = write(fd, p, n < static_cast<std::size_t>(room) ? n : static_cast<std::size_t>(room));
  if (k > 0) room -= k;
  return k;
}

TEST_F(ChartFile, SaveThatFailsLeavesTheFileAsItWas) {
  for (const std::string& before : {std::string(), line, line + line.substr(0, 99)}) {
    for (long left : {0L, 1L, 72L, 96L, 99L}) {
      put(before);
      room = left;
      EXPECT_FALSE(append(fullwrite)) << before.size() << " " << left;
      EXPECT_EQ(readfile(file), before) << before.size() << " " << left;
    }
  }
  // Room for the line: the seam writes it as write(2) would.
  room = 101;
  put(line.substr(0, 99));
  EXPECT_TRUE(append(fullwrite));
  EXPECT_EQ(readfile(file), line + line);
}

// Runs f in a child process as the user nobody when the test runs as root
// (who may read any file); its result is the child's status, 0 for true.
template <class F>
static bool asuser(F f) {
  if (geteuid() != 0) return f();
  pid_t pid = fork();
  if (pid == 0) _exit(setgid(65534) == 0 && setuid(65534) == 0 && f() ? 0 : 1);
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(ChartFile, SaveRefusesWhatItCannotCheckOrAppendWhole) {
  // No folder, no path.
  EXPECT_FALSE(appendchart((dir + "/none/charts.vnk").c_str(), readchartline(line).rec));
  EXPECT_FALSE(appendchart(nullptr, readchartline(line).rec));
  ASSERT_EQ(chmod(dir.c_str(), 0755), 0);
  // A write-only file whose last line lacks its line feed: its last byte
  // cannot be read, so the line is not glued to it. An empty one takes it.
  put(line.substr(0, 99));
  ASSERT_EQ(chmod(file.c_str(), 0222), 0);
  EXPECT_FALSE(asuser([&] { return append(); }));
  EXPECT_EQ(readfile(file), line.substr(0, 99));
  put("");
  EXPECT_TRUE(asuser([&] { return append(); }));
  EXPECT_EQ(readfile(file), line);
  // A FIFO is refused at once, not waited on.
  std::remove(file.c_str());
  ASSERT_EQ(mkfifo(file.c_str(), 0666), 0);
  EXPECT_FALSE(append());
}

// Two processes saving at the same moment, each many times, into a file
// whose last line lacks its line feed: one line feed is added, by whichever
// comes first, and every line stays whole (no empty line between them).
TEST_F(ChartFile, SavesAtTheSameMomentTakeTurns) {
  const int rounds = 500;
  int bad = 0;
  for (int r = 0; r < rounds && bad == 0; ++r) {
    put(line.substr(0, 99));
    int go[2];
    ASSERT_EQ(pipe(go), 0);
    pid_t kids[2];
    for (pid_t& k : kids) {
      k = fork();
      if (k == 0) {
        char c;
        close(go[1]);
        _exit(read(go[0], &c, 1) == 0 && append() ? 0 : 1);
      }
    }
    close(go[0]);
    close(go[1]);  // both start now
    for (pid_t k : kids) {
      int status = 0;
      waitpid(k, &status, 0);
      bad += !(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    bad += readfile(file) != line + line + line;
  }
  EXPECT_EQ(bad, 0);
}

TEST(Splititems, LineFeedsZeroBytesAnd1023BytesWhateverThePieces) {
  checktable("items.txt", 1, [](const fields& in) {
    fields want;
    for (std::string_view s : splititems(in[0])) want.emplace_back(s);
    for (std::size_t size : {1, 2, 3, 511, 1022, 1023, 1024, 1025, 4096}) {
      fields got;
      itemreader r;
      std::string_view item;
      for (std::size_t at = 0; at < in[0].size(); at += size) {
        r.feed(std::string_view(in[0]).substr(at, size));
        while (r.next(item)) got.emplace_back(item);
      }
      got.emplace_back(r.last());
      EXPECT_EQ(got, want) << "pieces of " << size << ", text of " << in[0].size();
    }
    return want;
  });
}

TEST_F(ChartFile, ListAndLoadCountTheSameItems) {
  put(line + std::string(30, 'x') + "\n" + line + std::string(1500, 'y') + "\n" + line);
  bool opened = false;
  std::vector<std::string> items = listitems(file.c_str(), &opened);
  ASSERT_TRUE(opened);
  ASSERT_EQ(items.size(), 7u);  // 1500 bytes: 1023, one dropped, 476
  EXPECT_EQ(items[4], std::string(476, 'y'));
  // clang-format off
  using ls = loadstate;
  const std::tuple<ls, std::string> outcomes[] = {
      {ls::chart, ""}, {ls::badline, "line is too short (30 bytes, a chart line has 99)"},
      {ls::chart, ""}, {ls::badline, "unknown month \"yyy\""}, {ls::badline, "unknown month \"yyy\""},
      {ls::chart, ""}, {ls::nochart, "no chart at item 6"}, {ls::nochart, "no chart at item 7"},
      {ls::nochart, "no chart at item -1"}};
  // clang-format on
  for (int n = -1; n < 8; ++n) EXPECT_EQ(loaded(file.c_str(), n), outcomes[n < 0 ? 8 : n]) << n;
  // The chart loaded is the line's own record: it writes the same line.
  char back[129];
  EXPECT_EQ(std::string(back, writechartline(back, loadchart(file.c_str(), 5).rec)), line);
  // A file that cannot be opened gives no items and says so; no path gives
  // none, and no chart.
  std::remove(file.c_str());
  for (const char* path : {file.c_str(), "", static_cast<const char*>(nullptr)}) {
    EXPECT_EQ(loaded(path, 0), unreadable);
    EXPECT_TRUE(listitems(path, &opened).empty());
    EXPECT_EQ(opened, path != file.c_str());
  }
}

TEST_F(ChartFile, ListStopsAtItsLimitAndTakesOnlyRegularFiles) {
  put(line + line + line);  // four items, the last empty
  // clang-format off
  const struct { listlimit limit; std::size_t items; bool cut; } cases[] = {
      {{4, 1000}, 4, false}, {{3, 1000}, 3, true}, {{1000, 297}, 4, false},
      {{1000, 296}, 2, true}, {{0, 0}, 0, true}};
  // clang-format on
  for (const auto& c : cases) {
    std::size_t n = 0;
    listing l = listfile(
        file.c_str(), [&](std::string_view s) { n += s.size() == 99 || s.empty(); }, c.limit);
    EXPECT_EQ(std::make_tuple(l.opened, l.notfile, l.cut, n),
              std::make_tuple(true, false, c.cut, c.items))
        << c.limit.items;
  }
  // A FIFO (which would hold the reader) and a folder are refused at once.
  std::remove(file.c_str());
  ASSERT_EQ(mkfifo(file.c_str(), 0666), 0);
  for (const std::string& path : {file, dir}) {
    std::size_t n = 0;
    listing l = listfile(path.c_str(), [&](std::string_view) { ++n; });
    EXPECT_EQ(std::make_tuple(l.opened, l.notfile, n), std::make_tuple(false, true, std::size_t{0}))
        << path;
    EXPECT_EQ(loaded(path.c_str(), 0), unreadable) << path;
  }
}
