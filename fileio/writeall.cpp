// Whole writes.
#include "fileio/writeall.h"

#include <unistd.h>

#include <cerrno>

bool writeall(int fd, const char* p, std::size_t n, writefn w) {
  while (n > 0) {
    long k = w ? w(fd, p, n) : ::write(fd, p, n);
    if (k < 0 && errno == EINTR) continue;
    if (k <= 0) {
      if (k == 0) errno = EIO;
      return false;
    }
    p += k;
    n -= static_cast<std::size_t>(k);
  }
  return true;
}
