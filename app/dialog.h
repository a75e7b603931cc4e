// The chart data dialog: New and Edit open it, OK commits its entries.
#pragma once

class Fl_Double_Window;
class Fl_Input;
class Fl_Int_Input;
class Fl_Choice;
class Fl_Widget;

// The open dialog and its entry widgets; cdlg is null while none is open.
extern Fl_Double_Window* cdlg;
extern Fl_Input *in_name, *in_place;
extern Fl_Choice *in_mon, *in_zone, *in_lonew, *in_latns;
extern Fl_Int_Input *in_day, *in_year, *in_hour, *in_min, *in_zhour, *in_zmin;
extern Fl_Int_Input *in_lond, *in_lonm, *in_latd, *in_latm;

// Builds and shows the dialog, modal; with edit it shows the current birth
// data, else empty fields. Returns at once.
void chart_dlg(bool edit);

// "Now!": the present local date and time into the dialog's fields.
void now_cb(Fl_Widget*, void*);
// Cancel (and the window's close or Escape): closes without committing.
void close_cdlg(Fl_Widget*, void*);
// OK: checks the entries; commits them and closes, or alerts and stays.
void ok_cdlg(Fl_Widget*, void*);
