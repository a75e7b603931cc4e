// Vornak: the main window, its menus and the start-up.
#include <cstdio>
#include <cstring>

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Scroll.H>
#include <FL/fl_ask.H>

#include "engine/zodiac.h"
#include "fileio/stdfds.h"
#include "gui/chartview.h"
#include "gui/commands.h"
#include "gui/desktop.h"
#include "gui/shell.h"
#include "version.h"

// Each style item carries its style as user data (1 North, 0 South); the
// menu bar passes itself and carries the shell.
static void chgstyle_cb(Fl_Widget* w, void* style) {
  shell& sh = *static_cast<shell*>(w->user_data());
  sh.north = reinterpret_cast<fl_intptr_t>(style) != 0;
  redrawpage(sh);
}

static void about_cb(Fl_Widget*, void*) {
  fl_message("%s",
             "Vornak - Vedic birth charts\n"
             "Version " VORNAK_VERSION
             "\n"
             "The Vornak developers\n"
             "Free software, no warranty");
}

int main(int argc, char** argv) {
  // A closed standard descriptor would be taken by the chart file, and the
  // toolkit's warnings would go into it.
  openstdfds();
  ignorefilesizesignal();
  // The toolkit copies switch values such as -name and -title into buffers
  // of its own without a bound: a value that no window needs is refused
  // before it sees them.
  for (int a = 1; a < argc; ++a)
    if (std::strlen(argv[a]) > 255) {
      if (a > 1 && argv[a - 1][0] == '-')
        std::fprintf(stderr, "vornak: the value of %.32s is longer than 255 bytes\n", argv[a - 1]);
      else
        std::fprintf(stderr, "vornak: a switch is longer than 255 bytes\n");
      return 1;
    }
  // The toolkit's own window switches only; anything else ends the program
  // before a window is shown.
  int i = 0;
  if (Fl::args(argc, argv, i) == 0 || i < argc) {
    std::fprintf(stderr, "usage: %s [options]\n%s", argv[0], Fl::help);
    return 1;
  }
  // The colours of -fg, -bg and -bg2 are read now rather than in show(): a
  // colour the toolkit does not know ends the program, as any other bad
  // switch does (FLTK 1.3 itself only reports it and goes on).
  auto error = Fl::error;
  Fl::error = Fl::fatal;
  Fl::get_system_colors();
  Fl::error = error;

  shell sh;
  on_init(sh);
  setdesktopclass();

  Fl_Double_Window* win = new Fl_Double_Window(pagewidth, 420, "Vornak");
  win->begin();

  Fl_Menu_Bar* menu = new Fl_Menu_Bar(0, 0, pagewidth, 20);
  menu->user_data(&sh);
  menu->add("File/New", FL_CTRL + 'n', new_cb, &sh);
  menu->add("File/Edit", FL_CTRL + 'e', edit_cb, &sh);
  menu->add("File/Open", FL_CTRL + 'o', open_cb, &sh);
  menu->add("File/Save", FL_CTRL + 's', save_cb, &sh);
  menu->add("File/Export Page...", FL_CTRL + FL_SHIFT + 'e', export_cb, &sh, FL_MENU_DIVIDER);
  menu->add("File/Quit", FL_CTRL + 'q', quit_cb, &sh);
  menu->add("Options/Chart Style.../North Chart", 0, chgstyle_cb,
            reinterpret_cast<void*>(fl_intptr_t{1}), FL_MENU_RADIO);
  menu->add("Options/Chart Style.../South Chart", 0, chgstyle_cb,
            reinterpret_cast<void*>(fl_intptr_t{0}), FL_MENU_RADIO | FL_MENU_VALUE);
  menu->add("Help/Using Vornak", FL_F + 1, help_cb);
  menu->add("Help/About", 0, about_cb);

  // The page scrolls vertically inside a white area below the menu bar; the
  // view is at (8, 0) of the scroll area, which the toolkit places in window
  // coordinates.
  Fl_Scroll* scroll = new Fl_Scroll(0, 20, pagewidth, 400);
  scroll->begin();
  scroll->box(FL_FLAT_BOX);
  scroll->color(FL_WHITE);
  new draw_chart(8, 20, pagewidth, pageheight, sh);
  scroll->end();
  scroll->type(Fl_Scroll::VERTICAL);
  sh.page = scroll;

  win->callback(close_cb, &sh);
  win->resizable(scroll);
  win->end();
  // As wide as the page, and at most as tall as it.
  win->size_range(pagewidth, 412, pagewidth, pageheight, 0, 0);
  win->show(argc, argv);
  return Fl::run();
}
