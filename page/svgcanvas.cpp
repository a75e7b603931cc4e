// The drawing layer as SVG.
#include "page/svgcanvas.h"

#include <cstdio>

#include "page/filestyle.h"

namespace {

// The font of most texts, given once on their group.
const char* const defaultfont =
    "font-family=\"DejaVu Sans, sans-serif\" font-size=\"11\"";

// XML character data or attribute text: the markup characters escaped.
std::string escaped(const std::string& s) {
  std::string r;
  for (char c : s) {
    switch (c) {
      case '&': r += "&amp;"; break;
      case '<': r += "&lt;"; break;
      case '>': r += "&gt;"; break;
      case '"': r += "&quot;"; break;
      default: r += c;
    }
  }
  return r;
}

}  // namespace

svgcanvas::svgcanvas(int width, int height) : width(width), height(height) {}

void svgcanvas::setcolor(int c) {
  rgb v = colourof(c);
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", v.r & 255, v.g & 255, v.b & 255);
  colour = buf;
}

void svgcanvas::setfont(int face, int size) {
  bool bold, italic;
  const char* family = fontfamily(face, bold, italic);
  char buf[160];
  std::snprintf(buf, sizeof buf, "font-family=\"%s, %s\" font-size=\"%d\"%s%s", family,
                face >= 4 && face < 8 ? "monospace" : face >= 8 && face < 12 ? "serif" : "sans-serif",
                size, bold ? " font-weight=\"bold\"" : "", italic ? " font-style=\"italic\"" : "");
  font = buf == std::string(defaultfont) ? "" : buf;
}

void svgcanvas::drawline(int x0, int y0, int x1, int y1) {
  char buf[120];
  std::snprintf(buf, sizeof buf, "<line x1=\"%d\" y1=\"%d\" x2=\"%d\" y2=\"%d\"", x0, y0, x1,
                y1);
  lines += buf;
  if (colour != "#000000") lines += " stroke=\"" + colour + "\"";
  lines += "/>\n";
}

void svgcanvas::drawtext(const char* text, int x, int y) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "<text x=\"%d\" y=\"%d\"", x, y);
  texts += buf;
  if (!font.empty()) texts += " " + font;
  if (colour != "#000000") texts += " fill=\"" + colour + "\"";
  texts += ">" + escaped(drawntext(text)) + "</text>\n";
}

// Texts keep their blanks (xml:space), as the window draws them.
std::string svgcanvas::svg() const {
  char head[400];
  std::snprintf(head, sizeof head,
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"%d\" "
                "height=\"%d\" viewBox=\"0 0 %d %d\">\n"
                "<rect width=\"100%%\" height=\"100%%\" fill=\"#ffffff\"/>\n",
                width, height, width, height);
  return head +
         std::string("<g stroke=\"#000000\" stroke-width=\"1\" stroke-linecap=\"square\" "
                     "transform=\"translate(0.5 0.5)\">\n") +
         lines + "</g>\n<g " + defaultfont + " fill=\"#000000\" xml:space=\"preserve\">\n" +
         texts + "</g>\n</svg>\n";
}
