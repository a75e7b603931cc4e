// The Vimshottari periods as data: the nine lords, their years and the
// sub-period lengths, and where the cycle stands at a birth.
#pragma once

// Vimshottari tables: lords in the order Ke Ve Su Mo Ma Ra Ju Sa Me.
extern const char* const dashnam[9];
extern const int dashyrs[9];
extern const double doffs[81];  // sub-period lengths in days, row per major lord

// Where the cycle stands at birth, from the Moon's position in arc-minutes.
struct dashabirth {
  int major = 0;          // M, major lord at birth
  int sub = 0;            // A, sub-period lord at birth
  int i = 0;              // index of the running sub-period within its row
  int k = 0;              // index into doffs of the running sub-period
  double elapsed = 0.0;   // days of the major period gone at birth
  double remaining = 0.0; // days from birth to the end of the sub-period
};
dashabirth dashaposition(int moon);
