// The menu commands of the main window, with the toolkit's callback signature.
#pragma once

class Fl_Widget;

void new_cb(Fl_Widget*, void*);   // File > New: the chart data dialog, empty
void edit_cb(Fl_Widget*, void*);  // File > Edit: the dialog with the current data
void open_cb(Fl_Widget*, void*);  // File > Open: the chart list
void save_cb(Fl_Widget*, void*);  // File > Save: append the current chart

// Asks the chart page to be drawn again (after the chart changed).
void redrawpage();
