// The birth data record: the input of the current chart.
#pragma once

#include <ctime>
#include <string_view>

#include "engine/chart.h"

// One chart's birth data. Integer fields and flags are what the dialog shows
// and the chart file stores; zone, lon and lat are derived from them (derive).
struct birthdata {
  char name[textmax + 1] = {};  // at most textmax bytes, always terminated
  char place[32] = {};          // at most textmax bytes, always terminated
  int mon = 1;                  // 1..12
  int day = 1;                  // 1..31
  int year = 2000;              // 1600..2400 from the dialog
  int hour = 0;                 // 0..23, local clock
  int min = 0;                  // 0..59
  int zhour = 0;                // 0..12, zone hours without sign
  int zmin = 0;                 // 0..59
  bool zeast = false;           // zone sign "-" (clock ahead of Universal Time)
  double zone = 0.0;            // hours to add to the clock time to get UT
  int londg = 0;                // 0..179
  int lonmn = 0;                // 0..59
  bool loneast = false;
  double lon = 0.0;  // degrees, positive west
  int latdg = 0;     // 0..89
  int latmn = 0;     // 0..59
  bool latsouth = false;
  double lat = 0.0;     // degrees, positive north
  char dtstr[64] = {};  // the header's date line, at most 63 characters
};

// Casts the chart of a record.
chartstate castchart(const birthdata& b);

// Derives zone, lon and lat from their integer parts and sign flags.
void derive(birthdata& b);

// Copies at most the first textmax (23) bytes of src into dst and fills the
// rest of them with zero bytes (the strncpy rule). dst[textmax] is left
// alone, so a zero-initialised buffer stays terminated.
void copytext(char* dst, const char* src);

// Month abbreviation "Jan".."Dec" of month 1..12; "???" for any other value,
// so that a record from outside the dialog's ranges never indexes past mstr.
const char* monthname(int mon);

// Reads a decimal integer as C atoi does, within s only: leading white
// space, an optional sign, digits up to the first other byte; 0 when there
// are no digits. Values beyond the int range saturate to INT_MAX or INT_MIN.
int readdecimal(std::string_view s);

// The date line at start: strftime "%a %x %H:%M %z" of the local time.
void datestart(char* dtstr, const std::tm& now);

// The date line after a commit or a load:
// "%s %d, %d %02d:%02d Zone: %02d:%02d", bounded to 63 characters whatever
// the record holds.
void dateline(char* dtstr, const birthdata& b);

// The start-up record for the local time now: "Prasna", "Nowhere", zone and
// coordinates zero, the start form of the date line.
birthdata startrecord(const std::tm& now);
