// The window program's state.
#include "gui/shell.h"

#include <ctime>

#include <FL/Fl_Widget.H>

void setupplanets(shell& s) { s.chart = castchart(s.birth); }

int on_init(shell& s) {
  // One reading of the clock gives both the record's fields and the date line.
  std::time_t now = std::time(nullptr);
  s.birth = startrecord(*std::localtime(&now));
  s.kept = s.birth;
  s.north = false;
  setupplanets(s);
  return 1;
}

void setchart(shell& s, const birthdata& b) {
  s.birth = b;
  setupplanets(s);
  redrawpage(s);
}

void redrawpage(shell& s) {
  if (s.page) s.page->redraw();
}
