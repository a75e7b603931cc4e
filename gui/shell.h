// The window program's state: the current chart and its style, owned by
// main and handed to the chart view and to every command.
#pragma once

#include "chart/birth.h"
#include "engine/chart.h"

class Fl_Widget;

struct shell {
  birthdata birth;            // the current birth data
  birthdata kept;             // the chart at start, or last loaded or saved
  chartstate chart;           // cast from birth, by setupplanets only
  bool north = false;         // chart style: South (the start value) or North
  Fl_Widget* page = nullptr;  // the scroll area that shows the page
};

// Casts the chart of the current birth data into the current chart state.
void setupplanets(shell& s);

// The start-up state: the birth data for the present local time, the South
// style and the chart cast from them. Returns 1.
int on_init(shell& s);

// Makes b the current birth data, casts its chart and draws the page again.
void setchart(shell& s, const birthdata& b);

// Asks the chart page to be drawn again (after the chart or style changed).
void redrawpage(shell& s);
