// Whole writes: a write that a signal interrupts is made again; one that
// makes no progress fails.
#include "fileio/writeall.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>

// The seam's write is interrupted by a signal, then, when stuck, writes nothing.
static bool stuck;
static int calls;
static long interrupted(int fd, const void* p, std::size_t n) {
  if (calls++ == 0) return errno = EINTR, -1;
  return stuck && calls == 2 ? 0 : write(fd, p, n);
}

TEST(Writeall, RetriesAnInterruptedWriteAndFailsOneThatMakesNoProgress) {
  int fd = open("/dev/null", O_WRONLY | O_CLOEXEC);
  for (bool s : {false, true}) {
    calls = 0, stuck = s;
    EXPECT_EQ(writeall(fd, "chart", 5, interrupted), !s);
    EXPECT_EQ(s ? errno : EIO, EIO);
  }
  close(fd);
}
