// Coordinate and zone texts.
#include "atlas/coords.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

dmangle todm(double deg) {
  long m = std::lround(std::fabs(deg) * 60.0);
  if (m >= 180 * 60) m = 180 * 60 - 1;
  dmangle a;
  a.deg = int(m / 60);
  a.min = int(m % 60);
  a.neg = deg < 0 && m != 0;
  return a;
}

// "%d%c%02d" of an angle with the letter of its side.
static std::string dmtext(const dmangle& a, char pos, char neg) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%d%c%02d", a.deg, a.neg ? neg : pos, a.min);
  return buf;
}

std::string lontext(const dmangle& a) { return dmtext(a, 'E', 'W'); }
std::string lattext(const dmangle& a) { return dmtext(a, 'N', 'S'); }
std::string lontext(double lon) { return lontext(todm(lon)); }
std::string lattext(double lat) { return lattext(todm(lat)); }

std::string zonetext(int zone) {
  char buf[24];
  const int a = std::abs(zone);
  std::snprintf(buf, sizeof buf, "%c %02d:%02d", zone < 0 ? '-' : '+', a / 60, a % 60);
  return buf;
}

int meanzone(int lonmin) {
  // Four minutes of time per degree is one minute of time per 15 arc-minutes.
  return -int(std::lround(lonmin / 15.0));
}
