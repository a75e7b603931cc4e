// The drawing layer: the page draws through this and nothing else.
#pragma once

#include <string>
#include <vector>

// The page's one colour and one font face, as the toolkit numbers them: the
// page is black on white, all in Helvetica.
constexpr int colblack = 56;
constexpr int facehelvetica = 0;

// Positions are page coordinates: pixels from the chart view's top-left
// corner; a text position is the left end of its baseline.
class canvas {
 public:
  virtual ~canvas() = default;
  virtual void setcolor(int colour) = 0;
  virtual void setfont(int face, int size) = 0;
  virtual void drawline(int x0, int y0, int x1, int y1) = 0;
  virtual void drawtext(const char* text, int x, int y) = 0;
};

// Records every call as a line of text, for tests:
//   color 56 | font 0 11 | line 0 0 360 0 | text "Su 12" 94 66
class recorder : public canvas {
 public:
  std::vector<std::string> log;
  void setcolor(int colour) override;
  void setfont(int face, int size) override;
  void drawline(int x0, int y0, int x1, int y1) override;
  void drawtext(const char* text, int x, int y) override;
};
