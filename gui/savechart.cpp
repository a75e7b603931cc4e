// File > Save: the current chart appended to the chart file.
#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_ask.H>

#include "chart/chartfile.h"
#include "gui/commands.h"
#include "gui/shell.h"

// Another program's lock on the chart file is waited for a few seconds at
// most (savewaitms), with the busy cursor; then Save fails as any other.
void save_cb(Fl_Widget*, void* p) {
  shell& sh = *static_cast<shell*>(p);
  Fl_Window* win = Fl::first_window();
  if (win) {
    win->cursor(FL_CURSOR_WAIT);
    Fl::flush();
  }
  const bool saved = appendchart(chartfilename, sh.birth);
  if (win) win->cursor(FL_CURSOR_DEFAULT);
  if (saved) {
    sh.kept = sh.birth;
    fl_message("Chart has been saved.");
  } else {
    fl_alert("Error saving chart!");
  }
}
