// A cairo image as a PNG file, through libpng.
#include "page/cairopng.h"

#include <png.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

struct sink {
  cairo_write_func_t write;
  void* closure;
};

// A failed write ends the image through libpng's error jump.
void pngwrite(png_structp p, png_bytep data, png_size_t n) {
  auto* s = static_cast<sink*>(png_get_io_ptr(p));
  if (s->write(s->closure, data, static_cast<unsigned>(n)) != CAIRO_STATUS_SUCCESS)
    png_error(p, "write failed");
}

void pngflush(png_structp) {}

// Errors end the image quietly (the caller reports them); no warnings.
[[noreturn]] void pngerror(png_structp p, png_const_charp) { png_longjmp(p, 1); }
void pngwarning(png_structp, png_const_charp) {}

// The pixels of an RGB24 image: each a native 32-bit word 0x00RRGGBB.
struct pixels {
  const unsigned char* data;
  int w, h, stride;
  std::uint32_t at(int x, int y) const {
    std::uint32_t v;
    std::memcpy(&v, data + static_cast<std::size_t>(y) * stride + 4 * x, 4);
    return v;
  }
};

bool isgrey(const pixels& im) {
  for (int y = 0; y < im.h; ++y)
    for (int x = 0; x < im.w; ++x) {
      std::uint32_t v = im.at(x, y);
      if ((v >> 16 & 255) != (v & 255) || (v >> 8 & 255) != (v & 255)) return false;
    }
  return true;
}

// The image through libpng, row by row into row (3 bytes per pixel).
// libpng's errors jump out of this back to writepng.
void writerows(png_structp p, png_infop info, cairo_surface_t* img, png_byte* row) {
  pixels im{cairo_image_surface_get_data(img), cairo_image_surface_get_width(img),
            cairo_image_surface_get_height(img), cairo_image_surface_get_stride(img)};
  int w = im.w, h = im.h;
  bool grey = isgrey(im);
  png_set_compression_level(p, 3);
  png_set_filter(p, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_set_IHDR(p, info, w, h, 8, grey ? PNG_COLOR_TYPE_GRAY : PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
  png_write_info(p, info);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      std::uint32_t v = im.at(x, y);
      if (grey) {
        row[x] = v & 255;
      } else {
        row[3 * x] = v >> 16 & 255;
        row[3 * x + 1] = v >> 8 & 255;
        row[3 * x + 2] = v & 255;
      }
    }
    png_write_row(p, row);
  }
  png_write_end(p, info);
}

}  // namespace

bool writepng(cairo_surface_t* img, cairo_write_func_t write, void* closure) {
  cairo_surface_flush(img);
  sink s{write, closure};
  std::vector<png_byte> row(static_cast<std::size_t>(cairo_image_surface_get_width(img)) * 3);
  png_structp p = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, pngerror, pngwarning);
  if (!p) return false;
  png_infop info = png_create_info_struct(p);
  // libpng reports errors by jumping back here; nothing in this frame changes
  // after this point.
  if (!info || setjmp(png_jmpbuf(p))) {
    png_destroy_write_struct(&p, &info);
    return false;
  }
  png_set_write_fn(p, &s, pngwrite, pngflush);
  writerows(p, info, img, row.data());
  png_destroy_write_struct(&p, &info);
  return true;
}
