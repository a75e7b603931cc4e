// vornak-chart's input: FILE, or standard input that reports its read errors.
#include "cli/input.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

fdinbuf::int_type fdinbuf::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  ssize_t n;
  do n = read(fd, buf, sizeof buf);
  while (n < 0 && errno == EINTR);
  if (n < 0) {
    err = errno;
    throw std::runtime_error(std::strerror(err));
  }
  if (n == 0) return traits_type::eof();
  setg(buf, buf, buf + n);
  return traits_type::to_int_type(*gptr());
}

std::string readfailure(const std::istream& in) {
  auto* b = dynamic_cast<const fdinbuf*>(in.rdbuf());
  return b && b->error() ? std::string("cannot read: ") + std::strerror(b->error()) : "cannot read";
}

openedfile::~openedfile() {
  if (fd >= 0) close(fd);
}

bool openedfile::openpath(const std::string& path, std::string& why) {
  fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd >= 0) return true;
  why = std::string("cannot open: ") + std::strerror(errno);
  return false;
}

bool inputfile::open(const std::string& path, std::istream& in, std::string& why) {
  if (path == "-") {
    reader = std::make_unique<linereader>([&in](char* buf, std::size_t n, std::string& why) {
      in.read(buf, static_cast<std::streamsize>(n));
      if (!in.bad()) return static_cast<long>(in.gcount());
      why = readfailure(in);
      return -1L;
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
