// The chart data dialog's entries, their checks and their commit, without
// the toolkit: the dialog reads its widgets into an entries struct and hands
// it to these.
#pragma once

#include <string>
#include <string_view>

#include "chart/birth.h"
#include "chart/textcut.h"

// The dialog's entries as the user left them: the two texts, the ten integer
// fields as typed, and the item index (from 0) of each of the four choices.
struct entries {
  std::string name;
  std::string place;
  int mon = 0;  // month choice: 0 "Jan" .. 11 "Dec"
  std::string day, year;
  std::string hour, min;
  int zone = 0;  // zone sign choice: 0 "+", 1 "-"; -1 none chosen, as the
                 // other sign choices
  std::string zhour, zmin;
  std::string lond;
  int lonew = 0;  // 0 "W", 1 "E"
  std::string lonm;
  std::string latd;
  int latns = 0;  // 0 "N", 1 "S"
  std::string latm;
};

// A half-typed record, which must not become a chart: the first of the ten
// integer fields left blank, in the order of the checks, gets its range
// check's message ("Enter hour between\n0-23"), and a sign choice with no
// item chosen (-1, as New leaves them) its own. nullptr when all are given.
const char* checkfilled(const entries& e);

// Checks the entries in the dialog's order. Returns nullptr when every check
// passes, else the message of the first that fails, e.g.
// "Enter year between\n1600-2400.".
const char* checkentries(const entries& e);

// The birth data committed from entries that passed checkentries: texts cut
// to 23 bytes (cuttext) with control characters turned into blanks, the
// integer fields read as plain decimal numbers (readdecimal: "08" is 8, an
// empty field 0, values beyond the int range saturate and so fail every
// range check), the signs, the derived zone, lon and lat, and the date line.
birthdata commitentries(const entries& e);

// The entries that show a record in the dialog's edit mode: the texts, the
// integers in plain decimal ("%d") and the choice indexes.
entries entriesof(const birthdata& b);
