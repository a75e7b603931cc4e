// vornak-chart's input: FILE, or standard input that reports its read errors.
#include "cli/input.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

#include "fileio/cannot.h"

fdinbuf::int_type fdinbuf::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  std::string_view chunk;
  if (!chunks.next(chunk)) {
    if (chunks.error()) throw std::runtime_error(cannot("read", chunks.error()));
    return traits_type::eof();
  }
  // The get area is only read (no putback writes into it).
  char* p = const_cast<char*>(chunk.data());
  setg(p, p, p + chunk.size());
  return traits_type::to_int_type(*gptr());
}

std::string readfailure(const std::istream& in) {
  auto* b = dynamic_cast<const fdinbuf*>(in.rdbuf());
  return cannot("read", b ? b->error() : 0);
}

openedfile::~openedfile() {
  if (fd >= 0) close(fd);
}

bool openedfile::openpath(const std::string& path, std::string& why) {
  fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd >= 0) return true;
  why = cannot("open", errno);
  return false;
}

bool inputfile::open(const std::string& path, std::istream& in, std::string& why) {
  if (path == "-") {
    // Pieces of the stream, each kept until the next is read.
    reader = std::make_unique<linereader>([&in, buf = std::string(chunkreader::chunksize, '\0')](
                                              std::string_view& piece, std::string& why) mutable {
      in.read(buf.data(), static_cast<std::streamsize>(buf.size()));
      if (in.bad()) {
        why = readfailure(in);
        return false;
      }
      piece = std::string_view(buf.data(), static_cast<std::size_t>(in.gcount()));
      return !piece.empty();
    });
    return true;
  }
  if (!openpath(path, why)) return false;
  reader = std::make_unique<linereader>(fd);
  return true;
}

bool inputbytes::open(const std::string& path, std::istream& in, std::string& why) {
  if (path == "-") {
    bytes = &in;
    return true;
  }
  if (!openpath(path, why)) return false;
  buf = std::make_unique<fdinbuf>(fd);
  file = std::make_unique<std::istream>(buf.get());
  bytes = file.get();
  return true;
}
