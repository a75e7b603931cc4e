// Longitude of the Moon's ascending node.
#pragma once

// True and mean ascending node of the Moon, mean equinox of date.
//   T      Julian centuries from J2000.0 (Universal Time), any value
//   mean   output: the mean node, degrees in [0, 360); may be null
//   returns the true node, degrees in [0, 360)
double getnode(double T, double* mean);

// The true node at two times at once: node0 at T0, node1 at T1, and the
// mean node at T0 (mean0 may be null), each exactly as getnode gives it.
void getnode2(double T0, double T1, double* node0, double* node1, double* mean0);
