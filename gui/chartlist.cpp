// The chart list of File > Open.
#include <string>
#include <string_view>

#include <FL/Fl_Button.H>
#include <FL/fl_ask.H>

#include "chart/chartfile.h"
#include "gui/commands.h"
#include "gui/linebrowser.h"
#include "gui/modalwin.h"
#include "gui/shell.h"

namespace {

// Makes item n (from 0) of the chart file the current chart. An item that
// holds no chart (n < 0, the empty item after the last line) loads nothing;
// an unreadable file or a line that is not a chart is reported with an alert
// and changes nothing.
void load_chart(shell& sh, int n) {
  chartload r = loadchart(chartfilename, n);
  switch (r.state) {
    case loadstate::chart:
      setchart(sh, r.rec);
      sh.kept = r.rec;
      break;
    // An item without a chart (none chosen, the empty last item) is no
    // error: the current chart simply stays.
    case loadstate::nochart:
      break;
    case loadstate::unreadable:
      fl_alert("%s", r.why.c_str());
      break;
    case loadstate::badline:
      fl_alert("Not a chart line:\n%s", r.why.c_str());
      break;
  }
}

// The list window, with its browser and the shell it loads into.
struct listwin : modalwin {
  explicit listwin(shell& s);

  shell& sh;
  linebrowser* br;
  listing shown;  // how the file was read
};

// OK, and Return, keypad Enter or a double-click on an item: loads the
// chosen line and closes the list.
void vnkbr_sel(Fl_Widget*, void* v) {
  listwin* w = static_cast<listwin*>(v);
  if (w->closed) return;
  // The browser counts its lines from 1, with 0 for no selection.
  load_chart(w->sh, w->br->value() - 1);
  w->close();
}

listwin::listwin(shell& s) : modalwin(360, 300, "Select Chart"), sh(s) {
  begin();
  br = new linebrowser(20, 20, 300, 200, "Chart List");
  br->callback(vnkbr_sel, this);
  br->textfont(FL_COURIER);
  shown = listfile(chartfilename, [&](std::string_view s) { br->additem(s); });
  // A file that could not be read to its end lists nothing, as one that
  // could not be opened.
  if (!shown.opened) br->clear();
  // The first line is chosen until the user picks another.
  if (br->size() > 0) br->value(1);
  if (shown.opened) (new Fl_Button(40, 250, 40, 25, "OK"))->callback(vnkbr_sel, this);
  (new Fl_Button(240, 250, 60, 25, "Cancel"))->callback(closecb, this);
  end();
}

}  // namespace

// A chart file that is not a regular file (a FIFO would hold the window, a
// device such as /dev/zero never ends) is refused; a file longer than the
// list's limit is listed up to it, and the alert says so.
void open_cb(Fl_Widget*, void* sh) {
  listwin* w = new listwin(*static_cast<shell*>(sh));
  if (w->shown.notfile) {
    delete w;
    fl_alert("%s is not a regular file: it is not listed.", chartfilename);
    return;
  }
  if (w->shown.cut) {
    std::string most = std::to_string(w->br->size());
    for (std::size_t at = most.size(); at > 3; at -= 3) most.insert(at - 3, ",");
    fl_alert("%s has more lines than the list holds:\nit shows the first %s only.", chartfilename,
             most.c_str());
  }
  w->show();
}
