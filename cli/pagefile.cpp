// The chart page as a PNG, SVG or PDF file.
#include "cli/pagefile.h"

#include <cairo-pdf.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ostream>

#include "version.h"
#include "page/cairocanvas.h"
#include "page/cairopng.h"
#include "page/filestyle.h"
#include "page/page.h"
#include "page/svgcanvas.h"

namespace {

// The page in pixels, as the window's chart view holds it.
constexpr int pagewidth = 760, pageheight = 600;

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

int pageoption(const std::vector<std::string>& args, std::size_t& i, pageopts& o,
               std::string& why) {
  const std::string& a = args[i];
  if (a == "--north") {
    o.north = true;
    return 1;
  }
  static const struct {
    const char* name;
    pageformat format;
  } valued[] = {{"--png", pageformat::png}, {"--svg", pageformat::svg},
                {"--pdf", pageformat::pdf}, {"--scale", pageformat::none}};
  for (const auto& opt : valued) {
    std::string name = opt.name;
    std::string v;
    if (a == name) {
      if (i + 1 >= args.size()) {
        why = name + (opt.format == pageformat::none ? " needs a number from 1 to 4"
                                                     : " needs a file name");
        return -1;
      }
      v = args[++i];
    } else if (a.rfind(name + "=", 0) == 0) {
      v = a.substr(name.size() + 1);
    } else {
      continue;
    }
    if (opt.format == pageformat::none) {
      if (v.size() != 1 || v[0] < '1' || v[0] > '4') {
        why = "--scale needs a number from 1 to 4, not \"" + v + "\"";
        return -1;
      }
      o.scale = v[0] - '0';
      o.scaleset = true;
    } else {
      if (o.format != pageformat::none) {
        why = "only one of --png, --svg and --pdf, please";
        return -1;
      }
      if (v.empty()) {
        why = name + " needs a file name";
        return -1;
      }
      o.format = opt.format;
      o.path = v;
    }
    return 1;
  }
  return 0;
}

std::string pageoptscheck(const pageopts& o) {
  if (o.format == pageformat::none && (o.north || o.scaleset))
    return "--north and --scale go with --png, --svg or --pdf";
  if (o.scaleset && o.format != pageformat::png) return "--scale goes with --png only";
  return "";
}

pagefile::pagefile(const pageopts& o, std::ostream& out) : o(o), out(out) {}

pagefile::~pagefile() { discard(); }

// A new file gets the permissions that creating it directly would give it,
// a replaced one keeps its own; a symbolic link is followed, so that the
// file it names is replaced, not the link. Whatever is not a regular file (a
// device, a pipe, /dev/stdout) is written directly: renaming onto it would
// replace it.
bool pagefile::open(std::string& why) {
  auto fail = [&] {
    why = std::string("cannot write: ") + std::strerror(errno);
    return false;
  };
  if (o.path != "-") {
    struct stat st;
    bool exists = stat(o.path.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
      f = std::fopen(o.path.c_str(), "wb");
      return f ? startpdf() : fail();
    }
    dest = o.path;
    if (exists) {
      char* real = realpath(o.path.c_str(), nullptr);
      if (!real) return fail();
      dest = real;
      std::free(real);
    }
    std::string name = dest + ".XXXXXX";
    int fd = mkstemp(name.data());
    if (fd < 0) return fail();
    tmp = name;
    mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, exists ? st.st_mode & 07777 : 0666 & ~mask);
    f = fdopen(fd, "wb");
    if (!f) {
      int e = errno;
      close(fd);
      errno = e;
      return fail();
    }
  }
  return startpdf();
}

bool pagefile::startpdf() {
  if (o.format == pageformat::pdf) {
    pdf = cairo_pdf_surface_create_for_stream(writeout, this, a4width, a4height);
    cairo_pdf_surface_set_metadata(pdf, CAIRO_PDF_METADATA_CREATOR, "vornak-chart " VORNAK_VERSION);
  }
  return true;
}

bool pagefile::put(const void* data, std::size_t n) {
  if (failed) return false;
  if (f) {
    failed = std::fwrite(data, 1, n, f) != n;
    if (failed) err = errno;
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
    // A white RGB image; the page is scaled by a whole factor, so its lines
    // stay on whole pixels.
    cairo_surface_t* img = cairo_image_surface_create(
        CAIRO_FORMAT_RGB24, pagewidth * o.scale, pageheight * o.scale);
    cairo_t* cr = cairo_create(img);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_scale(cr, o.scale, o.scale);
    cairocanvas c(cr);
    drawpage(c, b, s, o.north);
    cairo_destroy(cr);
    if (!writepng(img, writeout, this)) failed = true;
    cairo_surface_destroy(img);
  } else if (pdf) {
    // The page as large as fits within the margins, centred on the sheet.
    double k = std::min((a4width - 2 * a4margin) / pagewidth,
                        (a4height - 2 * a4margin) / pageheight);
    cairo_t* cr = cairo_create(pdf);
    cairo_translate(cr, (a4width - k * pagewidth) / 2, (a4height - k * pageheight) / 2);
    cairo_scale(cr, k, k);
    cairocanvas c(cr);
    drawpage(c, b, s, o.north);
    cairo_show_page(cr);
    cairo_destroy(cr);
    std::string dest = "page=" + std::to_string(count);
    cairo_pdf_surface_add_outline(pdf, CAIRO_PDF_OUTLINE_ROOT, outlinename(b).c_str(),
                                  dest.c_str(), CAIRO_PDF_OUTLINE_FLAG_OPEN);
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
  if (f) {
    // On disk before the rename, so that the name never holds a short file.
    if (std::fflush(f) != 0 || (!tmp.empty() && fsync(fileno(f)) != 0)) {
      if (!failed) err = errno;
      failed = true;
    }
    if (std::fclose(f) != 0 && !failed) {
      err = errno;
      failed = true;
    }
    f = nullptr;
    if (!failed && !tmp.empty() && std::rename(tmp.c_str(), dest.c_str()) != 0) {
      err = errno;
      failed = true;
    }
    if (!failed) tmp.clear();
  } else {
    out.flush();
    failed = failed || !out;
  }
  if (failed) {
    discard();
    why = err ? std::string("cannot write: ") + std::strerror(err) : "cannot write";
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
  if (f) {
    std::fclose(f);
    f = nullptr;
  }
  if (!tmp.empty()) {
    std::remove(tmp.c_str());
    tmp.clear();
  }
}
