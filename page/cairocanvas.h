// The drawing layer on cairo: the page into an image (PNG), a PDF or a window.
#pragma once

#include <cairo.h>
#include <pango/pangocairo.h>

#include "page/canvas.h"

// Draws in page coordinates into a cairo context, whatever its surface and
// its transformation (a PNG at K times the size, a PDF page scaled to A4, the
// window's page at its place). One page unit is one pixel at scale 1; a line
// is one unit wide and covers the same pixels as the toolkit's line between
// the same points, at every scale without blur. A text is drawn in the
// family that stands in for the page's face, at the same pixel size, from
// the left end of its baseline; a text that is not ASCII is laid out by
// Pango: shaped as its script requires, and any letter that family lacks
// taken from an installed font that has it. Lines and texts are black. The
// context's transformation must not change after the canvas is made.
class cairocanvas : public canvas {
 public:
  explicit cairocanvas(cairo_t* cr);
  ~cairocanvas() override;
  cairocanvas(const cairocanvas&) = delete;
  cairocanvas& operator=(const cairocanvas&) = delete;
  void setcolor(int colour) override;
  void setfont(int face, int size) override;
  void drawline(int x0, int y0, int x1, int y1) override;
  void drawtext(const char* text, int x, int y) override;

 private:
  cairo_t* cr;
  bool snap;  // lines on whole pixels of an image at a scale not whole
  int size = 11;
  // Pango's layout and font for the texts that need them, made for the
  // first.
  PangoLayout* layout = nullptr;
  PangoFontDescription* font = nullptr;
  void makelayout();
};

// Frees the font caches that Pango, cairo and fontconfig keep for the life
// of the process, so that a leak checker sees a clean exit. Only when no
// cairo or Pango object is left; a later drawing builds them again.
void cairofontsend();
