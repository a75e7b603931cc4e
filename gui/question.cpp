// A question with no default answer, in the look of the toolkit's own.
#include "gui/question.h"

#include <algorithm>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

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

}  // namespace

int ask(const std::string& message, const std::vector<std::string>& buttons) {
  // The measures of fl_choice's box: an icon of 50 pixels, the text beside
  // it, buttons of 90 x 23 at 100-pixel steps below.
  fl_font(FL_HELVETICA, FL_NORMAL_SIZE);
  int tw = 0, th = 0;
  fl_measure(message.c_str(), tw, th);
  const int n = static_cast<int>(buttons.size());
  const int w = std::max({410, tw + 70, 100 * n + 10});
  const int texth = std::max(th, 20);
  const int by = std::max(70, 35 + texth);
  answer a{new Fl_Window(w, by + 33), 0};
  a.box->begin();
  Fl_Box* icon = new Fl_Box(10, 10, 50, 50, "?");
  icon->box(FL_THIN_UP_BOX);
  icon->labelfont(FL_TIMES_BOLD);
  icon->labelsize(34);
  icon->color(FL_WHITE);
  icon->labelcolor(FL_BLUE);
  Fl_Box* text = new Fl_Box(60, 25, w - 70, texth);
  text->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
  text->label(message.c_str());
  std::vector<pick> picks;  // each button's, then the window's: never moved
  picks.reserve(buttons.size() + 1);
  Fl_Button* first = nullptr;
  for (int i = 0; i < n; ++i) {
    Fl_Button* b = new Fl_Button(w - 100 * (i + 1), by, 90, 23);
    b->label(buttons[static_cast<std::size_t>(i)].c_str());
    b->align(FL_ALIGN_INSIDE | FL_ALIGN_WRAP);
    picks.push_back(pick{&a, i});
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
