// The menu commands of the main window, with the toolkit's callback
// signature; each is given the program's shell as its user data.
#pragma once

class Fl_Widget;

void new_cb(Fl_Widget*, void* sh);     // File > New: the chart data dialog, empty
void edit_cb(Fl_Widget*, void* sh);    // File > Edit: the dialog with the current data
void open_cb(Fl_Widget*, void* sh);    // File > Open: the chart list
void save_cb(Fl_Widget*, void* sh);    // File > Save: append the current chart
void export_cb(Fl_Widget*, void* sh);  // File > Export Page: the page as a file
void quit_cb(Fl_Widget*, void* sh);    // File > Quit: asks first when the chart would be lost
void close_cb(Fl_Widget*, void* sh);   // the main window's: its close button, as Quit
void help_cb(Fl_Widget* menu, void*);  // Help > Using Vornak: the help window
