// Geocentric tropical longitudes and daily motions of the moving chart points.
#include "engine/planets.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/moon.h"
#include "engine/node.h"
#include "engine/series.h"
#include "engine/sincos.h"
#include "engine/zodiac.h"

namespace {

// Correction for aberration and light time of one planet: c0 plus up to four
// periodic terms a cos(phi + f tau'), all in 1e-7 radian, tau' in units of
// 10,000 Julian years. Unused terms have a = 0.
struct planetcorr {
  double c0;
  double term[4][3];
};

vec2 correction(const planetcorr& pc, vec2 tp) {
  vec2 c = {pc.c0, pc.c0};
  for (const auto& k : pc.term)
    if (k[0] != 0.0) c += k[0] * cos2(k[1] + k[2] * tp);
  return c * 1e-7;
}

// One planet: its tables, its correction and its index in the body order.
struct planetdef {
  const double* lrg;
  const int32_t* const* ptr;
  const int* terms;
  planetcorr corr;
  int index;
};

// clang-format off
const planetdef plandefs[5] = {
    {merlrg, merptr, merterms,
     {-1261, {{1485, 2.649, 198048.273}, {305, 5.71, 458927.03}, {230, 5.3, 396096.55}, {0, 0, 0}}},
     mercury},
    {venlrg, venptr, venterms,
     {-1304, {{1016, 1.423, 39302.097}, {224, 2.85, 78604.19}, {98, 4.27, 117906.29}, {0, 0, 0}}},
     venus},
    {marlrg, marptr, marterms,
     {-1052, {{877, 1.834, 29424.634}, {187, 3.67, 58849.27}, {84, 3.49, 33405.34}, {0, 0, 0}}},
     mars},
    {juplrg, jupptr, jupterms,
     {-527, {{978, 1.154, 57533.849}, {89, 2.3, 115067.7}, {46, 4.64, 62830.76}, {45, 0.76, 52236.94}}},
     jupiter},
    {satlrg, satptr, satterms,
     {-373, {{986, 0.88, 60697.768}, {54, 3.31, 62830.76}, {52, 1.59, 58564.78}, {51, 1.76, 121395.54}}},
     saturn},
};
// clang-format on

// Geocentric longitude at two instants at once, as hel2geo.
vec2 hel2geo2(const vec2* p, const vec2* e) {
  vec2 cp = cos2(p[1]), ce = cos2(e[1]);
  vec2 x = p[2] * cp * cos2(p[0]) - e[2] * ce * cos2(e[0]);
  vec2 y = p[2] * cp * sin2(p[0]) - e[2] * ce * sin2(e[0]);
  vec2 lam;
  for (int l = 0; l < 2; l++) {
    lam[l] = std::atan2(y[l], x[l]);
    if (lam[l] < 0.0) lam[l] += twopi;
  }
  return lam;
}

// The positions at two times at once, out0 at T0 and out1 at T1: every step
// is done for both times together.
void planets2(double T0, double T1, double* out0, double* out1) {
  double* outs[2] = {out0, out1};
  vec2 T = {T0, T1}, E[3];
  getplanet2(T, E, earlrg, earptr, earterms);
  vec2 mlon = getlunar2(T), node = getnode2(T, nullptr);
  // Heliocentric longitude of the Earth, one turn.
  vec2 lsun = {rev2pi(E[0][0]), rev2pi(E[0][1])};
  // Time in units of 10,000 Julian years.
  vec2 tp = T / 100.0;
  // Nutation in longitude.
  vec2 om = 2.18 - 3375.7 * tp + 0.36 * tp * tp;
  vec2 lp = 3.51 + 125666.39 * tp + 0.1 * tp * tp;
  vec2 dpsi = (-834 * sin2(om) - 64 * sin2(lp)) * 1e-7;
  // Aberration of the Sun.
  vec2 ab = (17 * cos2(3.1 + 62830.14 * tp) - 993) * 1e-7;
  // The Sun is opposite the Earth's heliocentric direction.
  vec2 slon = (lsun + ab + dpsi) * deg_per_rad + 180;
  vec2 moonn = mlon + dpsi * deg_per_rad;
  for (int l = 0; l < 2; l++) {
    outs[l][sun] = std::fmod(slon[l], 360.0);
    outs[l][moon] = moonn[l];
  }
  for (const planetdef& pd : plandefs) {
    vec2 P[3];
    getplanet2(T, P, pd.lrg, pd.ptr, pd.terms);
    vec2 lam = hel2geo2(P, E);
    vec2 c = correction(pd.corr, tp);
    vec2 v = (lam + c + dpsi) * deg_per_rad;
    for (int l = 0; l < 2; l++) outs[l][pd.index] = std::fmod(v[l], 360.0);
  }
  // True node, without nutation; Ketu is the opposite point.
  for (int l = 0; l < 2; l++) {
    outs[l][rahu] = node[l];
    outs[l][ketu] = std::fmod(node[l] + 180, 360.0);
  }
}

}  // namespace

double hel2geo(const double* p, const double* e) {
  vec2 pv[3], ev[3];
  for (int v = 0; v < 3; v++) {
    pv[v] = vec2{p[v], p[v]};
    ev[v] = vec2{e[v], e[v]};
  }
  return hel2geo2(pv, ev)[0];
}

void planets(double T, double* out) {
  double other[nbody];
  planets2(T, T, out, other);
}

void getplanets(double T, double* pos, double* speed) {
  // And one hour earlier: 1 / 876600 Julian century.
  double earlier[nbody];
  planets2(T, T - 1.1407711613050422e-6, pos, earlier);
  for (int i = sun; i < nbody; i++) {
    double d = pos[i] - earlier[i];
    // A body that crossed 0 deg during the hour.
    if (d > 180) d -= 360;
    if (d < -180) d += 360;
    speed[i] = d * 24;
  }
}
