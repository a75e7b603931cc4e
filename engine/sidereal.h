// Ayanamsa and ascendant.
#pragma once

// Ayanamsa with a negative sign: the correction that turns a tropical
// longitude into a sidereal one.
//   T      Julian centuries from J2000.0 (Universal Time)
//   returns degrees (-23.857222 at T = 0, growing 5029" a century in size)
double getayan(double T);

// Tropical ascendant, the ecliptic point rising in the east.
//   T      Julian centuries from J2000.0 (Universal Time, time of day included)
//   u      Universal Time of day in hours, clock time plus zone (may lie
//          outside 0..24)
//   lon    geographic longitude, degrees, positive west
//   lat    geographic latitude, degrees, positive north, |lat| < 90
//   returns degrees in [0, 360)
double ascendant(double T, double u, double lon, double lat);
