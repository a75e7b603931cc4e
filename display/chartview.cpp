// The chart view.
#include "display/chartview.h"

#include "app/birth.h"
#include "app/shell.h"
#include "display/flcanvas.h"
#include "display/page.h"

// The label is kept for the widget's name, but never painted: an outside
// label would be drawn by the scroll area above the page.
draw_chart::draw_chart(int x, int y, int w, int h) : Fl_Widget(x, y, w, h, "chart") {
  align(FL_ALIGN_TOP);
  box(FL_FLAT_BOX);
  color(FL_WHITE);
  labeltype(FL_NO_LABEL);
}

// The white background comes from the scroll area; the page is drawn over it
// at the view's own position, which moves when the page scrolls.
void draw_chart::draw() {
  flcanvas c(x(), y());
  drawpage(c, birth, chart, nchart != 0);
}
