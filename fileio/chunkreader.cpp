// Reading in chunks.
#include "fileio/chunkreader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

chunkreader::chunkreader(int fd) : fd(fd), buf(new char[chunksize]) {}

bool chunkreader::next(std::string_view& chunk) {
  ssize_t n;
  do n = ::read(fd, buf.get(), chunksize);
  while (n < 0 && errno == EINTR);
  if (n < 0) err = errno;
  if (n <= 0) return false;
  chunk = std::string_view(buf.get(), static_cast<std::size_t>(n));
  return true;
}

bool readdatafile(const std::string& path, std::string& text, std::size_t maxsize) {
  text.clear();
  // Not blocking: a FIFO opens at once, and is then refused as no file.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat st;
  int err = 0;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
    err = EINVAL;
  else if (static_cast<std::size_t>(st.st_size) > maxsize)
    err = EFBIG;
  else
    text.reserve(static_cast<std::size_t>(st.st_size));
  chunkreader r(fd);
  for (std::string_view chunk; !err && r.next(chunk);) {
    text.append(chunk);
    if (text.size() > maxsize) err = EFBIG;  // it grew while read
  }
  if (!err) err = r.error();
  ::close(fd);
  errno = err;
  return err == 0;
}
