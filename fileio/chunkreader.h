// Reading in chunks: the one read loop, for the chart file, vornak-chart's
// input and the atlas's files.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// The bytes of a descriptor, a chunk of up to chunksize bytes at a time,
// each read made again when a signal interrupts it.
class chunkreader {
 public:
  static constexpr std::size_t chunksize = 65536;
  // Reads fd, which the caller closes.
  explicit chunkreader(int fd);
  // The next chunk, valid until the next call; false at the end of the
  // input, or when the read fails (error() then gives its errno). Each call
  // reads again: a terminal gives more after its end of input.
  bool next(std::string_view& chunk);
  // The errno of the last read that failed, or 0.
  int error() const { return err; }

 private:
  int fd;
  int err = 0;
  std::unique_ptr<char[]> buf;
};

// Reads a data file of the system's whole into text: a regular file of at
// most maxsize bytes. False, with errno set, when it cannot be opened or
// read, when it is anything else (a FIFO, a device, a folder: EINVAL,
// without waiting on it), or when it is larger (EFBIG).
bool readdatafile(const std::string& path, std::string& text, std::size_t maxsize);
