// Help > Using Vornak: the help text (gui/help.html) in a window of its own,
// beside the main window; the program goes on while it is open.
#include <unistd.h>

#include <climits>
#include <string>

#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Help_View.H>

#include "chart/chartfile.h"
#include "gui/commands.h"
#include "gui/helptext.h"
#include "gui/scale.h"
#include "helphtml.h"  // help_html: gui/help.html, made by CMake

namespace {

// The help window passes the shortcuts it does not use to the main window's
// menu, so that Ctrl+N, Ctrl+Q and the others work from it too; Escape,
// which no menu entry uses, closes it.
class helpwin : public Fl_Double_Window {
 public:
  helpwin(Fl_Widget* menu) : Fl_Double_Window(px(560), px(480), "Using Vornak"), menu(menu) {}

  int handle(int event) override {
    if (Fl_Double_Window::handle(event)) return 1;
    return event == FL_SHORTCUT && menu && menu->handle(event);
  }

 private:
  Fl_Widget* menu;
};

void hide_cb(Fl_Widget*, void* w) { static_cast<Fl_Window*>(w)->hide(); }

}  // namespace

// Built at the first call and kept: a later call shows it again where the
// reader left it. The widget is the main window's menu bar.
void help_cb(Fl_Widget* menu, void*) {
  static helpwin* win = nullptr;
  if (!win) {
    win = new helpwin(menu);
    Fl_Help_View* text = new Fl_Help_View(0, 0, px(560), px(440));
    text->textfont(FL_HELVETICA);
    text->textsize(px(13));
    // The chart file is named relative to the working directory, which
    // stays the same while the program runs.
    char cwd[PATH_MAX];
    std::string path;
    if (getcwd(cwd, sizeof cwd)) path = std::string(cwd) + "/" + chartfilename;
    text->value(helptext(reinterpret_cast<const char*>(help_html), path).c_str());
    Fl_Button* close = new Fl_Button(px(480), px(448), px(70), px(25), "Close");
    close->callback(hide_cb, win);
    win->resizable(text);
    win->end();
    win->size_range(px(360), px(200));
  }
  win->show();
}
