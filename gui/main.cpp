// Vornak: the main window, its menus and the start-up.
#include <cstdio>
#include <cstdlib>

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

static void quit_cb(Fl_Widget*, void*) { std::exit(0); }

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
  menu->add("File/New", 0, new_cb, &sh);
  menu->add("File/Edit", 0, edit_cb, &sh);
  menu->add("File/Open", 0, open_cb, &sh);
  menu->add("File/Save", 0, save_cb, &sh);
  menu->add("File/Export Page...", 0, export_cb, &sh, FL_MENU_DIVIDER);
  menu->add("File/Quit", 0, quit_cb);
  menu->add("Options/Chart Style.../North Chart", 0, chgstyle_cb,
            reinterpret_cast<void*>(fl_intptr_t{1}), FL_MENU_RADIO);
  menu->add("Options/Chart Style.../South Chart", 0, chgstyle_cb,
            reinterpret_cast<void*>(fl_intptr_t{0}), FL_MENU_RADIO | FL_MENU_VALUE);
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

  win->resizable(scroll);
  win->end();
  // As wide as the page, and at most as tall as it.
  win->size_range(pagewidth, 412, pagewidth, pageheight, 0, 0);
  win->show(argc, argv);
  return Fl::run();
}
