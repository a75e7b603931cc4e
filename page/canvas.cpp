// The recording canvas: every call becomes one line of text.
#include "page/canvas.h"

void recorder::setcolor(int colour) { log.push_back("color " + std::to_string(colour)); }

void recorder::setfont(int face, int size) {
  log.push_back("font " + std::to_string(face) + " " + std::to_string(size));
}

void recorder::drawline(int x0, int y0, int x1, int y1) {
  log.push_back("line " + std::to_string(x0) + " " + std::to_string(y0) + " " + std::to_string(x1) +
                " " + std::to_string(y1));
}

// The text goes in quotes exactly as given, without escapes.
void recorder::drawtext(const char* text, int x, int y) {
  log.push_back("text \"" + std::string(text) + "\" " + std::to_string(x) + " " +
                std::to_string(y));
}
