// The shell's module state, read by the chart view and the commands.
#pragma once

class Fl_Scroll;

// The main window's scroll area; set once at start-up.
extern Fl_Scroll* thescroll;

// Chart style: 0 South chart (the start value), 1 North chart.
extern unsigned char nchart;

// The start-up state: the birth data for the present local time, the South
// style and the chart cast from them. Returns 1.
int on_init();
