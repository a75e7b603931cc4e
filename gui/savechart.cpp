// File > Save: the current chart appended to the chart file.
#include <FL/fl_ask.H>

#include "chart/chartfile.h"
#include "gui/commands.h"
#include "gui/shell.h"

void save_cb(Fl_Widget*, void* p) {
  shell& sh = *static_cast<shell*>(p);
  if (appendchart(chartfilename, sh.birth)) {
    sh.kept = sh.birth;
    fl_message("Chart has been saved.");
  } else {
    fl_alert("Error saving chart!");
  }
}
