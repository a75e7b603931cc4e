// The Vimshottari periods: the nine lords, their years and the sub-period
// lengths, where the cycle stands at a birth, and the periods of a chart.
#pragma once

#include "engine/chart.h"

// Vimshottari tables: lords in the order Ke Ve Su Mo Ma Ra Ju Sa Me.
extern const char* const dashnam[9];
extern const int dashyrs[9];
extern const double doffs[81];  // sub-period lengths in days, row per major lord

// Where the cycle stands at birth, from the Moon's position in arc-minutes.
struct dashabirth {
  int major = 0;           // M, major lord at birth
  int sub = 0;             // A, sub-period lord at birth
  int i = 0;               // index of the running sub-period within its row
  int k = 0;               // index into doffs of the running sub-period
  double elapsed = 0.0;    // days of the major period gone at birth
  double remaining = 0.0;  // days from birth to the end of the sub-period
};
dashabirth dashaposition(int moonpos);

// One period of the list: its major lord and sub-period lord (indexes into
// dashnam) and the day count on which it starts (the jd convention).
struct dashaperiod {
  int major = 0;
  int sub = 0;
  double day = 0.0;
};

// Most periods a chart has: nine major periods of nine sub-periods.
constexpr int maxdashas = 81;

// The periods of a chart from its birth on, from the Moon's position and jd:
// the sub-period running at birth (starting on the birth day itself), the
// rest of its major period, then the eight major periods that follow, every
// sub-period of each. Fills out (room for maxdashas) and returns the count,
// 73 to 81.
int dashaperiods(const chartstate& s, dashaperiod* out);
