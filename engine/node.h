// Longitude of the Moon's ascending node.
#pragma once

// True and mean ascending node of the Moon, mean equinox of date.
//   T      Julian centuries from J2000.0 (Universal Time), any value
//   mean   output: the mean node, degrees in [0, 360); may be null
//   returns the true node, degrees in [0, 360)
double getnode(double T, double* mean);
