// Angle constants and the reduction of an angle to one turn, for the engine
// and the programs that check it.
#pragma once

#include <cmath>

constexpr double pi = 3.141592653589793;
constexpr double twopi = 6.283185307179586;
// Radians per degree and degrees per radian.
constexpr double rad = 0.017453292519943295;
constexpr double deg_per_rad = 57.29577951308232;

// x reduced to one turn of turn units, [0, turn): the remainder by turn,
// plus turn when negative. A remainder a hair below zero plus turn rounds to
// turn itself, a whole turn, which is 0. (The remainder of a positive value
// is exact, and so below turn.)
inline double revturn(double x, double turn) {
  x = std::fmod(x, turn);
  if (x < 0.0) {
    x += turn;
    if (x == turn) x = 0.0;
  }
  return x;
}

// Degrees reduced to one turn, [0, 360).
inline double rev(double x) { return revturn(x, 360.0); }

// Radians reduced to one turn, [0, 2pi).
inline double rev2pi(double x) { return revturn(x, twopi); }
