// Leaving the program: File > Quit and the main window's close button, which
// ask first when the chart shown was entered or changed and not saved.
#include <cstdlib>
#include <string>

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include "atlas/placefill.h"
#include "gui/commands.h"
#include "gui/question.h"
#include "gui/quitcheck.h"
#include "gui/shell.h"

namespace {

// True when nothing would be lost or the user says to quit all the same.
// Cancel, Escape and closing the question keep the program; Return does
// nothing, so that no key held or pressed twice loses the chart.
bool mayquit(const shell& sh) {
  const std::string q = quitquestion(sh.birth, sh.kept);
  return q.empty() || ask(wrapped(q, 64), {"Cancel", "Quit"}) == 1;
}

}  // namespace

void quit_cb(Fl_Widget*, void* sh) {
  if (mayquit(*static_cast<shell*>(sh))) std::exit(0);
}

// The toolkit sends Escape here too, as a close request; Escape no longer
// closes the main window. Quitting hides every window (the help's too), so
// that the event loop ends.
void close_cb(Fl_Widget*, void* sh) {
  if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
  if (!mayquit(*static_cast<shell*>(sh))) return;
  while (Fl_Window* w = Fl::first_window()) w->hide();
}
