// Output files written beside their name and renamed into place.
#include "fileio/outfile.h"

#include "fileio/cannot.h"
#include "fileio/livetemp.h"
#include "fileio/writeall.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

// Whether p names a descriptor of this process (/dev/fd/N, /proc/self/fd/N,
// /proc/PID/fd/N and the like), with its number in n.
bool fdname(const std::string& p, int& n) {
  if (p == "/dev/stdin" || p == "/dev/stdout" || p == "/dev/stderr") {
    n = p == "/dev/stdin" ? 0 : p == "/dev/stdout" ? 1 : 2;
    return true;
  }
  std::size_t slash = p.rfind('/');
  if (slash == std::string::npos || slash + 1 == p.size() || p.size() - slash > 10) return false;
  long v = 0;
  for (std::size_t i = slash + 1; i < p.size(); ++i) {
    if (p[i] < '0' || p[i] > '9') return false;
    v = v * 10 + (p[i] - '0');
  }
  char* real = realpath(p.substr(0, slash).c_str(), nullptr);
  if (!real) return false;
  std::string dir = real, self = "/proc/" + std::to_string(getpid());
  std::free(real);
  bool mine = dir == self + "/fd" || (dir.rfind(self + "/task/", 0) == 0 && dir.size() > 3 &&
                                      dir.compare(dir.size() - 3, 3, "/fd") == 0);
  if (mine) n = static_cast<int>(v);
  return mine;
}

}  // namespace

bool outfile::fail(std::string& why, const std::string& what) {
  why = cannot("write", errno) + what;
  return false;
}

std::string outfile::temppath() const { return tmpname[0] ? dir + tmpname : std::string(); }

namespace {

// Follows the links of p's last component one at a time, to what p names at
// last; st is its lstat, mode 0 when nothing is there. False, with errno,
// when a link cannot be read, or when there are more than 40. A descriptor's
// name (fdname) stops the walk with n its number.
bool follow(std::string& p, struct stat& st, int& n) {
  for (int hops = 0;; ++hops) {
    n = -1;
    if (hops > 40) {
      errno = ELOOP;
      return false;
    }
    if (fdname(p, n)) return true;
    if (lstat(p.c_str(), &st) != 0) {
      if (errno != ENOENT) return false;
      st.st_mode = 0;
      return true;
    }
    if (!S_ISLNK(st.st_mode)) return true;
    char target[PATH_MAX];
    ssize_t k = readlink(p.c_str(), target, sizeof target - 1);
    if (k < 0) return false;
    target[k] = '\0';
    std::size_t slash = p.rfind('/');
    p = target[0] == '/' || slash == std::string::npos ? std::string(target)
                                                       : p.substr(0, slash + 1) + target;
  }
}

}  // namespace

std::string landing(const std::string& path) {
  std::string p = path;
  struct stat st;
  int n;
  if (!follow(p, st, n) || n >= 0) return "";
  const std::size_t slash = p.rfind('/');
  char* real = realpath(slash == std::string::npos ? "." : p.substr(0, slash + 1).c_str(), nullptr);
  if (!real) return "";
  std::string r = std::string(real) + "/" + p.substr(slash == std::string::npos ? 0 : slash + 1);
  std::free(real);
  return r;
}

