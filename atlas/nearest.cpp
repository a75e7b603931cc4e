// The places near a point: the atlas's places sorted by latitude, searched
// outwards from the point's latitude; and the zone they give a birth there.
#include "atlas/nearest.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "atlas/coords.h"
#include "atlas/zonefind.h"
#include "chart/birth.h"

namespace {

constexpr double rad = 3.14159265358979323846 / 180;

// The haversine distance between two points in radians, the cosines of
// their latitudes given.
double haversine(double lat1, double lon1, double cos1, double lat2, double lon2, double cos2) {
  const double s = std::sin((lat2 - lat1) / 2), t = std::sin((lon2 - lon1) / 2);
  const double h = s * s + cos1 * cos2 * t * t;
  return 2 * radius_km * std::asin(std::sqrt(std::min(1.0, h)));
}

}  // namespace

double kmapart(double lat1, double lon1, double lat2, double lon2) {
  return haversine(lat1 * rad, lon1 * rad, std::cos(lat1 * rad), lat2 * rad, lon2 * rad,
                   std::cos(lat2 * rad));
}

void atlas::sortbylat() {
  bylat_.reserve(places_.size());
  for (uint32_t i = 0; i < places_.size(); ++i) {
    const place& p = places_[i];
    bylat_.push_back({p.lat * rad, p.lon * rad, std::cos(p.lat * rad), i});
  }
  std::sort(bylat_.begin(), bylat_.end(),
            [](const latkey& a, const latkey& b) { return a.lat < b.lat; });
}

// No place is nearer than the difference of latitudes, radius_km times the
// angle: the search walks out from the point's latitude, the nearer side
// first, and stops when that bound passes the best distance found.
nearby atlas::nearest(double lat, double lon) {
  nearby best;
  if (!ready()) return best;
  if (bylat_.empty()) sortbylat();
  const double la = lat * rad, lo = lon * rad, c = std::cos(la);
  best.km = std::numeric_limits<double>::infinity();
  const auto first = std::lower_bound(bylat_.begin(), bylat_.end(), la,
                                      [](const latkey& k, double v) { return k.lat < v; });
  size_t up = size_t(first - bylat_.begin()), down = up;  // next: bylat_[up], bylat_[down - 1]
  for (;;) {
    const double upgap = up < bylat_.size() ? (bylat_[up].lat - la) * radius_km : best.km + 1;
    const double downgap = down > 0 ? (la - bylat_[down - 1].lat) * radius_km : best.km + 1;
    if (std::min(upgap, downgap) > best.km) break;
    const latkey& k = upgap <= downgap ? bylat_[up++] : bylat_[--down];
    const double d = haversine(la, lo, c, k.lat, k.lon, k.coslat);
    if (d < best.km) best = {&places_[k.where], d};
  }
  return best;
}

std::vector<nearby> atlas::within(double lat, double lon, double km) {
  std::vector<nearby> found;
  if (!ready()) return found;
  if (bylat_.empty()) sortbylat();
  const double la = lat * rad, lo = lon * rad, c = std::cos(la), band = km / radius_km;
  auto k = std::lower_bound(bylat_.begin(), bylat_.end(), la - band,
                            [](const latkey& k, double v) { return k.lat < v; });
  for (; k != bylat_.end() && k->lat <= la + band; ++k) {
    const double d = haversine(la, lo, c, k->lat, k->lon, k->coslat);
    if (d <= km) found.push_back({&places_[k->where], d});
  }
  std::sort(found.begin(), found.end(),
            [](const nearby& a, const nearby& b) { return a.km < b.km; });
  return found;
}

nearzones nearzonesof(atlas& a, double lat, double lon) {
  nearzones n;
  n.lat = lat;
  n.lon = lon;
  n.nearest = a.nearest(lat, lon);
  for (const nearby& b : a.within(lat, lon, nearkm)) {
    const auto same = [&b](const nearby& z) { return z.p->tz == b.p->tz; };
    if (std::none_of(n.zones.begin(), n.zones.end(), same)) n.zones.push_back(b);
  }
  return n;
}

std::string nearname(const nearby& b) {
  return b.p->name + ", " + std::to_string(std::lround(b.km)) + " km";
}

std::string nonenear(const nearzones& n) {
  if (!n.zones.empty()) return "";
  const std::string at = lattext(n.lat) + " " + lontext(n.lon);
  if (!n.nearest.p) return "No place of the atlas lies near " + at;
  return "No place of the atlas lies within 100 km of " + at + ": the nearest is " +
         placelabel(*n.nearest.p) + ", " + std::to_string(std::lround(n.nearest.km)) + " km away";
}

std::string zonesdiffer(const nearzones& n, int year, int mon, int day, int hour, int min) {
  if (n.zones.empty()) return nonenear(n);
  // The offsets each zone gives at that local time, compared by their
  // figures: two zones with the same clocks that day agree.
  std::vector<zonefound> found;
  bool differ = false;
  for (const nearby& z : n.zones) {
    found.push_back(findzone(z.p->tz, n.lon, year, mon, day, hour, min));
    const zonefound &f = found.back(), &f0 = found.front();
    bool same =
        f.kind == f0.kind && f.kind != zonefound::failed && f.offsets.size() == f0.offsets.size();
    for (size_t i = 0; same && i < f.offsets.size(); ++i)
      same = f.offsets[i].zone == f0.offsets[i].zone;
    differ = differ || !same;
  }
  if (!differ) return "";
  char when[48];
  std::snprintf(when, sizeof when, "%02d:%02d on %d %s %d", hour, min, day, monthname(mon), year);
  std::string s = "The places within 100 km of " + lattext(n.lat) + " " + lontext(n.lon) +
                  " kept different zones at " + when + ": ";
  for (size_t i = 0; i < n.zones.size(); ++i) {
    s += i == 0 ? "" : "; ";
    s += n.zones[i].p->tz;
    if (found[i].kind == zonefound::unique) s += ", " + zonetext(found[i].offsets[0].zone);
    s += ", at " + nearname(n.zones[i]);
  }
  return s;
}
