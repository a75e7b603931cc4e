// The chart data dialog: New and Edit open it, OK commits its entries, Find
// fills the place, its coordinates and its zone from the atlas. The
// callbacks only move values between the widgets and an entries struct; the
// checks and the commit are in chart/entrycheck, what Find fills and the
// zone that follows the date and time in atlas/placefill.
#include <ctime>
#include <string>
#include <string_view>

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

  shell& sh;
  zonefollow follow;  // the place whose zone the zone fields follow
  Fl_Box* note;       // where the zone came from
  Fl_Input *in_name, *in_place;
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
  e.zone = item(in_zone);
  e.zhour = in_zhour->value();
  e.zmin = in_zmin->value();
  e.lond = in_lond->value();
  e.lonew = item(in_lonew);
  e.lonm = in_lonm->value();
  e.latd = in_latd->value();
  e.latns = item(in_latns);
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
    w->labelsize(12);
    if (Fl_Input* in = dynamic_cast<Fl_Input*>(w)) in->textsize(12);
    if (Fl_Choice* c = dynamic_cast<Fl_Choice*>(w)) c->textsize(12);
  }
}

// A zone found by Find or at OK, made final: a time that came twice is
// put to the user with both offsets, a zone that cannot be filled is
// alerted. True when the zone fields hold the zone.
bool chartdlg::settle(entries& e, zonestep s) {
  if (s.kind == zonestep::choose) {
    // The box's buttons stand from right to left: Cancel, then the two
    // offsets, the earlier one leftmost. Neither offset is a safe guess, so
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
  const zonestep s = chooseplace(e, follow, p);
  showentries(e);
  settle(e, s);
}

// "Find...": the place finder, searching for the Place field's text.
void find_cb(Fl_Widget*, void* v) {
  chartdlg* d = static_cast<chartdlg*>(v);
  if (d->closed) return;
  findplace(d->in_place->value(), [d](const place& p) { d->placechosen(p); });
}

// The date, the time or the longitude changed: a zone that follows a place
// is given for them, without asking; OK asks what is left to ask.
void datechanged_cb(Fl_Widget*, void* v) {
  chartdlg* d = static_cast<chartdlg*>(v);
  if (d->closed || !d->follow.on) return;
  entries e = d->readentries();
  followzone(e, d->follow);
  d->showzone(e);
}

// A zone typed or its sign picked: the zone is the user's from now on.
void zonetyped_cb(Fl_Widget*, void* v) {
  chartdlg* d = static_cast<chartdlg*>(v);
  if (d->closed) return;
  d->follow = zonefollow();
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
// zone that follows a place is made final first; a zone far from the mean
// time of the longitude is committed only when the user confirms it.
void ok_cdlg(Fl_Widget*, void* v) {
  chartdlg* d = static_cast<chartdlg*>(v);
  if (d->closed) return;
  entries e = d->readentries();
  if (const char* why = checkentries(e)) {
    fl_alert("%s", why);
    return;
  }
  if (d->follow.on && !d->settle(e, followzone(e, d->follow))) return;
  const birthdata b = commitentries(e);
  const std::string question = zonequestion(b);
  // Escape goes back; there is no default for Return: using a far zone is
  // a choice made with a click.
  if (!question.empty() &&
      fl_choice("%s", "Go back", nullptr, "Use it", boxtext(question).c_str()) != 2)
    return;
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

chartdlg::chartdlg(shell& s, bool edit) : modalwin(280, 240, "Chart Data"), sh(s) {
  begin();
  in_name = new scriptinput(40, 10, 184, 25, "Name:");
  in_mon = choice(60, 40, 50, 25, "Date: ", monthitems);
  in_day = new Fl_Int_Input(120, 40, 25, 25);
  in_year = new Fl_Int_Input(154, 40, 50, 25);
  in_hour = new Fl_Int_Input(40, 72, 24, 25, "Time: ");
  in_min = new Fl_Int_Input(72, 72, 24, 25, ":");
  in_zone = choice(142, 72, 50, 25, "Zone: ", zoneitems);
  in_zhour = new Fl_Int_Input(200, 72, 24, 25);
  in_zmin = new Fl_Int_Input(232, 72, 24, 25, ":");
  in_zone->tooltip(zonetip);
  in_zhour->tooltip(zonetip);
  in_place = new scriptinput(40, 108, 184, 25, "Place:");
  Fl_Button* find = new Fl_Button(228, 108, 48, 25, "Find...");
  find->callback(find_cb, this);
  in_lond = new Fl_Int_Input(40, 144, 30, 25, "Lon: ");
  in_lonew = choice(72, 144, 40, 25, nullptr, ewitems);
  in_lonm = new Fl_Int_Input(120, 144, 24, 25);
  in_latd = new Fl_Int_Input(170, 144, 28, 25, "Lat: ");
  in_latns = choice(204, 144, 40, 25, nullptr, nsitems);
  in_latm = new Fl_Int_Input(252, 144, 24, 25);
  note = new Fl_Box(8, 171, 264, 27);
  note->box(FL_FLAT_BOX);
  note->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_TOP | FL_ALIGN_WRAP);
  Fl_Button* ok = new Fl_Button(20, 200, 60, 25, "OK");
  ok->callback(ok_cdlg, this);
  Fl_Button* now = new Fl_Button(110, 200, 60, 25, "Now!");
  now->callback(now_cb, this);
  Fl_Button* cancel = new Fl_Button(200, 200, 60, 25, "Cancel");
  cancel->callback(close_cdlg, this);
  end();
  smallfont(this);
  note->labelsize(11);
  Fl_Widget* const dated[] = {in_mon, in_day, in_year, in_hour, in_min, in_lond, in_lonew, in_lonm};
  for (Fl_Widget* w : dated) {
    w->when(FL_WHEN_CHANGED);
    w->callback(datechanged_cb, this);
  }
  Fl_Widget* const zoned[] = {in_zone, in_zhour, in_zmin};
  for (Fl_Widget* w : zoned) {
    w->when(FL_WHEN_CHANGED);
    w->callback(zonetyped_cb, this);
  }
  if (edit) showentries(entriesof(s.birth));
}

}  // namespace

// Builds and shows the dialog, modal; returns at once.
void new_cb(Fl_Widget*, void* sh) { (new chartdlg(*static_cast<shell*>(sh), false))->show(); }

void edit_cb(Fl_Widget*, void* sh) { (new chartdlg(*static_cast<shell*>(sh), true))->show(); }
