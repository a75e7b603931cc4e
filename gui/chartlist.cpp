// The chart list of File > Open.
#include <string>
#include <string_view>

#include <FL/Fl_Button.H>
#include <FL/fl_ask.H>
#include <FL/fl_draw.H>

#include "chart/birth.h"
#include "chart/chartfile.h"
#include "gui/commands.h"
#include "gui/fieldfont.h"
#include "gui/linebrowser.h"
#include "gui/modalwin.h"
#include "gui/scale.h"
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

// A chart line starts with the name, in a field of this many bytes, and
// ends with the place, from this byte on.
constexpr std::size_t namefield = sizeof birthdata::name - 1, placeat = 75;

// What splits a list item into its columns. The byte never belongs in a
// chart line; in any other line it is shown as the toolkit shows a control
// character, ^_.
constexpr char colsep = '\x1f';

bool isascii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

// Part of a line as one column: in the list's font, or in one that has its
// letters (fieldfont); its bytes shown as they stand.
std::string column(std::string_view part, Fl_Font font) {
  Fl_Font f = fieldfont(part, font);
  std::string c = f == font ? "@." : "@F" + std::to_string(f) + "@.";
  for (char b : part) b == colsep ? c += "^_" : c += b;
  return c;
}

// A line of the chart file as the list shows it, in the list's fixed-width
// font, so that the fields of the lines stand in columns. A line of ASCII
// letters is shown as it stands; any other is split in three columns, the
// name, the middle and the place, each as wide as its bytes in that font, so
// that a field starts where it does in every other item whatever the
// script and width of the name, and the name and the place are each in a
// font that has their letters.
std::string listitem(std::string_view line, Fl_Font font) {
  if (isascii(line)) return column(line, font);
  std::string item = column(line.substr(0, namefield), font);
  if (line.size() > namefield)
    item += colsep + column(line.substr(namefield, placeat - namefield), font);
  if (line.size() > placeat) item += colsep + column(line.substr(placeat), font);
  return item;
}

// The list window, with its browser and the shell it loads into.
struct listwin : modalwin {
  explicit listwin(shell& s);

  shell& sh;
  linebrowser* br;
  listing shown;  // how the file was read
  int widths[3];  // the columns of a line that is not ASCII
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

listwin::listwin(shell& s) : modalwin(px(360), px(300), "Select Chart"), sh(s) {
  begin();
  br = new linebrowser(px(20), px(20), px(300), px(200), "Chart List");
  br->callback(vnkbr_sel, this);
  br->textfont(FL_COURIER);
  // The columns are as wide as their fields' bytes in the list's font; the
  // toolkit draws a column's text 3 pixels into it, as it draws an item.
  fl_font(br->textfont(), br->textsize());
  widths[0] = static_cast<int>(fl_width(std::string(namefield, 'M').c_str()) + 0.5);
  widths[1] = static_cast<int>(fl_width(std::string(placeat, 'M').c_str()) + 0.5) - widths[0];
  widths[2] = 0;
  br->column_widths(widths);
  br->column_char(colsep);
  shown = listfile(chartfilename,
                   [&](std::string_view s) { br->add(listitem(s, br->textfont()).c_str()); });
  // A file that could not be read to its end lists nothing, as one that
  // could not be opened.
  if (!shown.opened) br->clear();
  // The first line is chosen until the user picks another.
  if (br->size() > 0) br->value(1);
  if (shown.opened)
    (new Fl_Button(px(40), px(250), px(40), px(25), "OK"))->callback(vnkbr_sel, this);
  (new Fl_Button(px(240), px(250), px(60), px(25), "Cancel"))->callback(closecb, this);
  end();
}

}  // namespace

// A chart file that is not a regular file (a FIFO would hold the window, a
// device such as /dev/zero never ends), or that is there but cannot be
// opened or read, is refused with the reason; a file longer than the
// list's limit is listed up to it, and the alert says so.
void open_cb(Fl_Widget*, void* sh) {
  listwin* w = new listwin(*static_cast<shell*>(sh));
  if (w->shown.notfile) {
    delete w;
    fl_alert("%s is not a regular file: it is not listed.", chartfilename);
    return;
  }
  if (!w->shown.why.empty()) {
    const std::string why = w->shown.why;
    delete w;
    fl_alert("%s: %s", chartfilename, why.c_str());
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
