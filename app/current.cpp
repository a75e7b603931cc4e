// The current chart: the one birth record of the running program and the
// chart cast from it.
#include "app/birth.h"

birthdata birth;
chartstate chart;

chartstate castchart(const birthdata& b) {
  return castchart(b.mon, b.day, b.year, b.hour, b.min, b.zone, b.lon, b.lat);
}

void setupplanets() { chart = castchart(birth); }
