// The chart page as a PNG, SVG or PDF file.
#include "page/pagefile.h"

#include <cairo-pdf.h>

#include <algorithm>
#include <cstring>
#include <ostream>

#include "engine/zodiac.h"
#include "fileio/cannot.h"
#include "page/cairocanvas.h"
#include "page/cairopng.h"
#include "page/filestyle.h"
#include "page/page.h"
#include "page/svgcanvas.h"
#include "version.h"

namespace {

// A4 landscape in points, and the least margin around the page on it.
constexpr double a4width = 841.89, a4height = 595.28, a4margin = 36;

cairo_status_t writeout(void* closure, const unsigned char* data, unsigned int n) {
  return static_cast<pagefile*>(closure)->put(data, n) ? CAIRO_STATUS_SUCCESS
                                                       : CAIRO_STATUS_WRITE_ERROR;
}

// The name as the outline of a PDF shows it: without its trailing blanks.
std::string outlinename(const birthdata& b) {
  std::string n(b.name, strnlen(b.name, sizeof b.name));
  while (!n.empty() && n.back() == ' ') n.pop_back();
  return drawntext(n);
}

}  // namespace

cairo_surface_t* pageimage(int w, int h, double x, double y, double k, const birthdata& b,
                           const chartstate& s, bool north) {
  cairo_surface_t* img = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
  cairo_t* cr = cairo_create(img);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, k, k);
  {
    cairocanvas c(cr);
    drawpage(c, b, s, north);
  }
  cairo_destroy(cr);
  return img;
}

pagefile::pagefile(const pageopts& o, std::ostream& out) : o(o), out(out) {}

pagefile::~pagefile() { discard(); }

bool pagefile::open(std::string& why) {
  if (o.path != "-" && !file.open(o.path, why)) return false;
  if (o.format == pageformat::pdf) {
    pdf = cairo_pdf_surface_create_for_stream(writeout, this, a4width, a4height);
    cairo_pdf_surface_set_metadata(pdf, CAIRO_PDF_METADATA_CREATOR, "vornak-chart " VORNAK_VERSION);
  }
  return true;
}

bool pagefile::put(const void* data, std::size_t n) {
  if (failed) return false;
  if (o.path != "-") {
    failed = !file.write(data, n);
  } else {
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(n));
    failed = !out;
  }
  return !failed;
}

void pagefile::add(const birthdata& b, const chartstate& s) {
  ++count;
  if (o.format == pageformat::svg) {
    svgcanvas c(pagewidth, pageheight);
    drawpage(c, b, s, o.north);
    std::string doc = c.svg();
    put(doc.data(), doc.size());
  } else if (o.format == pageformat::png) {
    // The page is scaled by a whole factor, so its lines stay on whole
    // pixels.
    cairo_surface_t* img =
        pageimage(pagewidth * o.scale, pageheight * o.scale, 0, 0, o.scale, b, s, o.north);
    if (!writepng(img, writeout, this)) failed = true;
    cairo_surface_destroy(img);
  } else if (pdf) {
    // The page as large as fits within the margins, centred on the sheet.
    double k =
        std::min((a4width - 2 * a4margin) / pagewidth, (a4height - 2 * a4margin) / pageheight);
    cairo_t* cr = cairo_create(pdf);
    cairo_translate(cr, (a4width - k * pagewidth) / 2, (a4height - k * pageheight) / 2);
    cairo_scale(cr, k, k);
    cairocanvas c(cr);
    drawpage(c, b, s, o.north);
    cairo_show_page(cr);
    cairo_destroy(cr);
    std::string dest = "page=" + std::to_string(count);
    cairo_pdf_surface_add_outline(pdf, CAIRO_PDF_OUTLINE_ROOT, outlinename(b).c_str(), dest.c_str(),
                                  CAIRO_PDF_OUTLINE_FLAG_OPEN);
  }
}

bool pagefile::finish(std::string& why) {
  if (count == 0) {
    discard();
    why = "no chart to write; nothing written";
    return false;
  }
  if (pdf) {
    cairo_surface_finish(pdf);
    if (cairo_surface_status(pdf) != CAIRO_STATUS_SUCCESS) failed = true;
    cairo_surface_destroy(pdf);
    pdf = nullptr;
  }
  if (o.path != "-") {
    // A write that failed is told by the commit, with its reason; a page
    // that cairo could not make has none.
    if (failed && !file.writefailed()) {
      discard();
      why = cannot("write", 0);
      return false;
    }
    if (!file.commit(why)) {
      discard();
      return false;
    }
    return true;
  }
  out.flush();
  if (failed || !out) {
    discard();
    why = cannot("write", 0);
    return false;
  }
  return true;
}

// Drops whatever is unfinished: the PDF surface (which would write its end
// on destruction, so writing is stopped first), the temporary file.
void pagefile::discard() {
  failed = true;
  if (pdf) {
    cairo_surface_destroy(pdf);
    pdf = nullptr;
  }
  file.discard();
}
