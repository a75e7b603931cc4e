// Geocentric tropical longitudes and daily motions of the moving chart points.
#pragma once

// Geocentric ecliptic longitude of a planet from heliocentric positions.
//   p      planet's L (rad), B (rad), R (au), as from getplanet2
//   e      the Earth's L, B, R at the same instant
//   returns radians in [0, 2pi]: 2pi only when atan2 gives a hair below
//   zero and adding 2pi rounds up; ecliptic-plane geometry only
double hel2geo(const double* p, const double* e);

// Apparent tropical longitudes of the Sun, Moon, planets and nodes.
//   T      Julian centuries from J2000.0 (Universal Time)
//   out    ten doubles in body order; entries 1..9 are written in degrees,
//          reduced by fmod 360 (the Moon, and a planet near 0 deg, may lie
//          slightly outside [0, 360)); entry 0 is untouched. The Sun, Moon
//          and planets refer to the true equinox of date, the nodes to the
//          mean equinox.
void planets(double T, double* out);

// Longitudes and daily motions of the moving chart points.
//   T      Julian centuries from J2000.0 (Universal Time)
//   pos    ten doubles; entries 1..9 receive degrees as from planets
//   speed  ten doubles; entries 1..9 receive degrees per day (negative:
//          retrograde), from the motion over the preceding hour
//   Entry 0 of both arrays is untouched.
void getplanets(double T, double* pos, double* speed);
