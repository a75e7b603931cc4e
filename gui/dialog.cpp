// The chart data dialog: New and Edit open it, OK commits its entries, Find
// fills the place, its coordinates and its zone from the atlas. The
// callbacks only move values between the widgets and an entries struct; the
// checks and the commit are in chart/entrycheck, what Find fills and the
// zone that follows the date and time in atlas/placefill.
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Int_Input.H>
#include <FL/fl_ask.H>

#include "atlas/placefill.h"
#include "chart/entrycheck.h"
#include "gui/commands.h"
#include "gui/fieldfont.h"
#include "gui/modalwin.h"
#include "gui/placefinder.h"
#include "gui/question.h"
#include "gui/scale.h"
#include "gui/shell.h"
#include "gui/typeahead.h"
#include "gui/zonewords.h"

namespace {

// The choices' items. None of the labels holds a character that add()
// would read as a submenu, shortcut or divider mark.
static const char* const monthitems[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",  "Jul",
                                         "Aug", "Sep", "Oct", "Nov", "Dec", nullptr};
static const char* const zoneitems[] = {"+", "-", nullptr};
static const char* const ewitems[] = {"W", "E", nullptr};
static const char* const nsitems[] = {"N", "S", nullptr};

// A choice whose entries can also be chosen by typing their first letters
// ("Aug", "E", "-") while it has the focus; an entry so chosen runs the
// callback as one picked from its menu does.
class typedchoice : public Fl_Choice {
 public:
  typedchoice(int x, int y, int w, int h, const char* label, const char* const* items)
      : Fl_Choice(x, y, w, h, label), items(items) {
    for (; *items; ++items) add(*items, 0, nullptr);
    value(0);
  }

  int handle(int event) override {
    if (event == FL_FOCUS || event == FL_UNFOCUS) typed.clear();
    if (event == FL_KEYBOARD && Fl::focus() == this &&
        !Fl::event_state(FL_CTRL | FL_ALT | FL_META)) {
      const int i = typeahead(items, typed, std::string_view(Fl::event_text(), Fl::event_length()));
      if (i >= 0) {
        picked(menu() + i);
        redraw();
        return 1;
      }
    }
    return Fl_Choice::handle(event);
  }

 private:
  const char* const* items;
  std::string typed;  // the letters typed since the choice took the focus
};

Fl_Choice* choice(int x, int y, int w, int h, const char* label, const char* const* items) {
  return new typedchoice(x, y, w, h, label, items);
}

// The message boxes do not wrap: longer texts are broken into lines here.
std::string boxtext(std::string_view text) { return wrapped(text, 64); }

// A choice's item index, 0 when none is chosen.
int item(const Fl_Choice* c) { return c->value() > 0 ? c->value() : 0; }

// The Name and Place fields: they hold no more than a record's 23 bytes, cut
// as the user types or pastes (fittyped), so that what is shown is what OK
// keeps, in a font that has their letters (scriptinput). (FLTK 1.3's
// maximum_size counts characters, not bytes.)
class textfield : public scriptinput {
 public:
  textfield(int x, int y, int w, int h, const char* label) : scriptinput(x, y, w, h, label) {}

  int handle(int event) override {
    const int used = scriptinput::handle(event);
    if (size() > textmax) {
      size_t cursor = size_t(position());
      const std::string kept = fittyped(std::string_view(value(), size_t(size())), cursor);
      value(kept.data(), int(kept.size()));
      position(int(cursor));
    }
    return used;
  }
};

// The dialog window, with its entry widgets and the shell it commits to.
struct chartdlg : modalwin {
  chartdlg(shell& s, bool edit);
  int handle(int event) override;
  entries readentries() const;
  void showdate(const entries& e);
  void showentries(const entries& e);
  void showzone(const entries& e);
  bool settle(entries& e, zonestep s);
  void placechosen(const place& p);
  void coordschosen(double lat, double lon);

