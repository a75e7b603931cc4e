// The place finder: a search field, the places that match as it is typed,
// the most likely first, and OK and Cancel.
#include "gui/placefinder.h"

#include <cmath>
#include <string>
#include <vector>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/fl_ask.H>

#include "atlas/atlas.h"
#include "atlas/coords.h"
#include "gui/linebrowser.h"
#include "gui/modalwin.h"
#include "gui/scale.h"

namespace {

// The search field. Up and Down move the list's selection, and Return
// chooses the selected place, so that the hands stay on the keys.
class searchinput : public Fl_Input {
 public:
  searchinput(int x, int y, int w, int h, const char* label) : Fl_Input(x, y, w, h, label) {}

  int handle(int event) override {
    if (event == FL_KEYBOARD && list) {
      const int key = Fl::event_key();
      if (key == FL_Enter || key == FL_KP_Enter) return list->handle(event);  // chooses
      if ((key == FL_Up || key == FL_Down) && list->size() > 0) {
        const int to = list->value() + (key == FL_Up ? -1 : 1);
        if (to >= 1 && to <= list->size()) {
          list->value(to);
          list->make_visible(to);
        }
        return 1;
      }
    }
    return Fl_Input::handle(event);
  }

  linebrowser* list = nullptr;
};

struct finderwin : modalwin {
  finderwin(const std::string& text, std::function<void(const place&)> chosen,
            std::function<void(double, double)> atcoords);
  void search();
  bool coordsearch();

  searchinput* in;
  linebrowser* br;
  Fl_Box* note;
  std::vector<const place*> found;  // the list's places, in its order
  std::function<void(const place&)> chosen;
  // Coordinates typed: the list's one line stands for them.
  bool bycoords = false;
  double lat = 0, lon = 0;
  std::function<void(double, double)> atcoords;
};

// The search field as coordinates: the one line of the list names the place
// nearest to them and its distance, selected, and the note the coordinates
// read; while they are not whole, the note says how to write them. False
// when the field holds no coordinates.
bool finderwin::coordsearch() {
  bycoords = false;
  if (!coordslike(in->value())) return false;
  found.clear();
  br->clear();
  double y = 0, x = 0;
  if (!readcoords(in->value(), y, x)) {
    note->label("Coordinates as 18 31N 73 51E or 18.52, 73.85, latitude first");
    return true;
  }
  bycoords = true;
  lat = todeg(todm(y));
  lon = todeg(todm(x));
  const nearby n = worldatlas().nearest(lat, lon);
  br->additem(placelabel(*n.p) + ", " + std::to_string(std::lround(n.km)) + " km");
  br->value(1);
  note->copy_label(("The place nearest to " + lattext(lat) + " " + lontext(lon)).c_str());
  return true;
}

// The places that match the search field, the first of them selected when
// the text tells which place is meant; when several far apart may be, none
// is selected until the user chooses. When none match, the places of close
// names are listed instead, none selected.
void finderwin::search() {
  if (coordsearch()) return;
  const placesfound r = worldatlas().search(in->value());
  found = r.places.empty() ? r.close : r.places;
  br->clear();
  for (const place* p : found) br->additem(placelabel(*p));
  if (!r.places.empty() && !r.ambiguous) br->value(1);
  const bool none = r.places.empty() && in->size() > 0;
  note->label(r.ambiguous     ? "Several places far apart have that name: choose one."
              : !none         ? ""
              : found.empty() ? "No place of 15,000 people or more has that name."
                              : "No place of that name; places of close names above.");
}

void search_cb(Fl_Widget*, void* v) { static_cast<finderwin*>(v)->search(); }

// OK, and Return or a double-click on a place: closes the finder and hands
// the place to the dialog.
void finder_sel(Fl_Widget*, void* v) {
  finderwin* w = static_cast<finderwin*>(v);
  if (w->closed || w->br->value() < 1) return;
  if (w->bycoords) {
    const std::function<void(double, double)> atcoords = w->atcoords;
    const double lat = w->lat, lon = w->lon;
    w->close();
    atcoords(lat, lon);
    return;
  }
  const place& p = *w->found[w->br->value() - 1];  // lives as long as the atlas
  const std::function<void(const place&)> chosen = w->chosen;
  w->close();
  chosen(p);
}

finderwin::finderwin(const std::string& text, std::function<void(const place&)> c,
                     std::function<void(double, double)> a)
    : modalwin(px(360), px(300), "Find Place"), chosen(std::move(c)), atcoords(std::move(a)) {
  begin();
  in = new searchinput(px(60), px(10), px(280), px(25), "Place:");
  in->when(FL_WHEN_CHANGED);
  in->callback(search_cb, this);
  br = new linebrowser(px(20), px(45), px(320), px(190), nullptr);
  br->callback(finder_sel, this);
  in->list = br;
  note = new Fl_Box(px(20), px(238), px(320), px(20));
  note->labelsize(px(12));
  (new Fl_Button(px(40), px(265), px(60), px(25), "OK"))->callback(finder_sel, this);
  (new Fl_Button(px(260), px(265), px(60), px(25), "Cancel"))->callback(closecb, this);
  end();
  in->value(text.c_str());
  search();
}

}  // namespace

void findplace(const std::string& text, std::function<void(const place&)> chosen,
               std::function<void(double lat, double lon)> atcoords) {
  const std::string& why = worldatlas().load();
  if (!why.empty()) {
    fl_alert("%s", why.c_str());
    return;
  }
  finderwin* w = new finderwin(text, std::move(chosen), std::move(atcoords));
  w->show();
  w->in->take_focus();
  w->in->position(w->in->size());
}
