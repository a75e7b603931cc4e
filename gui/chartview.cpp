// The chart view.
#include "gui/chartview.h"

#include "gui/flcanvas.h"
#include "gui/shell.h"
#include "page/page.h"

// The label is kept for the widget's name, but never painted: an outside
// label would be drawn by the scroll area above the page.
draw_chart::draw_chart(int x, int y, int w, int h, const shell& s)
    : Fl_Widget(x, y, w, h, "chart"), sh(s) {
  align(FL_ALIGN_TOP);
  box(FL_FLAT_BOX);
  color(FL_WHITE);
  labeltype(FL_NO_LABEL);
}

// The white background comes from the scroll area; the page is drawn over it
// at the view's own position, which moves when the page scrolls.
void draw_chart::draw() {
  flcanvas c(x(), y());
  drawpage(c, sh.birth, sh.chart, sh.north);
}
