// vornak-chart's input: FILE, or standard input as a stream that tells a
// read error from the end of the input (std::cin takes both as the end, so
// that a failed read would pass for a short file).
#pragma once

#include <istream>
#include <memory>
#include <streambuf>
#include <string>

#include "chart/chartfile.h"
#include "fileio/chunkreader.h"

// The bytes of a descriptor, read by a chunkreader. A failed read throws
// inside the stream, which sets its badbit; the error stays in error().
class fdinbuf : public std::streambuf {
 public:
  explicit fdinbuf(int fd) : chunks(fd) {}
  int error() const { return chunks.error(); }

 protected:
  int_type underflow() override;

 private:
  chunkreader chunks;
};

// Why a stream with its badbit set could not be read: "cannot read", with
// the system's reason when the stream reads an fdinbuf.
std::string readfailure(const std::istream& in);

// A file opened for reading by its path, closed with the object.
class openedfile {
 public:
  openedfile() = default;
  ~openedfile();
  openedfile(const openedfile&) = delete;
  openedfile& operator=(const openedfile&) = delete;

 protected:
  // Opens path; false with "cannot open: " and the system's reason.
  bool openpath(const std::string& path, std::string& why);
  int fd = -1;
};

// The lines of FILE: the file at its path, or the stream in for "-".
class inputfile : openedfile {
 public:
  // Opens the input; false with "cannot open: " and the system's reason.
  bool open(const std::string& path, std::istream& in, std::string& why);
  // Its lines, once it is open.
  linereader& lines() { return *reader; }

 private:
  std::unique_ptr<linereader> reader;
};

// The bytes of FILE as a stream that reports its read errors (readfailure):
// the file at its path, or the stream in for "-".
class inputbytes : openedfile {
 public:
  // Opens the input; false with "cannot open: " and the system's reason.
  bool open(const std::string& path, std::istream& in, std::string& why);
  // Its bytes, once it is open.
  std::istream& stream() { return *bytes; }

 private:
  std::unique_ptr<fdinbuf> buf;
  std::unique_ptr<std::istream> file;
  std::istream* bytes = nullptr;
};
