// Calendar: leap years, civil date to day number, day count to printed date.
#include "engine/calendar.h"

#include <charconv>
#include <cstdint>
#include <cstring>

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

namespace {

// "%s %2.2d, %d" of a date, at buf; the number of characters written.
int datetext(char* buf, int day, int month, int64_t year) {
  std::memcpy(buf, mstr[month - 1], 3);
  buf[3] = ' ';
  buf[4] = static_cast<char>('0' + day / 10);
  buf[5] = static_cast<char>('0' + day % 10);
  buf[6] = ',';
  buf[7] = ' ';
  char* end = buf + 12;
  if (year >= 1000 && year <= 9999) {
    // The years of nearly every chart, digit by digit.
    unsigned y = static_cast<unsigned>(year);
    buf[8] = static_cast<char>('0' + y / 1000);
    buf[9] = static_cast<char>('0' + y / 100 % 10);
    buf[10] = static_cast<char>('0' + y / 10 % 10);
    buf[11] = static_cast<char>('0' + y % 10);
  } else {
    end = std::to_chars(buf + 8, buf + jd2date_size - 1, year).ptr;
  }
  *end = '\0';
  return static_cast<int>(end - buf);
}

// The Gregorian date of day number Z from 1867217 (1 March 400) to 10^8,
// where Meeus' steps in jd2date give the same dates (checked day by day):
// Neri and Schneider's, in 32 bits with a few multiplications and shifts
// (Euclidean affine functions, 2022). Days are counted from 1 March of year
// -32800 (82 cycles of 400 years before year 0), so that every quantity is
// positive.
int gregdate(char* buf, uint32_t Z) {
  uint32_t N = Z - 1721120 + 146097 * 82;
  uint32_t N1 = 4 * N + 3, C = N1 / 146097, NC = N1 % 146097 / 4;
  uint64_t P2 = uint64_t{2939745} * (4 * NC + 3);
  uint32_t Yc = static_cast<uint32_t>(P2 >> 32);
  uint32_t NY = static_cast<uint32_t>(P2) / 2939745 / 4;
  uint32_t N3 = 2141 * NY + 197913, M = N3 >> 16, D = (N3 & 0xffff) / 2141;
  bool jan = NY >= 306;  // January or February: the next year's
  int64_t year = static_cast<int64_t>(100 * C + Yc) - 32800 + jan;
  return datetext(buf, static_cast<int>(D + 1), static_cast<int>(jan ? M - 12 : M), year);
}

}  // namespace

int jd2date(char* buf, double jd) {
  // Outside this range the day count has no int value, or the steps below
  // would give a month outside 1..12.
  if (!(jd >= 0.0 && jd < 2147483648.0)) {
    std::memcpy(buf, "??? ??, ????", 13);
    return 12;
  }
  int64_t Z = static_cast<int64_t>(jd);
  if (Z >= 1867217 && Z < 100000000) return gregdate(buf, static_cast<uint32_t>(Z));
  // Meeus' steps in whole numbers, each decimal quotient as a quotient of
  // integers: each true quotient is either whole or more than 1/306001 from
  // the next whole number, so both truncate alike for every day count here.
  int64_t alpha = (4 * Z - 7468865) / 146097;  // (Z - 1867216.25) / 36524.25
  int64_t A = Z + 1 + alpha - alpha / 4;
  int64_t B = A + 1524;
  int64_t C = (20 * B - 2442) / 7305;    // (B - 122.1) / 365.25
  int64_t D = 1461 * C / 4;              // C * 365.25
  int64_t E = 10000 * (B - D) / 306001;  // (B - D) / 30.6001
  int day = static_cast<int>(B - D - E * 306001 / 10000);
  int month = static_cast<int>(E < 14 ? E - 1 : E - 13);
  int64_t year = month > 2 ? C - 4716 : C - 4715;
  return datetext(buf, day, month, year);
}
