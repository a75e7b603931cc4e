// The drawing layer as SVG.
#include "page/svgcanvas.h"

#include <cstdio>

#include "page/filestyle.h"

namespace {

// The size of the page's texts, given once on their group with the family.
constexpr int defaultsize = 11;

}  // namespace

std::string xmlescaped(std::string_view s) {
  std::string r;
  for (char c : s) {
    switch (c) {
      case '&':
        r += "&amp;";
        break;
      case '<':
        r += "&lt;";
        break;
      case '>':
        r += "&gt;";
        break;
      case '"':
        r += "&quot;";
        break;
      default:
        r += c;
    }
  }
  return r;
}

svgcanvas::svgcanvas(int width, int height) : width(width), height(height) {}

// Everything is black: the page's one colour.
void svgcanvas::setcolor(int) {}

// The page's one family; a size other than the group's goes on each text.
void svgcanvas::setfont(int, int size) {
  char buf[32];
  std::snprintf(buf, sizeof buf, " font-size=\"%d\"", size);
  font = size == defaultsize ? "" : buf;
}

void svgcanvas::drawline(int x0, int y0, int x1, int y1) {
  char buf[120];
  std::snprintf(buf, sizeof buf, "<line x1=\"%d\" y1=\"%d\" x2=\"%d\" y2=\"%d\"/>\n", x0, y0, x1,
                y1);
  lines += buf;
}

void svgcanvas::drawtext(const char* text, int x, int y) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "<text x=\"%d\" y=\"%d\"", x, y);
  texts += buf + font + ">" + xmlescaped(drawntext(text)) + "</text>\n";
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
         std::string(
             "<g stroke=\"#000000\" stroke-width=\"1\" stroke-linecap=\"square\" "
             "transform=\"translate(0.5 0.5)\">\n") +
         lines + "</g>\n<g font-family=\"" + pagefamily + ", sans-serif\" font-size=\"" +
         std::to_string(defaultsize) + "\" fill=\"#000000\" xml:space=\"preserve\">\n" + texts +
         "</g>\n</svg>\n";
}
