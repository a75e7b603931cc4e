// An output file's temporary name beside it, and one whose large write fails.
#include "fileio/outfile.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "tests/golden.h"

TEST(Outfile, WritesUnderAShortTemporaryNameBesideTheOutput) {
  const std::string dir = ::testing::TempDir() + "vornak-out-" + std::to_string(getpid());
  std::filesystem::create_directory(dir);
  struct sigaction before, after;
  sigaction(SIGTERM, nullptr, &before);
  // The longest name a folder takes: the temporary name must still fit.
  for (const std::string& name : {std::string("page.svg"), std::string(251, 'n') + ".svg"}) {
    outfile f;
    std::string why;
    ASSERT_TRUE(f.open(dir + "/" + name, why)) << why;
    // ".vnk" and six characters, in the output's folder.
    std::string tmp = f.temppath();
    EXPECT_EQ(tmp.size(), dir.size() + 11) << tmp;
    EXPECT_EQ(tmp.substr(0, dir.size() + 5), dir + "/.vnk") << tmp;
    EXPECT_TRUE(std::filesystem::exists(tmp)) << tmp;
    EXPECT_TRUE(f.write("page", 4) && f.commit(why)) << why;
    EXPECT_EQ(readfile(dir + "/" + name), "page");
  }
  // Nothing else is left in the folder, and with no temporary file left,
  // SIGTERM's handler is what it was before.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 2);
  sigaction(SIGTERM, nullptr, &after);
  EXPECT_EQ(after.sa_handler, before.sa_handler);
  std::filesystem::remove_all(dir);
  // A large write that fails is not committed.
  outfile full;
  std::string why;
  ASSERT_TRUE(full.open("/dev/full", why)) << why;
  EXPECT_FALSE(full.write(std::string(65536, 'x').data(), 65536));
  EXPECT_FALSE(full.commit(why));
}
