// Chart computation: birth instant and place to the chart state.
#include "engine/chart.h"

#include <algorithm>
#include <cmath>

#include "engine/calendar.h"
#include "engine/planets.h"
#include "engine/sidereal.h"

int32_t trunc32(double v) {
  if (!(v == v)) return 0;
  // Truncation keeps the clamped value within int32.
  return static_cast<int32_t>(std::clamp(v, -2147483648.0, 2147483647.0));
}

int32_t sidarcmin(double lon, double ayan) {
  // The remainder keeps the sign of the dividend: a negative value is
  // truncated first, then brought into the circle.
  int32_t v = trunc32(std::fmod(lon + ayan, 360.0) * 60);
  // The remainder is below 360 and its scaling below 21600 (the largest
  // double below 360 times 60 rounds down), so one turn added is enough.
  if (v < 0) v += circle_arcmin;
  return v;
}

int32_t arcsecday(double speed) { return trunc32(speed * 3600); }

chartstate castchart(int mon, int day, int year, int hour, int min, double zone, double lon,
                     double lat) {
  chartstate cs;
  cs.jd = get_jul_day(mon, day, year);
  // Universal Time of day in hours from 0 h UT of the civil date; it may
  // lie outside 0..24, the civil date is never changed.
  double u = hour + min / 60.0;
  u = u + zone;
  cs.jd = cs.jd + u / 24;
  // Julian centuries from J2000.0, Universal Time used as is.
  double T = (cs.jd - 0.5 - 2451545.0) / 36525.0;

  double pos[nbody] = {};
  double speed[nbody] = {};
  getplanets(T, pos, speed);
  pos[asc] = ascendant(T, u, lon, lat);
  double a = getayan(T);

  for (int i = 0; i < nbody; i++) cs.tpos[i] = sidarcmin(pos[i], a);
  // The ascendant's motion is not computed.
  for (int i = sun; i < nbody; i++) cs.tsp[i] = arcsecday(speed[i]);
  cs.tsp[asc] = 0;
  return cs;
}
