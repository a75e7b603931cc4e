// Chart computation: birth instant and place to the chart state.
#pragma once

#include <cstdint>

#include "engine/zodiac.h"

// The chart state.
//   jd    day count: Julian Day Number of the civil date plus the Universal
//         Time of day as a fraction of a day (astronomical JD + 0.5)
//   tpos  sidereal longitudes, whole arc-minutes, 0..21599
//   tsp   daily motions, whole arc-seconds per day (negative: retrograde);
//         the ascendant's is not computed and is 0
//   Both in body order (engine/zodiac.h).
struct chartstate {
  double jd = 0.0;
  int32_t tpos[nbody] = {};
  int32_t tsp[nbody] = {};
};

// Casts a chart. Given the local civil date (month 1..12, day, year), the
// local clock time (hour, minute), the zone in hours to add to the clock
// time to get Universal Time, the longitude in degrees (positive west) and
// the latitude in degrees (positive north). Pure and reentrant.
chartstate castchart(int mon, int day, int year, int hour, int min, double zone, double lon,
                     double lat);

// Truncation toward zero into int32: NaN gives 0 and values beyond the int32
// range are clamped, so no input can make the conversion undefined.
int32_t trunc32(double v);

// Sidereal longitude in whole arc-minutes, as stored in tpos.
//   lon    tropical longitude, degrees (any finite value)
//   ayan   ayanamsa as from getayan (negative degrees)
//   returns the remainder of lon + ayan by 360, times 60, truncated toward
//   zero, then 21600 added if negative: 0..21599 (0 for NaN)
int32_t sidarcmin(double lon, double ayan);

// Daily motion in whole arc-seconds, as stored in tsp.
//   speed  degrees per day
//   returns speed times 3600 truncated toward zero (-0.01999 gives -71);
//   NaN gives 0, values beyond the int32 range are clamped
int32_t arcsecday(double speed);
