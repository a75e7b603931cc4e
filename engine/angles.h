// Angle constants and the reduction of an angle to one turn, for the engine
// and the programs that check it.
#pragma once

#include <cmath>

constexpr double pi = 3.141592653589793;
constexpr double twopi = 6.283185307179586;
// Radians per degree and degrees per radian.
constexpr double rad = 0.017453292519943295;
constexpr double deg_per_rad = 57.29577951308232;

// Degrees reduced to one turn: the remainder by 360, plus 360 when negative.
// A value a hair below a multiple of 360 gives 360 itself (the sum rounds up).
inline double rev(double x) {
  x = std::fmod(x, 360.0);
  if (x < 0.0) x += 360.0;
  return x;
}

// Radians reduced to one turn the same way: [0, 2pi], 2pi only by rounding.
inline double rev2pi(double x) {
  x = std::fmod(x, twopi);
  if (x < 0.0) x += twopi;
  return x;
}
