// vornak-chart: prints the charts of a chart file as text or JSON Lines, or
// writes their pages to a PNG, SVG or PDF file.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/chartcmd.h"
#include "cli/input.h"
#include "cli/messages.h"
#include "fileio/linesink.h"
#include "fileio/stdfds.h"
#include "page/cairocanvas.h"

int main(int argc, char** argv) {
  // A closed standard descriptor would be taken by the next file opened.
  openstdfds();
  ignorefilesizesignal();
  std::vector<std::string> args(argv + 1, argv + argc);
  fdinbuf inbuf(0);
  std::istream in(&inbuf);
  // Whole lines, so that a chart file appended to by >> and by a Save at the
  // same time keeps every line whole.
  linesink outbuf(1);
  std::streambuf* const cout = std::cout.rdbuf(&outbuf);
  int status = chartcmd(args, in, std::cout, std::cerr);
  cairofontsend();
  // Output that never reached its file is a failure, not a success.
  std::cout.flush();
  bool failed = !outbuf.finish();
  std::cout.rdbuf(cout);
  failed = std::fflush(stdout) != 0 || std::ferror(stdout) || failed;
  if (failed && status != 2) status = cantwrite(std::cerr);
  return status;
}