  shell& sh;
  zonefollow follow;           // the place whose zone the zone fields follow
  std::optional<place> found;  // the place Find chose, kept after the zone is typed
  Fl_Box* note;                // where the zone came from
  textfield *in_name, *in_place;
  Fl_Choice *in_mon, *in_zone, *in_lonew, *in_latns;
  Fl_Int_Input *in_day, *in_year, *in_hour, *in_min, *in_zhour, *in_zmin;
  Fl_Int_Input *in_lond, *in_lonm, *in_latd, *in_latm;
};

entries chartdlg::readentries() const {
  entries e;
  e.name = in_name->value();
  e.place = in_place->value();
  e.mon = item(in_mon);
  e.day = in_day->value();
  e.year = in_year->value();
  e.hour = in_hour->value();
  e.min = in_min->value();
  e.zone = in_zone->value();  // -1 while New's sign choices are unset
  e.zhour = in_zhour->value();
  e.zmin = in_zmin->value();
  e.lond = in_lond->value();
  e.lonew = in_lonew->value();
  e.lonm = in_lonm->value();
  e.latd = in_latd->value();
  e.latns = in_latns->value();
  e.latm = in_latm->value();
  return e;
}

// The date and time fields only.
void chartdlg::showdate(const entries& e) {
  in_mon->value(e.mon);
  in_day->value(e.day.c_str());
  in_year->value(e.year.c_str());
  in_hour->value(e.hour.c_str());
  in_min->value(e.min.c_str());
}

// The zone fields, and the line that says where the zone came from.
void chartdlg::showzone(const entries& e) {
  in_zone->value(e.zone);
  in_zhour->value(e.zhour.c_str());
  in_zmin->value(e.zmin.c_str());
  note->copy_label(follow.note.c_str());
}

void chartdlg::showentries(const entries& e) {
  in_name->value(e.name.c_str());
  showdate(e);
  showzone(e);
  in_place->value(e.place.c_str());
  in_lond->value(e.lond.c_str());
  in_lonew->value(e.lonew);
  in_lonm->value(e.lonm.c_str());
  in_latd->value(e.latd.c_str());
  in_latns->value(e.latns);
  in_latm->value(e.latm.c_str());
}

// The form is laid out for labels and texts of 12 pixels; FLTK 1.3's
// default of 14 would cut "Name:" and "Time: " at the window's left edge
// and "Mar" in the month choice.
void smallfont(Fl_Group* g) {
  for (int i = 0; i < g->children(); ++i) {
    Fl_Widget* w = g->child(i);
    w->labelsize(px(12));
    if (Fl_Input* in = dynamic_cast<Fl_Input*>(w)) in->textsize(px(12));
    if (Fl_Choice* c = dynamic_cast<Fl_Choice*>(w)) c->textsize(px(12));
  }
}

// A zone found by Find or at OK, made final: a time that came twice is
// put to the user with both offsets, a zone that cannot be filled is
// alerted. True when the zone fields hold the zone.
bool chartdlg::settle(entries& e, zonestep s) {
  if (s.kind == zonestep::choose) {
    // The box's buttons stand from right to left: Cancel, then the two
    // offsets (of a time that came twice, the earlier one leftmost; of a
    // city's two clocks, its own leftmost). Neither is a safe guess, so
    // Return answers nothing.
    const int i = ask(boxtext(s.message), {"Cancel", s.offsets[1].label, s.offsets[0].label});
    if (i == 0) return false;
    s = putzone(e, follow, s.offsets[2 - i]);
  }
  showzone(e);
  if (s.kind == zonestep::refused) fl_alert("%s", boxtext(s.message).c_str());
  return s.kind == zonestep::filled;
}

void chartdlg::placechosen(const place& p) {
  if (closed) return;
  entries e = readentries();
  found = p;
  const zonestep s = chooseplace(e, follow, p);
  showentries(e);
  settle(e, s);
}

// Find took coordinates: Lon and Lat hold them, and the zone follows the
// place nearest to them, whatever the zone fields held.
void chartdlg::coordschosen(double lat, double lon) {
  if (closed) return;
  entries e = readentries();
  setlat(e, todm(lat));
  setlon(e, todm(lon));
  found.reset();
  follow = zonefollow();
  const zonestep s = coordszone(e, follow, worldatlas());
  showentries(e);
  settle(e, s);
}

// "Find...": the place finder, searching for the Place field's text.
void find_cb(Fl_Widget*, void* v) {
  chartdlg* d = static_cast<chartdlg*>(v);
  if (d->closed) return;
  findplace(
      d->in_place->value(), [d](const place& p) { d->placechosen(p); },
      [d](double lat, double lon) { d->coordschosen(lat, lon); });
}

// The date or the time changed: a zone that follows a place is given for
// them, without asking; OK asks what is left to ask.
void datechanged_cb(Fl_Widget*, void* v) {
  chartdlg* d = static_cast<chartdlg*>(v);
  if (d->closed || !d->follow.on) return;
  entries e = d->readentries();
  followzone(e, d->follow);
  d->showzone(e);
}

// Lon or Lat typed, or a side picked: the zone follows the place nearest to
// the coordinates, unless it is the user's or follows the place Find chose.
void coordschanged_cb(Fl_Widget*, void* v) {
  chartdlg* d = static_cast<chartdlg*>(v);
  if (d->closed) return;
  entries e = d->readentries();
  coordszone(e, d->follow, worldatlas());
  d->showzone(e);
}

// A zone typed or its sign picked: the zone is the user's from now on.
void zonetyped_cb(Fl_Widget*, void* v) {
  chartdlg* d = static_cast<chartdlg*>(v);
  if (d->closed) return;
  d->follow = zonefollow();
  d->follow.typed = true;
  d->note->copy_label("");
}

// "Now!": the present local date and time into the dialog's fields. Only
// the fields change: the birth data keeps its date and time until OK
// commits them.
void now_cb(Fl_Widget*, void* v) {
  chartdlg* d = static_cast<chartdlg*>(v);
  if (d->closed) return;
  std::time_t t = std::time(nullptr);
  d->showdate(entriesof(startrecord(*std::localtime(&t))));
  datechanged_cb(nullptr, d);
  d->redraw();
}

// Cancel (and the window's close or Escape): closes without committing.
const Fl_Callback* const close_cdlg = modalwin::closecb;

// OK: checks the entries; commits them and closes, or alerts and stays. A
// zone that follows a place is made final first. A zone that is not the
// one in force at the place (the one Find chose, or an atlas place within
// 10 km) at the date and time, or without such a place one far from the
// mean time of the longitude, is committed only when the user confirms it.
void ok_cdlg(Fl_Widget*, void* v) {
  chartdlg* d = static_cast<chartdlg*>(v);
  if (d->closed) return;
  entries e = d->readentries();
  // A zone that follows a place is filled below, once the rest is valid.
  entries typed = e;
  if (d->follow.on) setzone(typed, 0);
  const char* why = checkfilled(typed);
  if (why || (why = checkentries(e))) {
    fl_alert("%s", why);
    return;
  }
  if (d->follow.on && !d->settle(e, followzone(e, d->follow))) return;
  birthdata b = commitentries(e);
  const place* p = d->found ? &*d->found : nearplace(worldatlas(), b.lat, -b.lon, 10);
  const zoneask q = checkzone(b, p);
  // Escape goes back; there is no default for Return: using a far zone is
  // a choice made with a click.
  if (q.fix) {
    const int i = ask(boxtext(q.question),
                      {"Go back", "Keep " + zonetext(zoneof(b)), "Use " + zonetext(q.fixzone)});
    if (i == 0) return;
    if (i == 2) {
      setzone(e, q.fixzone);
      b = commitentries(e);
    }
  } else if (!q.question.empty() &&
             fl_choice("%s", "Go back", nullptr, "Use it", boxtext(q.question).c_str()) != 2) {
    return;
  }
  setchart(d->sh, b);
  d->close();
}

// Return or keypad Enter, from any field, is OK; on a button that has the
// focus (after Tab) it is that button, as Space is. The fields leave Return
// to the window.
int chartdlg::handle(int event) {
  const int key = Fl::event_key();
  if (event == FL_KEYBOARD && (key == FL_Enter || key == FL_KP_Enter) &&
      !Fl::event_state(FL_SHIFT | FL_CTRL | FL_ALT | FL_META)) {
    Fl_Button* b = dynamic_cast<Fl_Button*>(Fl::focus());
    if (b && b->window() == this)
      b->do_callback();
    else
      ok_cdlg(nullptr, this);
    return 1;
  }
  return modalwin::handle(event);
}

chartdlg::chartdlg(shell& s, bool edit) : modalwin(px(280), px(240), "Chart Data"), sh(s) {
  begin();
  in_name = new textfield(px(40), px(10), px(184), px(25), "Name:");
  in_mon = choice(px(60), px(40), px(50), px(25), "Date: ", monthitems);
  in_day = new Fl_Int_Input(px(120), px(40), px(25), px(25));
  in_year = new Fl_Int_Input(px(154), px(40), px(50), px(25));
  in_hour = new Fl_Int_Input(px(40), px(72), px(24), px(25), "Time: ");
  in_min = new Fl_Int_Input(px(72), px(72), px(24), px(25), ":");
  in_zone = choice(px(142), px(72), px(50), px(25), "Zone: ", zoneitems);
  in_zhour = new Fl_Int_Input(px(200), px(72), px(24), px(25));
  in_zmin = new Fl_Int_Input(px(232), px(72), px(24), px(25), ":");
  in_zone->tooltip(zonetip);
  in_zhour->tooltip(zonetip);
  in_place = new textfield(px(40), px(108), px(184), px(25), "Place:");
  Fl_Button* find = new Fl_Button(px(228), px(108), px(48), px(25), "Find...");
  find->callback(find_cb, this);
  in_lond = new Fl_Int_Input(px(40), px(144), px(30), px(25), "Lon: ");
  in_lonew = choice(px(72), px(144), px(40), px(25), nullptr, ewitems);
  in_lonm = new Fl_Int_Input(px(120), px(144), px(24), px(25));
  in_latd = new Fl_Int_Input(px(170), px(144), px(28), px(25), "Lat: ");
  in_latns = choice(px(204), px(144), px(40), px(25), nullptr, nsitems);
  in_latm = new Fl_Int_Input(px(252), px(144), px(24), px(25));
  note = new Fl_Box(px(8), px(171), px(264), px(27));
  note->box(FL_FLAT_BOX);
  note->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_TOP | FL_ALIGN_WRAP);
  Fl_Button* ok = new Fl_Button(px(20), px(200), px(60), px(25), "OK");
  ok->callback(ok_cdlg, this);
  Fl_Button* now = new Fl_Button(px(110), px(200), px(60), px(25), "Now!");
  now->callback(now_cb, this);
  Fl_Button* cancel = new Fl_Button(px(200), px(200), px(60), px(25), "Cancel");
  cancel->callback(close_cdlg, this);
  end();
  smallfont(this);
  note->labelsize(px(11));
  Fl_Widget* const dated[] = {in_mon, in_day, in_year, in_hour, in_min};
  for (Fl_Widget* w : dated) {
    w->when(FL_WHEN_CHANGED);
    w->callback(datechanged_cb, this);
  }
  Fl_Widget* const placed[] = {in_lond, in_lonew, in_lonm, in_latd, in_latns, in_latm};
  for (Fl_Widget* w : placed) {
    w->when(FL_WHEN_CHANGED);
    w->callback(coordschanged_cb, this);
  }
  Fl_Widget* const zoned[] = {in_zone, in_zhour, in_zmin};
  for (Fl_Widget* w : zoned) {
    w->when(FL_WHEN_CHANGED);
    w->callback(zonetyped_cb, this);
  }
  if (edit) {
    // A zone that is the atlas's for the chart's place and time follows the
    // date and time from now on, as after Find; any other stays until Find
    // or the user changes it.
    const entries e = entriesof(s.birth);
    startfollow(e, follow, nearplace(worldatlas(), s.birth.lat, -s.birth.lon, 10));
    follow.typed = !follow.on;
    showentries(e);
  } else {
    // No sign is taken for the user's: a record typed in half is no chart.
    for (Fl_Choice* c : {in_zone, in_lonew, in_latns}) c->value(-1);
  }
}

}  // namespace

// Builds and shows the dialog, modal; returns at once.
void new_cb(Fl_Widget*, void* sh) { (new chartdlg(*static_cast<shell*>(sh), false))->show(); }

void edit_cb(Fl_Widget*, void* sh) { (new chartdlg(*static_cast<shell*>(sh), true))->show(); }
