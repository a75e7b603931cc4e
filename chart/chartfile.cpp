// The chart file, through its descriptor: Save under a lock, the list and
// the loader in pieces.
#include "chart/chartfile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <utility>

#include "fileio/cannot.h"
#include "fileio/chunkreader.h"

bool chartappend::open(const char* path, int waitms) {
  // Read and write on one descriptor; a file that cannot be read is still
  // appended to when it is empty, as there is no last byte to check.
  // O_NONBLOCK: a FIFO must not hold the window; it is refused below.
  const int flags = O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  fd = ::open(path, O_RDWR | flags, 0666);
  if (fd < 0 && errno == EACCES) fd = ::open(path, O_WRONLY | flags, 0666);
  if (fd < 0) return false;
  // Another program's lock is waited for, at most waitms ms when that is not
  // negative: tried again each millisecond, since another Save holds it for
  // a moment only. A file system without locks (ENOLCK) still takes the
  // lines.
  int locked;
  for (int waited = 0; (locked = flock(fd, LOCK_EX | (waitms < 0 ? 0 : LOCK_NB))) != 0 &&
                       errno == EWOULDBLOCK && waited < waitms;
       ++waited)
    usleep(1000);
  bool ok = locked == 0 || errno == ENOLCK;
  if (!ok && errno == EWOULDBLOCK) errno = EAGAIN;  // still locked
  struct stat st;
  ok = ok && fstat(fd, &st) == 0;
  if (ok && !S_ISREG(st.st_mode)) ok = false, errno = EINVAL;
  if (ok && st.st_size > 0) {
    char last;
    ok = pread(fd, &last, 1, st.st_size - 1) == 1;
    newline = ok && last != '\n';
  }
  if (!ok) {
    const int e = errno;
    close(fd);
    fd = -1;
    errno = e;
    return false;
  }
  size = st.st_size;
  return true;
}

bool chartappend::add(std::string_view lines, writefn w) {
  if (fd < 0 || failed) return false;
  // A last line without its line feed gets one before the first new line,
  // so that both stay whole.
  failed = (newline && !writeall(fd, "\n", 1, w)) || !writeall(fd, lines.data(), lines.size(), w);
  newline = false;
  return !failed;
}

bool chartappend::commit() {
  if (fd < 0) return false;
  // On disk before the lock goes: a file system that finds no room only
  // when it writes back says so here. Lines that failed are cut off again,
  // and that cut put on disk.
  bool ok = !failed && fsync(fd) == 0;
  if (!ok) abandon();
  close(fd);  // after fsync the lines are on disk; closing cannot lose them
  fd = -1;
  return ok;
}

void chartappend::abandon() {
  if (fd >= 0 && ftruncate(fd, size) == 0) fsync(fd);
}

chartappend::~chartappend() {
  if (fd < 0) return;
  abandon();
  close(fd);
}

bool appendchart(const char* path, const birthdata& b, writefn w, int waitms) {
  char line[chartlineroom];
  const int n = writechartline(line, b);
  chartappend f;
  if (!path || n <= 0 || !f.open(path, waitms)) return false;
  return f.add(std::string_view(line, static_cast<std::size_t>(n)), w) && f.commit();
}

const char* itemend(const char* p, const char* end, std::size_t held) {
  // The byte that follows the 1023rd ends the item, whichever it is.
  const char* full = static_cast<std::size_t>(end - p) > 1023 - held ? p + (1023 - held) : end;
  for (; p != full; ++p)
    if (*p == '\n' || *p == '\0') return p;
  return full;
}

void itemreader::feed(std::string_view piece) {
  p = piece.data();
  end = p + piece.size();
}

bool itemreader::next(std::string_view& item) {
  if (done) nheld = 0, done = false;
  if (p == end) return false;
  const char* e = itemend(p, end, nheld);
  std::size_t n = static_cast<std::size_t>(e - p);
  if (e == end) {
    // Cut by the piece's end: kept until the next piece completes it.
    std::memcpy(held + nheld, p, n);
    nheld += n;
    p = end;
    return false;
  }
  if (nheld == 0) {
    item = std::string_view(p, n);
  } else {
    std::memcpy(held + nheld, p, n);
    nheld += n;
    item = std::string_view(held, nheld);
    done = true;
  }
  p = e + 1;
  return true;
}

namespace {

// The open chart file for reading, or -1 with notfile set when it is not a
// regular file, -1 alone when it cannot be opened.
int openchartfile(const char* path, bool* notfile) {
  if (notfile) *notfile = false;
  if (!path || !*path) return -1;
  // O_NONBLOCK: opening a FIFO must not wait for a writer.
  int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    if (notfile) *notfile = true;
    close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

linereader::linereader(int fd)
    : linereader(
          [r = std::make_shared<chunkreader>(fd)](std::string_view& piece, std::string& why) {
            if (r->next(piece)) return true;
            if (r->error()) why = cannot("read", r->error());
            return false;
          }) {}

linereader::linereader(readfn read) : read(std::move(read)) {}

bool linereader::next(std::string_view& item) {
  while (!ended && why.empty()) {
    if (items.next(item)) return true;
    std::string_view piece;
    if (read(piece, why)) {
      items.feed(piece);
    } else if (why.empty()) {
      ended = true;
      item = items.last();
      return true;
    }
  }
  return false;
}

listing listfile(const char* path, const std::function<void(std::string_view)>& add,
                 listlimit limit) {
  listing l;
  if (!path || !*path) {
    l.opened = true;
    return l;
  }
  int fd = openchartfile(path, &l.notfile);
  if (fd < 0) {
    if (!l.notfile && errno != ENOENT) l.why = cannot("read", errno);
    return l;
  }
  linereader lines(fd);
  std::size_t count = 0, bytes = 0;
  std::string_view item;
  while (!l.cut && lines.next(item)) {
    if (count < limit.items && bytes + item.size() <= limit.bytes)
      add(item), ++count, bytes += item.size();
    else
      l.cut = true;
  }
  l.opened = l.cut || lines.failed().empty();
  if (!l.opened) l.why = lines.failed();
  close(fd);
  return l;
}

chartload loadchart(const char* path, int n) {
  chartload r;
  int fd = openchartfile(path, nullptr);
  if (fd < 0) {
    r.why = "Couldn't open chart file!";
    return r;
  }
  // Item n, read up to its end and no further.
  std::string item;
  bool found = false;
  linereader lines(fd);
  std::string_view s;
  for (long count = 0; n >= 0 && !found && lines.next(s); ++count)
    if (count == n) item.assign(s), found = true;
  bool failed = !lines.failed().empty();
  close(fd);
  if (failed) {
    r.why = "Couldn't open chart file!";
    return r;
  }
  if (!found || item.empty()) {
    r.state = loadstate::nochart;
    r.why = "no chart at item " + std::to_string(n);
    return r;
  }
  lineread l = readchartline(item);
  r.state = l.ok ? loadstate::chart : loadstate::badline;
  r.why = l.why;
  r.rec = l.rec;
  return r;
}
