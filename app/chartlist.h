// The chart list of File > Open, and Save.
#pragma once

class Fl_Double_Window;
class Fl_Hold_Browser;
class Fl_Widget;

// The open list window and its browser; qw is null while none is open.
extern Fl_Double_Window* qw;
extern Fl_Hold_Browser* br;

// OK, and Return, keypad Enter or a double-click on an item: loads the
// chosen line and closes the list.
void vnkbr_sel(Fl_Widget*, void*);
// Cancel (and the window's close or Escape): closes the list.
void vnkbr_close(Fl_Widget*, void*);

// Makes item n (from 0) of the chart file the current chart. An item that
// holds no chart (n < 0, the empty item after the last line) loads nothing;
// an unreadable file or a line that is not a chart is reported with an alert
// and changes nothing.
void load_chart(int n);
