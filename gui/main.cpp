// Vornak: the main window, its menus and the start-up.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Scroll.H>
#include <FL/fl_ask.H>
#include <FL/x.H>

#include "engine/zodiac.h"
#include "fileio/stdfds.h"
#include "gui/askscale.h"
#include "gui/chartview.h"
#include "gui/commands.h"
#include "gui/desktop.h"
#include "gui/scale.h"
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
  // --scale is the program's own switch, and the toolkit never sees it.
  const std::optional<std::string> scaleoption = takescale(argc, argv);
  std::string why;
  const std::optional<double> userscale = pickscale(scaleoption, std::getenv("VORNAK_SCALE"), why);
  if (!why.empty()) {
    std::fprintf(stderr, "vornak: %s\n", why.c_str());
    return 1;
  }
  // The toolkit's own window switches only; anything else ends the program
  // before a window is shown.
  int i = 0;
  if (Fl::args(argc, argv, i) == 0 || i < argc) {
    std::fprintf(stderr, "usage: %s [--scale K] [options]\n%s\n --scale K (1 to 4, halves too)\n",
                 argv[0], Fl::help);
    return 1;
  }
  // The colours of -fg, -bg and -bg2 are read now rather than in show(): a
  // colour the toolkit does not know ends the program, as any other bad
  // switch does (FLTK 1.3 itself only reports it and goes on).
  auto error = Fl::error;
  Fl::error = Fl::fatal;
  Fl::get_system_colors();
  Fl::error = error;

  // The display is open now: the desktop's factor is known. Every widget
  // made from here on takes the scaled default size for its text.
  setscale(userscale
               ? *userscale
               : desktopscale(std::getenv("GDK_SCALE"), XGetDefault(fl_display, "Xft", "dpi")));
  FL_NORMAL_SIZE = px(FL_NORMAL_SIZE);
  Fl::scrollbar_size(px(Fl::scrollbar_size()));
  scaleaskboxes();

  shell sh;
  on_init(sh);
  setdesktopclass();

  // At scale 1 the window opens 420 pixels high, as it always has; scaled,
  // it opens as high as the page and the menu bar, as far as the screen's
  // work area (less a title bar) has room.
  int height = px(420);
  if (scale() != 1) {
    int wx, wy, ww, wh;
    Fl::screen_work_area(wx, wy, ww, wh);
    height = std::max(px(412), std::min(px(20 + pageheight), wh - px(30)));
  }
  Fl_Double_Window* win = new Fl_Double_Window(px(pagewidth), height, "Vornak");
  win->begin();

  Fl_Menu_Bar* menu = new Fl_Menu_Bar(0, 0, px(pagewidth), px(20));
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
  Fl_Scroll* scroll = new Fl_Scroll(0, px(20), px(pagewidth), height - px(20));
  scroll->begin();
  scroll->box(FL_FLAT_BOX);
  scroll->color(FL_WHITE);
  new draw_chart(px(8), px(20), px(pagewidth), px(pageheight), sh);
  scroll->end();
  scroll->type(Fl_Scroll::VERTICAL);
  sh.page = scroll;

  win->callback(close_cb, &sh);
  win->resizable(scroll);
  win->end();
  // As wide as the page, and at most as tall as it; scaled, tall enough to
  // show the whole page below the menu bar.
  win->size_range(px(pagewidth), px(412), px(pagewidth),
                  scale() == 1 ? pageheight : px(20 + pageheight), 0, 0);
  win->show(argc, argv);
  return Fl::run();
}
