// The page that the window exports.
#include "page/pageexport.h"

#include <strings.h>
#include <sys/stat.h>

#include <ostream>

#include "chart/escape.h"
#include "fileio/outfile.h"

const char* const exportfilters = "PNG\t*.png\nSVG\t*.svg\nPDF\t*.pdf";

namespace {

struct kind {
  pageformat format;
  const char* ext;
};
// In the order of exportfilters.
const kind kinds[] = {
    {pageformat::png, ".png"}, {pageformat::svg, ".svg"}, {pageformat::pdf, ".pdf"}};

// The alert: what was not done, then the file and why.
std::string failure(const std::string& path, const std::string& reason) {
  return "Error exporting page!\n" + escapebytes(path, escapes::control) + ": " + reason;
}

}  // namespace

exporttarget exportfile(const std::string& name, int filter) {
  exporttarget t;
  t.path = name;
  // The extension of the last component; a leading dot starts a hidden
  // name, not an extension.
  std::size_t base = name.rfind('/');
  base = base == std::string::npos ? 0 : base + 1;
  std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > base) {
    std::string ext = name.substr(dot);
    for (const kind& k : kinds)
      if (strcasecmp(ext.c_str(), k.ext) == 0) {
        t.format = k.format;
        return t;
      }
  }
  const kind& k =
      filter >= 0 && filter < static_cast<int>(std::size(kinds)) ? kinds[filter] : kinds[0];
  t.format = k.format;
  t.path += k.ext;
  t.added = true;
  return t;
}

bool exportpage(const exporttarget& t, bool north, const std::string& chartfile, const birthdata& b,
                const chartstate& s, std::string& why) {
  // The chart file, by any name, also through a link to where it is not yet.
  const std::string at = landing(t.path);
  if (isinput(t.path, chartfile) || (!at.empty() && at == landing(chartfile))) {
    why = failure(t.path, "is the chart file; nothing written");
    return false;
  }
  // A FIFO or a device would hold the window until some process reads it.
  struct stat st;
  if (!at.empty() && stat(at.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) {
    why = failure(t.path, "is not a regular file; nothing written");
    return false;
  }
  pageopts o;
  o.format = t.format;
  o.path = t.path;
  o.north = north;
  // The path is never "-", so nothing goes to this stream.
  std::ostream none(nullptr);
  pagefile f(o, none);
  std::string reason;
  if (f.open(reason)) {
    f.add(b, s);
    if (f.finish(reason)) return true;
  }
  why = failure(t.path, reason);
  return false;
}
