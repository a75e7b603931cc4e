// The chart data dialog (not yet built).
#include "app/commands.h"

void new_cb(Fl_Widget*, void*) {}
void edit_cb(Fl_Widget*, void*) {}
