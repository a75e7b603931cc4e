// Prints the recorder's log of the page of one chart line, for the tests of
// the page files. Usage: pagelog CHARTLINE [north]
#include <cstdio>
#include <string>

#include "chart/chartline.h"
#include "page/page.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  lineread r = readchartline(argv[1]);
  if (!r.ok) return 1;
  recorder rec;
  drawpage(rec, r.rec, castchart(r.rec), argc > 2 && std::string(argv[2]) == "north");
  for (const std::string& l : rec.log) std::printf("%s\n", l.c_str());
  return 0;
}
