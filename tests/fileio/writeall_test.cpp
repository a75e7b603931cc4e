// Whole writes: a write that a signal interrupts is made again; one that
// makes no progress fails.
#include "fileio/writeall.h"

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
  for (bool s : {false, true}) {
    int fd[2];
    ASSERT_EQ(pipe(fd), 0);
    calls = 0, stuck = s, errno = 0;
    EXPECT_EQ(writeall(fd[1], "chart", 5, interrupted), !s);
    EXPECT_EQ(s ? errno : EIO, EIO);
    char got[8];
    close(fd[1]);
    EXPECT_EQ(read(fd[0], got, sizeof got), s ? 0 : 5);
    close(fd[0]);
  }
}
