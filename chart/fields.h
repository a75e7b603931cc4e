// The checks a chart's fields must pass, in the dialog's order: one table
// behind both the dialog's alerts and the chart line reader's reasons.
#pragma once

#include <string>

#include "chart/birth.h"

// A range check of one integer field, or one of the two month-length checks
// of the day (February: 28 days, 29 in a leap year; April, June, September
// and November: 30 days).
enum class checkkind { range, february, thirtydays };

struct fieldcheck {
  checkkind kind;
  const char* what;       // the field as the reader names it: "zone hour"
  int birthdata::*field;  // the field checked
  int lo, hi;             // its range (a range check only)
  const char* alert;      // the dialog's message
};

// Year, day, the two month-length checks, hour, minute, zone hour and
// minute, longitude degree and minute, latitude degree and minute.
extern const fieldcheck fieldchecks[12];

// The first check of fieldchecks that the integer fields of b fail, or
// nullptr when they pass them all. The month-length checks read mon 1..12.
const fieldcheck* firstbad(const birthdata& b);

// Why b fails check c, on one line: "year 1500 is outside 1600-2400", "Feb
// 29 is not a date in 1900", "Apr 31 is not a date: the month has 30 days".
std::string checkreason(const fieldcheck& c, const birthdata& b);