bool outfile::open(const std::string& path, std::string& why) {
  // Follow the path's links one at a time, to see what it names at last.
  std::string p = path;
  struct stat st;
  int n;
  if (!follow(p, st, n)) return fail(why, "");
  if (n >= 0) {
    fd = fcntl(n, F_DUPFD_CLOEXEC, 3);
    return fd >= 0 || fail(why, "");
  }
  if (S_ISDIR(st.st_mode)) {
    errno = EISDIR;
    return fail(why, "");
  }
  if (st.st_mode != 0 && !S_ISREG(st.st_mode)) {
    fd = ::open(p.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC);
    return fd >= 0 || fail(why, "");
  }

  // A regular file, or none yet: a temporary file beside it.
  std::size_t slash = p.rfind('/');
  dir = slash == std::string::npos ? "" : p.substr(0, slash + 1);
  base = p.substr(dir.size());
  if (base.empty()) {
    errno = EISDIR;
    return fail(why, "");
  }
  if (st.st_mode != 0) {
    // The file is replaced only where it could have been opened for writing.
    if (faccessat(AT_FDCWD, p.c_str(), W_OK, AT_EACCESS) != 0) return fail(why, "");
    mode = st.st_mode & 0777;
  } else {
    // The mask is read by setting one, the strictest for that moment.
    mode_t mask = umask(0777);
    umask(mask);
    mode = 0666 & ~mask;
  }
  dirfd = ::open(dir.empty() ? "." : dir.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (dirfd < 0) return fail(why, "");
  // mkostemp puts six letters or digits in place of the X's. The name stays
  // short, so that it fits beside an output whose name has 255 bytes.
  std::string name = dir + ".vnkXXXXXX";
  sigset_t old = blockends();
  fd = mkostemp(name.data(), O_CLOEXEC);
  if (fd >= 0) {
    std::strcpy(tmpname, name.c_str() + dir.size());
    slot = addlive(dirfd, tmpname);
  }
  int e = errno;
  sigprocmask(SIG_SETMASK, &old, nullptr);
  errno = e;
  if (fd < 0)
    return fail(why,
                " (creating a temporary file in " + (dir.empty() ? std::string(".") : dir) + ")");
  return true;
}

bool outfile::flush() {
  if (!err) note(writeall(fd, buf.data(), buf.size()));
  buf.clear();
  return !err;
}

bool outfile::write(const void* data, std::size_t n) {
  if (err || fd < 0) return false;
  buf.append(static_cast<const char*>(data), n);
  return buf.size() < 65536 || flush();
}

bool outfile::commit(std::string& why) {
  if (fd < 0) {
    errno = EBADF;
    return fail(why, "");
  }
  flush();
  // On disk with its final permissions before the rename, so that the name
  // never holds a short file.
  if (tmpname[0]) {
    note(fchmod(fd, static_cast<mode_t>(mode)) == 0);
    note(fsync(fd) == 0);
  }
  note(::close(fd) == 0);
  fd = -1;
  std::string tmp = temppath();
  if (err) {
    discard();
    errno = err;
    return fail(why, tmp.empty() ? "" : " (writing the temporary file " + tmp + ")");
  }
  if (tmpname[0]) {
    sigset_t old = blockends();
    bool moved = renameat(dirfd, tmpname, dirfd, base.c_str()) == 0;
    int e = errno;
    if (moved) {
      droplive(slot);
      slot = -1;
      tmpname[0] = '\0';
    }
    sigprocmask(SIG_SETMASK, &old, nullptr);
    if (!moved) {
      discard();
      errno = e;
      return fail(why, " (renaming the temporary file " + tmp + " to " + base + ")");
    }
    // The rename on disk too. A folder is synced through a descriptor opened
    // for reading (not dirfd: one opened with O_PATH cannot be); a folder
    // that cannot be read, or a file system that does not sync folders, is
    // left to write it back in its own time.
    int d = openat(dirfd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (d >= 0) {
      bool synced =
          fsync(d) == 0 || errno == EINVAL || errno == EBADF || errno == EROFS || errno == ENOTSUP;
      e = errno;
      ::close(d);
      if (!synced) {
        discard();
        errno = e;
        return fail(why, " (putting the folder " + (dir.empty() ? std::string(".") : dir) +
                             " on disk after the rename)");
      }
    }
  }
  discard();
  return true;
}

void outfile::discard() {
  buf.clear();
  if (fd >= 0) ::close(fd);
  fd = -1;
  if (tmpname[0]) {
    sigset_t old = blockends();
    unlinkat(dirfd, tmpname, 0);
    droplive(slot);
    slot = -1;
    tmpname[0] = '\0';
    sigprocmask(SIG_SETMASK, &old, nullptr);
  }
  if (dirfd >= 0) ::close(dirfd);
  dirfd = -1;
}

bool isinput(const std::string& out, const std::string& in) {
  struct stat a, b;
  if ((in == "-" ? fstat(0, &a) : stat(in.c_str(), &a)) != 0 || !S_ISREG(a.st_mode)) return false;
  if ((out == "-" ? fstat(1, &b) : stat(out.c_str(), &b)) != 0) return false;
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}
