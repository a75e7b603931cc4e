// Save and the chart list (not yet built).
#include "app/commands.h"

void open_cb(Fl_Widget*, void*) {}
void save_cb(Fl_Widget*, void*) {}
