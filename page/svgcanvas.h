// The drawing layer as SVG: the page as line and text elements.
#pragma once

#include <string>
#include <string_view>

#include "page/canvas.h"

// Writes each line as a <line> and each text as a <text> element at its page
// coordinates, so that the texts of an SVG page stay text: they can be
// found, selected and edited, and the file is small. (cairo's SVG surface
// would turn every text into glyph outlines.) The lines' group is moved by
// half a pixel so that one-pixel lines fall on whole pixels, as in the
// window; the font is named as the window's font configuration picks it.
class svgcanvas : public canvas {
 public:
  // A page of width x height pixels, white.
  svgcanvas(int width, int height);
  void setcolor(int colour) override;
  void setfont(int face, int size) override;
  void drawline(int x0, int y0, int x1, int y1) override;
  void drawtext(const char* text, int x, int y) override;

  // The whole document.
  std::string svg() const;

 private:
  int width, height;
  std::string font;  // size attribute of a text not in the default size
  std::string lines, texts;
};

// s as XML character data or attribute text, and as HTML text: the markup
// characters & < > and the quote escaped.
std::string xmlescaped(std::string_view s);
