// The chart data dialog: New and Edit open it, OK commits its entries, Find
// fills the place, its coordinates and its zone from the atlas. The
// callbacks only move values between the widgets and an entries struct; the
// checks and the commit are in chart/entrycheck, what Find fills and the
// zone that follows the date and time in atlas/placefill.
#include <algorithm>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Int_Input.H>
#include <FL/Fl_Window.H>
#include <FL/fl_ask.H>
#include <FL/fl_draw.H>

#include "atlas/placefill.h"
#include "chart/entrycheck.h"
#include "gui/commands.h"
#include "gui/modalwin.h"
#include "gui/placefinder.h"
#include "gui/shell.h"

namespace {

// The choices' items. None of the labels holds a character that add()
// would read as a submenu, shortcut or divider mark.
static const char* const monthitems[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",  "Jul",
                                         "Aug", "Sep", "Oct", "Nov", "Dec", nullptr};
static const char* const zoneitems[] = {"+", "-", nullptr};
static const char* const ewitems[] = {"W", "E", nullptr};
static const char* const nsitems[] = {"N", "S", nullptr};

// The zone's sign is the opposite of ISO 8601's: it is added to the local
// time to give Universal Time.
static const char* const zonetip =
    "Added to the local time to give Universal Time:\n"
    "- east of Greenwich (India - 05:30)\n"
    "+ west (New York in winter + 05:00)";

Fl_Choice* choice(int x, int y, int w, int h, const char* label, const char* const* items) {
  Fl_Choice* c = new Fl_Choice(x, y, w, h, label);
  for (; *items; ++items) c->add(*items, 0, nullptr);
  c->value(0);
  return c;
}

// The message boxes do not wrap: longer texts are broken into lines here.
std::string boxtext(std::string_view text) { return wrapped(text, 64); }

// A question that Return does not answer: each answer is a click (or Space
// on the focused button). buttons stand from the right, the first the way
// back, which Escape and closing the window also give. Returns the index of
// the button chosen.
int ask(const std::string& text, const std::vector<std::string>& buttons) {
  const std::string shown = boxtext(text);
  fl_font(FL_HELVETICA, FL_NORMAL_SIZE);
  int tw = 0, th = 0;
  fl_measure(shown.c_str(), tw, th, 0);
  const int n = int(buttons.size());
  int bw = 90;  // wide enough for the longest label
  for (const std::string& b : buttons) bw = std::max(bw, int(fl_width(b.c_str())) + 20);
  const int w = std::max(tw + 80, n * (bw + 10) + 10), h = th + 75;
  Fl_Window win(w, h);  // untitled, as the toolkit's own message boxes
  Fl_Box* icon = new Fl_Box(10, 10, 50, 50, "?");
  icon->box(FL_THIN_UP_BOX);
  icon->labelfont(FL_TIMES_BOLD);
  icon->labelsize(34);
  icon->labelcolor(FL_BLUE);
  Fl_Box* box = new Fl_Box(70, 10, w - 70, th + 20);  // the label is inset by 3 pixels
  box->copy_label(shown.c_str());
  box->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
  int chosen = 0;
  for (int i = 0; i < n; ++i) {
    Fl_Button* b = new Fl_Button(w - (i + 1) * (bw + 10), h - 35, bw, 25);
    b->copy_label(buttons[i].c_str());
    b->callback(
        [](Fl_Widget* b, void* at) {
          *static_cast<int*>(at) = b->parent()->find(b) - 2;  // after the icon and the text
          b->window()->hide();
        },
        &chosen);
  }
  win.end();
  win.set_modal();
  win.show();
  while (win.shown()) Fl::wait();
  return chosen;
}

// A choice's item index, 0 when none is chosen.
int item(const Fl_Choice* c) { return c->value() > 0 ? c->value() : 0; }

// The dialog window, with its entry widgets and the shell it commits to.
struct chartdlg : modalwin {
  chartdlg(shell& s, bool edit);
  entries readentries() const;
  void showdate(const entries& e);
  void showentries(const entries& e);
  void showzone(const entries& e);
  bool settle(entries& e, zonestep s);
  void placechosen(const place& p);

  shell& sh;
  zonefollow follow;           // the place whose zone the zone fields follow
  std::optional<place> found;  // the place Find chose, kept after the zone is typed
  Fl_Box* note;                // where the zone came from
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
    w->labelsize(12);
    if (Fl_Input* in = dynamic_cast<Fl_Input*>(w)) in->textsize(12);
    if (Fl_Choice* c = dynamic_cast<Fl_Choice*>(w)) c->textsize(12);
  }
}

// A zone found by Find or at OK, made final: a time that came twice is
// put to the user with both offsets, a zone that cannot be filled is
// alerted. True when the zone fields hold the zone.
bool chartdlg::settle(entries& e, zonestep s) {
  if (s.kind == zonestep::choose && s.clocks) {
    // A city's own clock or the standard time: asked without a default.
    const int i = ask(s.message, {"Cancel", s.offsets[1].label, s.offsets[0].label});
    if (i == 0) return false;
    s = putzone(e, follow, s.offsets[2 - i]);
  } else if (s.kind == zonestep::choose) {
    // The box's buttons stand from right to left: Cancel, then the two
    // offsets, the earlier one leftmost.
    const int i = fl_choice("%s", "Cancel", s.offsets[1].label.c_str(), s.offsets[0].label.c_str(),
                            boxtext(s.message).c_str());
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
    const int i =
        ask(q.question, {"Go back", "Keep " + zonetext(zoneof(b)), "Use " + zonetext(q.fixzone)});
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

chartdlg::chartdlg(shell& s, bool edit) : modalwin(280, 240, "Chart Data"), sh(s) {
  begin();
  in_name = new Fl_Input(40, 10, 184, 25, "Name:");
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
  in_place = new Fl_Input(40, 108, 184, 25, "Place:");
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
  if (edit) {
    // A zone that is the atlas's for the chart's place and time follows the
    // date and time from now on, as after Find.
    const entries e = entriesof(s.birth);
    startfollow(e, follow, nearplace(worldatlas(), s.birth.lat, -s.birth.lon, 10));
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
