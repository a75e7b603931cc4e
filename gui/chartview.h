// The chart view: the widget that draws the chart page.
#pragma once

#include <FL/Fl_Widget.H>

struct shell;

// Draws the page of the shell's current chart (birth data, chart state and
// chart style) each time the toolkit draws it. Handles no input.
class draw_chart : public Fl_Widget {
 public:
  draw_chart(int x, int y, int w, int h, const shell& s);
  ~draw_chart() override = default;
  void draw() override;

 private:
  const shell& sh;
};
