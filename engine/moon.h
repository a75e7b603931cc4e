// The Moon's longitude from a 60-term periodic series.
#pragma once

// Geocentric ecliptic longitude of the Moon, mean equinox of date.
//   T      Julian centuries from J2000.0 (Universal Time), any value
//   returns degrees in [0, 360), without nutation
double getlunar(double T);
