// The chart view.
#include "gui/chartview.h"

#include <cairo-xlib.h>

#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include "gui/scale.h"
#include "gui/shell.h"
#include "page/pagefile.h"

// The label is kept for the widget's name, but never painted: an outside
// label would be drawn by the scroll area above the page.
draw_chart::draw_chart(int x, int y, int w, int h, const shell& s)
    : Fl_Widget(x, y, w, h, "chart"), sh(s) {
  align(FL_ALIGN_TOP);
  box(FL_FLAT_BOX);
  color(FL_WHITE);
  labeltype(FL_NO_LABEL);
}

// The page is drawn as the PNG file draws it, into a white image of the part
// of the view that the toolkit lets it draw (the view within the scroll
// area's clip), which is then put on the window at its place: what the
// window shows is, pixel for pixel, what the PNG holds there at the same
// scale. The view's top-left corner, which moves when the page scrolls, is
// the page's origin.
void draw_chart::draw() {
  int cx, cy, cw, ch;
  fl_clip_box(x(), y(), w(), h(), cx, cy, cw, ch);
  if (cw <= 0 || ch <= 0) return;
  cairo_surface_t* img =
      pageimage(cw, ch, x() - cx, y() - cy, scale(), sh.birth, sh.chart, sh.north);
  // fl_window is the window's drawable (its back buffer) while it draws.
  Fl_Window* win = window();
  cairo_surface_t* out =
      cairo_xlib_surface_create(fl_display, fl_window, fl_visual->visual, win->w(), win->h());
  cairo_t* cr = cairo_create(out);
  cairo_set_source_surface(cr, img, cx, cy);
  cairo_rectangle(cr, cx, cy, cw, ch);
  cairo_fill(cr);
  cairo_destroy(cr);
  cairo_surface_destroy(out);
  cairo_surface_destroy(img);
}
