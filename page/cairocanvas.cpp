// The drawing layer on cairo.
#include "page/cairocanvas.h"

#include <fontconfig/fontconfig.h>

#include <string>

#include "page/filestyle.h"

cairocanvas::cairocanvas(cairo_t* cr) : cr(cr) {
  cairo_set_line_width(cr, 1);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  cairo_set_source_rgb(cr, 0, 0, 0);
}

// Everything is black: the page's one colour.
void cairocanvas::setcolor(int) {}

// The page's one family; the size is in pixels, as the toolkit's font sizes
// are.
void cairocanvas::setfont(int, int size) {
  cairo_select_font_face(cr, pagefamily, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
}

// Pixel (x, y) is the unit square from (x, y) to (x + 1, y + 1). A stroke one
// unit wide between the pixels' centres, with square ends half a unit long,
// covers pixels x0..x1 of a row or column exactly, as the toolkit's line
// does; at scale K it covers K whole device pixels across.
void cairocanvas::drawline(int x0, int y0, int x1, int y1) {
  cairo_move_to(cr, x0 + 0.5, y0 + 0.5);
  cairo_line_to(cr, x1 + 0.5, y1 + 0.5);
  cairo_stroke(cr);
}

// cairo takes only valid UTF-8 (anything else puts the context in an error
// state that silently ends all drawing), so the text is converted first.
void cairocanvas::drawtext(const char* text, int x, int y) {
  std::string t = drawntext(text);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, t.c_str());
}

void cairofontsend() {
  cairo_debug_reset_static_data();
  FcFini();
}
