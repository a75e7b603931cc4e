// The chart view: the widget that draws the chart page.
#pragma once

#include <FL/Fl_Widget.H>

// Draws the page of the current chart (birth data, chart state and chart
// style) each time the toolkit draws it. Holds nothing and handles no input.
class draw_chart : public Fl_Widget {
 public:
  draw_chart(int x, int y, int w, int h);
  ~draw_chart() override = default;
  void draw() override;
};
