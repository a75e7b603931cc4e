// The chart page written to a file: PNG, SVG or PDF.
#pragma once

#include <iosfwd>
#include <string>

#include <cairo.h>

#include "chart/birth.h"
#include "fileio/outfile.h"

enum class pageformat { none, png, svg, pdf };

struct pageopts {
  pageformat format = pageformat::none;
  std::string path;  // "-" is standard output
  bool north = false;
  int scale = 1;  // PNG only, 1 to 4
};

// The page of b and s, in the North style or the South, on white in a new
// RGB24 image of w x h pixels: at k times its size, its top-left corner at
// (x, y) of the image. The PNG's image, and any part of it that the window
// shows. The caller destroys it.
cairo_surface_t* pageimage(int w, int h, double x, double y, double k, const birthdata& b,
                           const chartstate& s, bool north);

// The file of one PNG or SVG page, or of a PDF with one A4 landscape page per
// chart in the order added, written through an outfile: beside its path
// under a temporary name and renamed onto the path only when it is complete,
// so that a failed run never leaves a half-written file under the requested
// name (devices, FIFOs and descriptors are written directly).
class pagefile {
 public:
  // out takes the file when the path is "-".
  pagefile(const pageopts& o, std::ostream& out);
  ~pagefile();
  pagefile(const pagefile&) = delete;
  pagefile& operator=(const pagefile&) = delete;

  // Opens the output (outfile::open); false with the reason in why.
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
  outfile file;  // the output, unless o.path is "-" (out)
  bool failed = false;
  int count = 0;
  cairo_surface_t* pdf = nullptr;
  void discard();
};
