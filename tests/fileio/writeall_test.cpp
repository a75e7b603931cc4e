// Whole writes: a write that a signal interrupts is made again, a short one
// goes on from where it stopped; one that makes no progress fails.
#include "fileio/writeall.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

// The seam's write is interrupted by a signal, then takes two bytes at a
// time, or, when stuck, writes nothing.
static bool stuck;
static int calls;
static std::string written;
static long interrupted(int, const void* p, std::size_t n) {
  if (calls++ == 0) return errno = EINTR, -1;
  if (stuck && calls == 2) return 0;
  written.append(static_cast<const char*>(p), n < 2 ? n : 2);
  return n < 2 ? static_cast<long>(n) : 2;
}

TEST(Writeall, RetriesAnInterruptedWriteAndFailsOneThatMakesNoProgress) {
  for (bool s : {false, true}) {
    calls = 0, stuck = s, written.clear();
    EXPECT_EQ(writeall(-1, "chart", 5, interrupted), !s);
    EXPECT_EQ(s ? errno : EIO, EIO);
    EXPECT_EQ(written, s ? "" : "chart");
  }
}
