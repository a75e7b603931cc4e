// The Moon's longitude from a 60-term periodic series.
#pragma once

#include "engine/sincos.h"

// Geocentric ecliptic longitude of the Moon, mean equinox of date.
//   T      Julian centuries from J2000.0 (Universal Time), any value
//   returns degrees in [0, 360), without nutation
double getlunar(double T);

// The same at the two times of T at once, each exactly as getlunar gives
// it.
vec2 getlunar2(vec2 T);
