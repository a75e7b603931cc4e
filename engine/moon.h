// The Moon's longitude from a 60-term periodic series.
#pragma once

#include <cstdint>

// Multipliers of D, M, M' and F for each term of the longitude series.
extern const int8_t luntrg[60][4];
// Amplitude of each term, 1e-8 degree.
extern const int32_t luntrm[60];

// Geocentric ecliptic longitude of the Moon, mean equinox of date.
//   T      Julian centuries from J2000.0 (Universal Time), any value
//   returns degrees in [0, 360), without nutation
double getlunar(double T);
