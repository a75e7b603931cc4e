// The Moon's longitude from a 60-term periodic series.
#pragma once

// Geocentric ecliptic longitude of the Moon, mean equinox of date.
//   T      Julian centuries from J2000.0 (Universal Time), any value
//   returns degrees in [0, 360), without nutation
double getlunar(double T);

// The same at two times at once: lam0 at T0, lam1 at T1, each exactly as
// getlunar gives it.
void getlunar2(double T0, double T1, double* lam0, double* lam1);
