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

bool readwhole(const std::string& path, std::string& text) {
  text.clear();
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st;
  if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
    text.reserve(static_cast<std::size_t>(st.st_size));
  chunkreader r(fd);
  for (std::string_view chunk; r.next(chunk);) text.append(chunk);
  ::close(fd);
  return r.error() == 0;
}
