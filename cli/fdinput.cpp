// Standard input that reports its read errors.
#include "cli/fdinput.h"

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
  return b && b->error() ? std::string("cannot read: ") + std::strerror(b->error())
                         : "cannot read";
}
