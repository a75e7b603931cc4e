// Save's write retried after a signal only: a write that makes no progress
// fails, and leaves the file as it was.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <string>

#include "chart/chartfile.h"
#include "tests/golden.h"

namespace {

// A write interrupted by a signal, then, when stuck, one that writes nothing.
bool stuck;
int calls;
long interrupted(int fd, const void* p, std::size_t n) {
  if (calls++ == 0) return errno = EINTR, -1;
  return stuck && calls == 2 ? 0 : write(fd, p, n);
}

TEST(Save, RetriesAWriteThatASignalInterrupted) {
  const std::string file = ::testing::TempDir() + "vornak-save-" + std::to_string(getpid());
  for (bool s : {false, true}) {
    std::ofstream(file, std::ios::trunc).close();
    calls = 0, stuck = s;
    EXPECT_EQ(appendchart(file.c_str(), birthdata(), interrupted), !s);
    EXPECT_EQ(readfile(file).size(), s ? 0u : 100u);
  }
  unlink(file.c_str());
}

}  // namespace
