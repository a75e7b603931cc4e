// The drawing layer on the toolkit: draws the page into the current window.
#pragma once

#include "page/canvas.h"

// FLTK 1.3 draws in window coordinates and does not move the origin to each
// widget, so every position is offset by the view's top-left corner (which
// follows the scroll area when it scrolls).
class flcanvas : public canvas {
 public:
  flcanvas(int ox, int oy) : ox(ox), oy(oy) {}
  void setcolor(int colour) override;
  void setfont(int face, int size) override;
  void drawline(int x0, int y0, int x1, int y1) override;
  void drawtext(const char* text, int x, int y) override;

 private:
  int ox, oy;
};
