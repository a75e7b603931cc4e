// The page's texts through the cairo canvas on arbitrary bytes: the header
// of a record whose name and place hold them, and the bytes as one text, on
// an image and on a PDF page. Nothing reads out of bounds, and cairo is never
// left in an error state (which would silently end all later drawing).
#include <cairo-pdf.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "page/cairocanvas.h"
#include "page/page.h"

namespace {

cairo_status_t discard(void*, const unsigned char*, unsigned int) { return CAIRO_STATUS_SUCCESS; }

void draw(cairo_surface_t* s, const birthdata& b, const std::string& text) {
  cairo_t* cr = cairo_create(s);
  {
    cairocanvas c(cr);
    c.setfont(facehelvetica, 11);
    draw_info(c, b, 8, 12);
    c.drawtext(text.c_str(), 8, 56);
  }
  if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) std::abort();
  cairo_destroy(cr);
}

}  // namespace

// The font caches go before the leak checker looks, at exit, as in
// vornak-chart.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::atexit(cairofontsend);
  return 0;
}

// Pango matches fonts in a thread of its own, which may still hold some of
// fontconfig's patterns when the process ends: not this program's memory.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  birthdata b;
  std::memcpy(b.name, text.data(), std::min<size_t>(size, 23));
  if (size > 23) std::memcpy(b.place, text.data() + 23, std::min<size_t>(size - 23, 23));
  text.erase(std::find(text.begin(), text.end(), '\0'), text.end());
  cairo_surface_t* img = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 400, 64);
  draw(img, b, text);
  cairo_surface_destroy(img);
  cairo_surface_t* pdf = cairo_pdf_surface_create_for_stream(discard, nullptr, 400, 64);
  draw(pdf, b, text);
  cairo_surface_finish(pdf);
  if (cairo_surface_status(pdf) != CAIRO_STATUS_SUCCESS) std::abort();
  cairo_surface_destroy(pdf);
  return 0;
}
