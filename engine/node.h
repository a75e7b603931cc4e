// Longitude of the Moon's ascending node.
#pragma once

#include <cstdint>

// Periodic terms of the true node, one row per term: amplitude (1e-4 deg),
// phase (1e-4 deg), coefficients of T^2, T^3, T^4 of the argument (1e-7,
// 1e-9, 1e-11 deg).
extern const int32_t nodterms[22][5];
// Coefficient of T of each term's argument, degrees per Julian century.
extern const double nodlrg[22];

// True and mean ascending node of the Moon, mean equinox of date.
//   T      Julian centuries from J2000.0 (Universal Time), any value
//   mean   output: the mean node, degrees in [0, 360); may be null
//   returns the true node, degrees in [0, 360)
double getnode(double T, double* mean);
