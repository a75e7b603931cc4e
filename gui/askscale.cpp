// The toolkit's message boxes at the scale factor.
#include "gui/askscale.h"

#include <algorithm>
#include <vector>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_ask.H>
#include <FL/fl_draw.H>

#include "gui/scale.h"

namespace {

// A label's size in its font.
void measure(const Fl_Widget* w, int& lw, int& lh) {
  fl_font(w->labelfont(), w->labelsize());
  lw = lh = 0;
  fl_measure(w->label(), lw, lh);
}

// FLTK 1.3 lays its one message box out afresh for each message, in pixels
// of scale 1 (a 50-pixel icon, a text at least 340 wide, buttons at least
// 25 high, 10 pixels apart), just before it shows the box; this runs as the
// event loop goes round, before the box is first drawn, and lays it out
// again by the same rules at the scale factor. The icon's width tells a box
// that is laid out already.
void relayout(void* iconbox) {
  Fl_Widget* icon = static_cast<Fl_Widget*>(iconbox);
  Fl_Window* form = icon->window();
  const int iconsize = px(50);
  if (!form || !form->shown() || icon->w() == iconsize) return;
  Fl_Widget* message = nullptr;
  Fl_Widget* input = nullptr;
  std::vector<Fl_Widget*> buttons;  // the visible ones, rightmost first
  for (int i = 0; i < form->children(); ++i) {
    Fl_Widget* w = form->child(i);
    if (dynamic_cast<Fl_Button*>(w)) {
      if (w->visible()) buttons.push_back(w);
    } else if (dynamic_cast<Fl_Input*>(w)) {
      input = w;
    } else if (w != icon && w->label() && !message) {
      message = w;  // the first box with a text: the message's
    }
  }
  if (!message || !input) return;
  std::sort(buttons.begin(), buttons.end(),
            [](const Fl_Widget* a, const Fl_Widget* b) { return a->x() > b->x(); });
  int mw, mh;
  measure(message, mw, mh);
  mw = std::max(px(340), mw + px(10));
  mh = std::max(px(30), mh + px(10));
  std::vector<int> bw;
  int bh = px(25), all = -px(10);
  for (Fl_Widget* b : buttons) {
    int lw, lh;
    measure(b, lw, lh);
    bw.push_back(lw + px(dynamic_cast<Fl_Return_Button*>(b) ? 50 : 30));
    bh = std::max(bh, lh + px(10));
    all += bw.back();
  }
  const int textw = std::max(mw + px(10) + iconsize, all);
  mw = textw - px(10) - iconsize;
  const int w = textw + px(20);
  const int h = bh + px(30) + mh + (input->visible() ? px(25) : 0);
  form->size_range(w, h, w, h);
  form->size(w, h);
  message->resize(px(20) + iconsize, px(10), mw, mh);
  icon->resize(px(10), px(10), iconsize, iconsize);
  icon->labelsize(iconsize - px(10));
  input->resize(px(20) + iconsize, px(10) + mh, mw, px(25));
  int x = w;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    x -= bw[i];
    buttons[i]->resize(x, h - px(10) - bh, bw[i] - px(10), bh);
  }
  form->redraw();
}

}  // namespace

void scaleaskboxes() {
  if (scale() != 1) Fl::add_check(relayout, fl_message_icon());
}
