// The page that the window's File > Export Page writes: which kind of file
// the chooser's answer names, and the file itself. No toolkit.
#pragma once

#include <string>

#include "chart/birth.h"
#include "engine/chart.h"
#include "page/pagefile.h"

// The chooser's filters, "name<TAB>pattern" a line: PNG, SVG, PDF, at
// indexes 0, 1 and 2.
extern const char* const exportfilters;

struct exporttarget {
  pageformat format = pageformat::png;
  std::string path;
  bool added = false;  // the extension was added to the name chosen
};

// The file that a chosen name and filter (its index in exportfilters) name.
// The name's own extension .png, .svg or .pdf, in any case, gives the kind,
// whatever the filter; a name without one of them gets the filter's kind,
// and its extension is added (an unknown filter counts as PNG).
exporttarget exportfile(const std::string& name, int filter);

// Writes the page of b and s, in the North style or the South, to t.path
// through a pagefile: beside it and renamed onto it when complete. A path
// that is the chart file, by any name or through a link to where it is
// not yet, or that is a FIFO or a device, is refused before anything is
// written. False with the alert's text in why: the path and the reason.
bool exportpage(const exporttarget& t, bool north, const std::string& chartfile, const birthdata& b,
                const chartstate& s, std::string& why);
