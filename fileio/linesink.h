// Standard output in whole lines: a chart file that another program appends
// to at the same time (the window's Save, a second import) never gets a
// line cut by a write.
#pragma once

#include <cstddef>
#include <streambuf>
#include <string>

// A stream buffer that writes to fd only whole lines, through writeall. When
// fd is a regular file, each write holds the file's lock (flock), as Save
// does, so that a Save's check of the last byte and its line never fall
// inside a write of ours. The text after the last line feed is written by
// finish().
class linesink : public std::streambuf {
 public:
  explicit linesink(int fd);
  ~linesink() override;
  // Writes what is held, whole lines or not; false when a write failed (now
  // or before), with error() its errno.
  bool finish();
  int error() const { return err; }

  // Lines are held until this many bytes wait, or the stream is flushed.
  static constexpr std::size_t holdbytes = 65536;

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* s, std::streamsize n) override;
  int sync() override;

 private:
  // Writes the held bytes up to the last line feed, or all of them.
  bool put(bool all);

  int fd;
  bool locks;  // fd is a regular file
  std::string held;
  int err = 0;
};
