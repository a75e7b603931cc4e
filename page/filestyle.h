// What the file canvases share: texts, fonts and colours as the window
// shows them.
#pragma once

#include <string>
#include <string_view>

// The text as valid UTF-8 with the characters the toolkit shows for it: a
// valid UTF-8 sequence stays; every other byte is read as Windows-1252, as
// FLTK 1.3 reads it (0xE9 is é, 0x80 is €). Control bytes and the five
// bytes that Windows-1252 leaves undefined become U+FFFD, since an SVG (XML)
// cannot hold them and a font has no glyph for them.
std::string drawntext(std::string_view text);

// The font family that stands in for a toolkit face on this system, as the
// window's font configuration picks it: Helvetica is DejaVu Sans, Courier
// DejaVu Sans Mono, Times DejaVu Serif. bold and italic are set from the
// face's style.
const char* fontfamily(int face, bool& bold, bool& italic);

// A toolkit colour index as red, green and blue, 0 to 255 each: the colour
// cube (56 black to 255 white) and the grey ramp (32 to 55); any other index
// is black.
struct rgb {
  int r, g, b;
};
rgb colourof(int colour);
