// Whole lines to a writer, or to a descriptor under the file's lock.
#include "fileio/linesink.h"

#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>

#include "fileio/writeall.h"

linesink::linesink(int fd) {
  struct stat st;
  const bool locks = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  write = [fd, locks](std::string_view s) {
    // A file system without locks still takes the lines.
    const bool locked = locks && flock(fd, LOCK_EX) == 0;
    const bool ok = writeall(fd, s.data(), s.size());
    const int e = errno;
    if (locked) flock(fd, LOCK_UN);
    errno = e;
    return ok;
  };
}

linesink::~linesink() { finish(); }

bool linesink::put(bool all) {
  const std::size_t n = all ? held.size() : held.rfind('\n') + 1;  // npos + 1 is 0
  if (n == 0 || err) return err == 0;
  if (!write(std::string_view(held.data(), n))) err = errno ? errno : EIO;
  held.erase(0, n);
  return err == 0;
}

bool linesink::finish() { return put(true); }

linesink::int_type linesink::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  const char ch = traits_type::to_char_type(c);
  return xsputn(&ch, 1) == 1 ? c : traits_type::eof();
}

std::streamsize linesink::xsputn(const char* s, std::streamsize n) {
  if (err) return 0;
  held.append(s, static_cast<std::size_t>(n));
  if (held.size() >= holdbytes && !put(false)) return 0;
  return n;
}

int linesink::sync() { return put(false) ? 0 : -1; }
