// Random birth instants and places, the same for the benchmarks and the
// accuracy program: a seeded generator, so that every run casts the same
// charts.
#pragma once

#include <algorithm>
#include <cstddef>
#include <random>
#include <vector>

#include "engine/calendar.h"

struct instant {
  int mon, day, year, hour, min;
  double zone, lon, lat;  // zone hours, longitude positive west, latitude
};

// The default seed of both programs.
constexpr unsigned long instantseed = 20261206;

// n instants from 1 January y0 to 31 December y1: any day, hour and minute,
// zones of whole quarter hours to 12 either way, longitudes -180 to 180,
// latitudes -maxlat to maxlat.
inline std::vector<instant> draw(std::mt19937_64& g, int y0, int y1, int n, double maxlat = 60) {
  static const int mdays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  std::uniform_int_distribution<int> year(y0, y1), mon(1, 12), hour(0, 23), min(0, 59),
      zone(-48, 48);
  std::uniform_real_distribution<double> lon(-180, 180), lat(-maxlat, maxlat);
  std::vector<instant> v;
  for (int i = 0; i < n; i++) {
    instant t;
    t.year = year(g);
    t.mon = mon(g);
    int last = mdays[t.mon - 1] + (t.mon == 2 && isleap(t.year));
    t.day = std::uniform_int_distribution<int>(1, last)(g);
    t.hour = hour(g);
    t.min = min(g);
    t.zone = zone(g) / 4.0;
    t.lon = lon(g);
    t.lat = lat(g);
    v.push_back(t);
  }
  return v;
}

// The p-quantile of v (0 the least, 1 the greatest), by the nearest rank.
inline double pct(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  return v[static_cast<std::size_t>(p * (v.size() - 1) + 0.5)];
}
