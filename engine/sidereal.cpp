// Ayanamsa and ascendant.
#include "engine/sidereal.h"

#include <cmath>

#include "engine/angles.h"

double getayan(double T) {
  // Seconds of arc: 85886" at J2000.0.
  double s = (1.11 * T + 5029.0) * T + 85886.0;
  return -s / 3600;
}

double ascendant(double T, double u, double lon, double lat) {
  // Local sidereal time in degrees. The constant is 6.697374558 h plus ten
  // whole days; T already holds the time of day, so 2400.0513 T also gives
  // the excess of sidereal over solar time during the day.
  double th = (2400.0513 * T + 246.697374558 + u) * 15 - lon;
  th = rev(th) * rad;
  // Obliquity of the ecliptic.
  double eps = (23.439291 - 0.0130042 * T - 0.0000001639 * T * T) * rad;
  double x = -(std::sin(th) * std::cos(eps) + std::tan(lat * rad) * std::sin(eps));
  double A = std::atan2(std::cos(th), x);
  if (A < 0.0) A += pi;
  if (std::cos(th) < 0.0) A += pi;
  double asc = A * deg_per_rad;
  // A tiny negative angle can round up to a full turn.
  if (asc >= 360.0) asc -= 360.0;
  return asc;
}
