// The Vimshottari periods: lords, years, sub-period lengths, where the cycle
// stands at a birth, and the periods of a chart.
#include "chart/dasha.h"

const char* const dashnam[9] = {"Ke", "Ve", "Su", "Mo", "Ma", "Ra", "Ju", "Sa", "Me"};

// Years of each lord's major period; 120 in all.
const int dashyrs[9] = {7, 20, 6, 10, 7, 18, 16, 19, 17};

// Sub-period lengths in days. Row r is the major period of lord r; column c
// the sub-period of lord (r + c) mod 9. Years(major) x years(sub) x 365.25
// / 120, to hundredths; Su-Ra and Ra-Ra are rounded down. Used as they stand.
const double doffs[81] = {
    149.14,  426.13, 127.84,  213.06,  149.14,  383.51,  340.90,  404.82,  362.21,  // Ke
    1217.50, 365.25, 608.75,  426.13,  1095.75, 974.00,  1156.63, 1034.88, 426.13,  // Ve
    109.58,  182.63, 127.84,  328.72,  292.20,  346.99,  310.46,  127.84,  365.25,  // Su
    304.38,  213.06, 547.88,  487.00,  578.31,  517.44,  213.06,  608.75,  182.63,  // Mo
    149.14,  383.51, 340.90,  404.82,  362.21,  149.14,  426.13,  127.84,  213.06,  // Ma
    986.17,  876.60, 1040.96, 931.39,  383.51,  1095.75, 328.73,  547.88,  383.51,  // Ra
    779.20,  925.30, 827.90,  340.90,  974.00,  292.20,  487.00,  340.90,  876.60,  // Ju
    1098.79, 983.13, 404.82,  1156.63, 346.99,  578.31,  404.82,  1040.96, 925.30,  // Sa
    879.64,  362.21, 1034.88, 310.46,  517.44,  362.21,  931.39,  827.90,  983.13,  // Me
};

dashabirth dashaposition(int moonpos) {
  dashabirth p;
  // The lunar mansion and the part of it already traversed.
  double q = moonpos / static_cast<double>(nak_arcmin);
  int n = static_cast<int>(q);
  p.major = n % 9;
  double f = q - n;
  // Days of the birth major period gone at birth.
  p.elapsed = dashyrs[p.major] * 365.25 * f;
  // The running sub-period: the first whose end is at or after the birth.
  // A tie picks the one that ends at the birth moment. Every row adds up to
  // at least its major period, so the search stops within the row; the
  // last column is taken should it not.
  int k = 9 * p.major;
  double sum = 0.0;
  int i = 0;
  for (;;) {
    sum += doffs[k];
    if (sum >= p.elapsed || i == 8) break;
    ++k;
    ++i;
  }
  p.i = i;
  p.k = k;
  p.sub = (p.major + i) % 9;
  p.remaining = sum - p.elapsed;
  return p;
}

int dashaperiods(const chartstate& s, dashaperiod* out) {
  dashabirth p = dashaposition(s.tpos[moon]);
  int count = 0;
  double d = s.jd;
  double len = p.remaining;
  int k = p.k;
  // The birth's major period from its running sub-period on; each later one
  // whole, beginning with its own lord's sub-period.
  for (int b = 0; b < 9; ++b) {
    int major = (p.major + b) % 9;
    int sub = b == 0 ? p.sub : major;
    int entries = b == 0 ? 9 - p.i : 9;
    for (int e = 0; e < entries; ++e) {
      out[count++] = {major, sub, d};
      d += len;
      sub = (sub + 1) % 9;
      k = (k + 1) % 81;
      len = doffs[k];
    }
  }
  return count;
}
