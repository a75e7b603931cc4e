// The chart page written to a file: PNG, SVG or PDF.
#pragma once

#include <cstdio>
#include <iosfwd>
#include <string>
#include <vector>

#include <cairo.h>

#include "chart/birth.h"

enum class pageformat { none, png, svg, pdf };

struct pageopts {
  pageformat format = pageformat::none;
  std::string path;  // "-" is standard output
  bool north = false;
  int scale = 1;     // PNG only, 1 to 4
  bool scaleset = false;
};

// Reads one page option at args[i] (--png FILE, --svg FILE, --pdf FILE,
// --north, --scale K, also as --opt=VALUE), moving i past its value.
// Returns 0 when args[i] is none of them, 1 when it was read, -1 when it is
// wrong, with the reason in why.
int pageoption(const std::vector<std::string>& args, std::size_t& i, pageopts& o,
               std::string& why);

// The options together: a page format for --north and --scale, --scale only
// with --png. Returns the reason they do not go together, or "".
std::string pageoptscheck(const pageopts& o);

// The file of one PNG or SVG page, or of a PDF with one A4 landscape page per
// chart in the order added. The file is written beside its path under a
// temporary name and renamed onto the path only when it is complete, so that
// a failed run never leaves a half-written file under the requested name.
class pagefile {
 public:
  // out takes the file when the path is "-".
  pagefile(const pageopts& o, std::ostream& out);
  ~pagefile();
  pagefile(const pagefile&) = delete;
  pagefile& operator=(const pagefile&) = delete;

  // Creates the temporary file; false with the reason in why.
  bool open(std::string& why);
  // Adds the page of one chart. A PNG or SVG takes one.
  void add(const birthdata& b, const chartstate& s);
  int pages() const { return count; }
  // Completes the file and puts it under its name; false with the reason in
  // why. With no page added nothing is written and the temporary file goes.
  bool finish(std::string& why);

  // Writes n bytes to the file; false once a write has failed.
  bool put(const void* data, std::size_t n);

 private:
  pageopts o;
  std::ostream& out;
  std::string dest;          // the file that the temporary file replaces
  std::string tmp;           // the temporary file's path, or ""
  std::FILE* f = nullptr;
  bool failed = false;
  int err = 0;               // errno of the failed write
  int count = 0;
  cairo_surface_t* pdf = nullptr;
  bool startpdf();
  void discard();
};
