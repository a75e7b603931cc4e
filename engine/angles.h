// Angle constants and the reduction of an angle to one turn, for the engine
// and the programs that check it.
#pragma once

#include <cmath>

constexpr double pi = 3.141592653589793;
constexpr double twopi = 6.283185307179586;
// Radians per degree and degrees per radian.
constexpr double rad = 0.017453292519943295;
constexpr double deg_per_rad = 57.29577951308232;

// Degrees reduced to one turn, [0, 360): the remainder by 360, plus 360 when
// negative. A remainder a hair below zero plus 360 rounds to 360 itself, a
// whole turn, which is 0. (The remainder of a positive value is exact, and
// so below 360.)
inline double rev(double x) {
  x = std::fmod(x, 360.0);
  if (x < 0.0) {
    x += 360.0;
    if (x == 360.0) x = 0.0;
  }
  return x;
}

// Radians reduced to one turn the same way: [0, 2pi).
inline double rev2pi(double x) {
  x = std::fmod(x, twopi);
  if (x < 0.0) {
    x += twopi;
    if (x == twopi) x = 0.0;
  }
  return x;
}
