// The drawing layer on FLTK 1.3.
#include "gui/flcanvas.h"

#include <FL/Enumerations.H>
#include <FL/fl_draw.H>

// The canvas's colour indices and font faces are the toolkit's own.
void flcanvas::setcolor(int colour) { fl_color(static_cast<Fl_Color>(colour)); }

void flcanvas::setfont(int face, int size) { fl_font(static_cast<Fl_Font>(face), size); }

void flcanvas::drawline(int x0, int y0, int x1, int y1) {
  fl_line(ox + x0, oy + y0, ox + x1, oy + y1);
}

// fl_draw with a position takes the left end of the baseline and, unlike the
// boxed form, reads no '@' symbols or '&' shortcuts in the text.
void flcanvas::drawtext(const char* text, int x, int y) { fl_draw(text, ox + x, oy + y); }
