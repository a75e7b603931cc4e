// Chart computation: birth instant and place to the chart state.
#pragma once

#include <cstdint>

// Number of chart points. Body order everywhere: 0 ascendant, 1 Sun, 2 Moon,
// 3 Mars, 4 Mercury, 5 Jupiter, 6 Venus, 7 Saturn, 8 Rahu, 9 Ketu.
constexpr int nbody = 10;

// The chart state.
//   jd    day count: Julian Day Number of the civil date plus the Universal
//         Time of day as a fraction of a day (astronomical JD + 0.5)
//   tpos  sidereal longitudes, whole arc-minutes, 0..21599
//   tsp   daily motions, whole arc-seconds per day (negative: retrograde);
//         entry 0 (ascendant) is not computed and is 0
struct chartstate {
  double jd = 0.0;
  int32_t tpos[nbody] = {};
  int32_t tsp[nbody] = {};
};

// Casts a chart. Given the local civil date (month 1..12, day, year), the
// local clock time (hour, minute), the zone in hours to add to the clock
// time to get Universal Time, the longitude in degrees (positive west) and
// the latitude in degrees (positive north). Pure and reentrant.
chartstate castchart(int mon, int day, int year, int hour, int min,
                     double zone, double lon, double lat);
