// An output file whose first temporary name another file already has, and one
// whose large write fails.
#include "page/outfile.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/golden.h"

static int zeros;  // calls of getrandom left that give zero bytes

// The random bytes of temporary names: zeros while asked for (the name
// ".vnkaaaaaa"), then none, as where getrandom is missing.
extern "C" ssize_t getrandom(void* buf, size_t n, unsigned int) {
  if (zeros-- <= 0) return errno = ENOSYS, -1;
  std::memset(buf, 0, n);
  return static_cast<ssize_t>(n);
}

TEST(Outfile, TakesAnotherNameWhenTheFirstIsTakenAndFailsAFailedWrite) {
  const std::string dir = ::testing::TempDir() + "vornak-out-" + std::to_string(getpid());
  std::filesystem::create_directory(dir);
  std::ofstream(dir + "/.vnkaaaaaa") << "another's";
  outfile f;
  std::string why;
  zeros = 1;
  struct sigaction before, after;
  sigaction(SIGTERM, nullptr, &before);
  ASSERT_TRUE(f.open(dir + "/page.svg", why)) << why;
  EXPECT_TRUE(f.write("page", 4));
  EXPECT_TRUE(f.commit(why)) << why;
  EXPECT_EQ(readfile(dir + "/page.svg"), "page");
  EXPECT_EQ(readfile(dir + "/.vnkaaaaaa"), "another's");
  // With no temporary file left, SIGTERM's handler is what it was before.
  sigaction(SIGTERM, nullptr, &after);
  EXPECT_EQ(after.sa_handler, before.sa_handler);
  std::filesystem::remove_all(dir);
  // A large write that fails is not committed.
  outfile full;
  ASSERT_TRUE(full.open("/dev/full", why)) << why;
  EXPECT_FALSE(full.write(std::string(65536, 'x').data(), 65536));
  EXPECT_FALSE(full.commit(why));
}
