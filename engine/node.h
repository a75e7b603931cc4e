// Longitude of the Moon's ascending node.
#pragma once

#include "engine/sincos.h"

// True and mean ascending node of the Moon, mean equinox of date.
//   T      Julian centuries from J2000.0 (Universal Time), any value
//   mean   output: the mean node, degrees in [0, 360); may be null
//   returns the true node, degrees in [0, 360)
double getnode(double T, double* mean);

// The true node at the two times of T at once, and the mean node at the
// first (mean0 may be null), each exactly as getnode gives it.
vec2 getnode2(vec2 T, double* mean0);
