// Standard output in whole lines: a chart file that another program appends
// to at the same time (the window's Save, a second import) never gets a
// line cut by a write.
#pragma once

#include <cstddef>
#include <functional>
#include <streambuf>
#include <string>
#include <string_view>

// A stream buffer that writes only whole lines. The text after the last line
// feed is written by finish().
class linesink : public std::streambuf {
 public:
  // Writes bytes somewhere; false on failure, with errno set.
  using writer = std::function<bool(std::string_view)>;
  // To fd, through writeall. When fd is a regular file, each write holds the
  // file's lock (flock), as Save does, so that a Save's check of the last
  // byte and its line never fall inside a write of ours.
  explicit linesink(int fd);
  explicit linesink(writer w) : write(std::move(w)) {}
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

  writer write;
  std::string held;
  int err = 0;
};
