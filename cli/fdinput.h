// Standard input as a stream that tells a read error from the end of the
// input: std::cin takes both as the end, so that a failed read would pass
// for a short file.
#pragma once

#include <istream>
#include <streambuf>
#include <string>

// The bytes of a descriptor. A failed read throws inside the stream, which
// sets its badbit; the error stays in error().
class fdinbuf : public std::streambuf {
 public:
  explicit fdinbuf(int fd) : fd(fd) {}
  int error() const { return err; }

 protected:
  int_type underflow() override;

 private:
  int fd;
  int err = 0;
  char buf[65536];
};

// Why a stream with its badbit set could not be read: "cannot read", with
// the system's reason when the stream reads an fdinbuf.
std::string readfailure(const std::istream& in);
