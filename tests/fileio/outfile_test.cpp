// An output file's temporary name beside it, and the folder put on disk after the rename.
#include "fileio/outfile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "tests/golden.h"

// The seam: fsync of a folder fails with folderfail's error while it is set.
static int folderfail;
extern "C" int fsync(int fd) {
  struct stat st;
  if (folderfail && fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) return errno = folderfail, -1;
  return static_cast<int>(syscall(SYS_fsync, fd));
}

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
}

// A file system that does not sync folders leaves the rename to be written
// back in its own time; any other failure to put the folder on disk fails the
// output. With standard input closed, descriptor 0 serves like any other and
// is closed again.
TEST(Outfile, FolderPutOnDiskAfterTheRename) {
  const std::string dir = ::testing::TempDir() + "vornak-sync-" + std::to_string(getpid());
  std::filesystem::create_directory(dir);
  const int in = dup(0);
  close(0);
  const std::string eio =
      "cannot write: Input/output error (putting the folder " + dir + "/ on disk after the rename)";
  const std::pair<int, std::string> cases[] = {{0, ""},     {EINVAL, ""},  {EBADF, ""},
                                               {EROFS, ""}, {ENOTSUP, ""}, {EIO, eio}};
  for (auto [err, want] : cases) {
    outfile f;
    std::string why;
    folderfail = err;
    bool ok = f.open(dir + "/page.svg", why) && f.write("page", 4) && f.commit(why);
    EXPECT_EQ(ok ? "" : why, want);
    folderfail = 0;
    EXPECT_EQ(readfile(dir + "/page.svg"), "page");
    EXPECT_EQ(fcntl(0, F_GETFD), -1);
  }
  dup2(in, 0), close(in);
  std::filesystem::remove_all(dir);
}
