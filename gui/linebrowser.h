// The browser of the program's lists, with one rule for choosing an item.
#pragma once

#include <string>
#include <string_view>

#include <FL/Fl.H>
#include <FL/Fl_Hold_Browser.H>

// A list of lines: the chart list's, the place finder's. A click selects an
// item (or clears the selection when it falls below the last item) without
// choosing it; Return or keypad Enter on the selected item, or a
// double-click on an item, runs the callback. The toolkit's own callback
// rules are switched off (when() is never), so that an arrow key or a click
// never chooses by itself.
class linebrowser : public Fl_Hold_Browser {
 public:
  linebrowser(int x, int y, int w, int h, const char* label) : Fl_Hold_Browser(x, y, w, h, label) {
    when(FL_WHEN_NEVER);
    column_char(0);
  }

  // Appends an item that shows the bytes of text as they stand. The
  // toolkit reads '@' codes at the start of an item; "@." ends them, so
  // the rest is printed as it is. (Switching the codes off with
  // format_char(0) instead makes FLTK 1.3 read past the end of an empty
  // item.) Without column widths a tab does not split an item.
  void additem(std::string_view text) {
    shownitem.assign("@.").append(text);
    add(shownitem.c_str());
  }

  int handle(int event) override {
    if (event == FL_KEYBOARD && (Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter)) {
      if (value()) do_callback();
      return 1;
    }
    int used = Fl_Hold_Browser::handle(event);
    if (event == FL_RELEASE && Fl::event_clicks() && value() && Fl::event_inside(this))
      do_callback();
    return used;
  }

 private:
  std::string shownitem;  // the item being added, with its "@."
};
