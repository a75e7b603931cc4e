// The standard descriptors on /dev/null when closed.
#include "fileio/stdfds.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

void openstdfds() {
  for (int fd = 0; fd < 3; ++fd) {
    if (fcntl(fd, F_GETFD) >= 0 || errno != EBADF) continue;
    int n = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
    if (n >= 0 && n != fd) {
      dup2(n, fd);
      ::close(n);
    }
  }
}

void ignorefilesizesignal() { signal(SIGXFSZ, SIG_IGN); }
