// Calendar: leap years, civil date to day number, day count to printed date.
#pragma once

#include <cstddef>

// Month abbreviations "Jan" .. "Dec", index month - 1.
extern const char* const mstr[12];

// Gregorian leap year test (for every year, no Julian variant).
//   y      year, astronomical numbering (any int)
//   returns true when y is divisible by 4 and not by 100, or by 400
bool isleap(int y);

// Julian Day Number of a civil date.
//   mon    month 1..12; day  day of month; year  astronomical numbering
//   returns the day number as an integral double; dates after
//   15 October 1582 are read as Gregorian, that day and earlier as Julian.
//   Nothing is validated: a day past the end of its month rolls over.
//   Arithmetic is exact for every int input (no overflow).
double get_jul_day(int mon, int day, int year);

// Size in bytes that a jd2date buffer must have.
constexpr std::size_t jd2date_size = 32;

// Printable proleptic Gregorian date of a day count.
//   buf    output, at least jd2date_size bytes; always NUL-terminated and
//          never written past jd2date_size bytes
//   jd     day count: Julian Day Number + fraction of the day (JD + 0.5);
//          the fraction is ignored. Valid for 0 <= jd < 2^31; any other
//          value (negative, huge, NaN, infinite) prints "??? ??, ????".
//   returns the number of characters written, without the NUL
//   Format "%s %2.2d, %d": "Jan 05, 2001".
int jd2date(char* buf, double jd);
