// A question with no default answer, in the look of the toolkit's own.
#include "gui/question.h"

#include <algorithm>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include "gui/scale.h"

namespace {

struct answer {
  Fl_Window* box;
  int chosen;
};

struct pick {
  answer* a;
  int index;
};

void chosen_cb(Fl_Widget*, void* v) {
  pick* p = static_cast<pick*>(v);
  p->a->chosen = p->index;
  p->a->box->hide();
}

// text as a label shows it: the toolkit reads an "@" as the start of a
// symbol's name, "@@" as the character itself.
std::string shown(const std::string& text) {
  std::string t;
  for (char c : text) {
    if (c == '@') t += '@';
    t += c;
  }
  return t;
}

}  // namespace

int ask(const std::string& message, const std::vector<std::string>& buttons) {
  // fl_choice's box: a 50-pixel icon, the text beside it, buttons of at
  // least 90 x 23 below, 10 pixels apart (at scale 1); longer texts and
  // labels widen it.
  fl_font(FL_HELVETICA, FL_NORMAL_SIZE);
  const std::string text = shown(message);
  int tw = 0, th = 0;
  fl_measure(text.c_str(), tw, th);
  std::vector<std::string> labels;
  std::vector<int> bw;
  int all = px(10);
  for (const std::string& b : buttons) {
    labels.push_back(shown(b));
    int lw = 0, lh = 0;
    fl_measure(labels.back().c_str(), lw, lh);
    bw.push_back(std::max(px(90), lw + px(20)));
    all += bw.back() + px(10);
  }
  const int w = std::max({px(410), px(80) + tw, all});
  const int texth = std::max(th, px(50));
  const int by = px(20) + texth;
  answer a{new Fl_Window(w, by + px(33)), 0};
  a.box->begin();
  Fl_Box* icon = new Fl_Box(px(10), px(10), px(50), px(50), "?");
  icon->box(FL_THIN_UP_BOX);
  icon->labelfont(FL_TIMES_BOLD);
  icon->labelsize(px(34));
  icon->color(FL_WHITE);
  icon->labelcolor(FL_BLUE);
  Fl_Box* said = new Fl_Box(px(70), px(10), tw, texth);
  said->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
  said->label(text.c_str());
  std::vector<pick> picks;  // each button's, then the window's: never moved
  picks.reserve(buttons.size() + 1);
  Fl_Button* first = nullptr;
  int x = w - px(10);
  for (std::size_t i = 0; i < labels.size(); ++i) {
    x -= bw[i];
    Fl_Button* b = new Fl_Button(x, by, bw[i], px(23));
    x -= px(10);
    b->label(labels[i].c_str());
    picks.push_back(pick{&a, static_cast<int>(i)});
    b->callback(chosen_cb, &picks.back());
    if (i == 0) first = b;
  }
  a.box->end();
  // Escape and the close button run the window's callback: the way back.
  picks.push_back(pick{&a, 0});
  a.box->callback(chosen_cb, &picks.back());
  a.box->set_modal();
  if (first) a.box->hotspot(first);
  a.box->show();
  while (a.box->shown()) Fl::wait();
  delete a.box;
  return a.chosen;
}
