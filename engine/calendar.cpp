// Calendar: leap years, civil date to day number, day count to printed date.
#include "engine/calendar.h"

#include <cstdint>
#include <cstdio>

const char* const mstr[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool isleap(int y) {
  // Low two bits of the two's-complement value: divisibility by 4.
  return (static_cast<unsigned>(y) & 3u) == 0 && (y % 100 != 0 || y % 400 == 0);
}

double get_jul_day(int mon, int day, int year) {
  // 64-bit arithmetic: the same truncating divisions as in 32 bits for
  // every real date, and no overflow for extreme arguments.
  // Months since March of year -4800.
  int64_t m = 12 * static_cast<int64_t>(year) + mon + 57597;
  // Day number of the date read in the Julian calendar.
  int64_t n = m / 48 + day + (365 * m + 2 * (m % 12) + 7) / 12 - 32083;
  // After 15 October 1582 (Julian reading) the date is Gregorian.
  if (n > 2299171) n = n + m / 4800 - m / 1200 + 38;
  return static_cast<double>(n);
}

int jd2date(char* buf, double jd) {
  // Outside this range the day count has no int value, or the steps below
  // would give a month outside 1..12.
  if (!(jd >= 0.0 && jd < 2147483648.0)) return std::snprintf(buf, jd2date_size, "??? ??, ????");
  int64_t Z = static_cast<int64_t>(jd);
  int64_t alpha = static_cast<int64_t>((Z - 1867216.25) / 36524.25);
  int64_t A = Z + 1 + alpha - alpha / 4;
  int64_t B = A + 1524;
  int64_t C = static_cast<int64_t>((B - 122.1) / 365.25);
  int64_t D = static_cast<int64_t>(C * 365.25);
  int64_t E = static_cast<int64_t>((B - D) / 30.6001);
  int day = static_cast<int>(B - D - static_cast<int64_t>(E * 30.6001));
  int month = static_cast<int>(E < 14 ? E - 1 : E - 13);
  int year = static_cast<int>(month > 2 ? C - 4716 : C - 4715);
  return std::snprintf(buf, jd2date_size, "%s %2.2d, %d", mstr[month - 1], day, year);
}
