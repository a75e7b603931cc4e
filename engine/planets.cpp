// Geocentric tropical longitudes and daily motions of the moving chart points.
#include "engine/planets.h"

#include <cmath>
#include <initializer_list>

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

// One planet: its correction and its index in the body order. Planet k here
// is getplanet2's planet k + 1.
struct planetdef {
  planetcorr corr;
  int index;
};

// clang-format off
const planetdef plandefs[5] = {
    {{-1261, {{1485, 2.649, 198048.273}, {305, 5.71, 458927.03}, {230, 5.3, 396096.55}, {0, 0, 0}}},
     mercury},
    {{-1304, {{1016, 1.423, 39302.097}, {224, 2.85, 78604.19}, {98, 4.27, 117906.29}, {0, 0, 0}}},
     venus},
    {{-1052, {{877, 1.834, 29424.634}, {187, 3.67, 58849.27}, {84, 3.49, 33405.34}, {0, 0, 0}}},
     mars},
    {{-527, {{978, 1.154, 57533.849}, {89, 2.3, 115067.7}, {46, 4.64, 62830.76}, {45, 0.76, 52236.94}}},
     jupiter},
    {{-373, {{986, 0.88, 60697.768}, {54, 3.31, 62830.76}, {52, 1.59, 58564.78}, {51, 1.76, 121395.54}}},
     saturn},
};
// clang-format on

// Geocentric longitude at two instants at once, as hel2geo, given besides
// the positions p and e the cosines of their B and the cosines and sines of
// their L: pt and et {cos B, cos L, sin L}.
vec2 geolon2(const vec2* p, const vec2* e, const vec2* pt, const vec2* et) {
  vec2 x = p[2] * pt[0] * pt[1] - e[2] * et[0] * et[1];
  vec2 y = p[2] * pt[0] * pt[2] - e[2] * et[0] * et[2];
  vec2 lam;
  for (int l = 0; l < 2; l++) {
    lam[l] = std::atan2(y[l], x[l]);
    if (lam[l] < 0.0) lam[l] += twopi;
  }
  return lam;
}

// The trigonometric parts of a position {cos B, cos L, sin L}.
void lbtrig(const vec2* p, vec2* t) {
  t[0] = cos2(p[1]);
  t[1] = cos2(p[0]);
  t[2] = sin2(p[0]);
}

// The positions at two times at once, out0 at T0 and out1 at T1: every step
// is done for both times together.
void planets2(double T0, double T1, double* out0, double* out1) {
  double* outs[2] = {out0, out1};
  vec2 T = {T0, T1}, E[3], P[5][3];
  getplanet2(T, 0, E);
  for (int k = 0; k < 5; k++) getplanet2(T, k + 1, P[k]);
  vec2 mlon = getlunar2(T), node = getnode2(T, nullptr);
  // Heliocentric longitude of the Earth, one turn.
  vec2 lsun = {rev2pi(E[0][0]), rev2pi(E[0][1])};
  // Time in units of 10,000 Julian years.
  vec2 tp = T / 100.0;
  // Nutation in longitude.
  vec2 om = 2.18 - 3375.7 * tp + 0.36 * tp * tp;
  vec2 lp = 3.51 + 125666.39 * tp + 0.1 * tp * tp;

  // Every cosine and sine that follows, computed side by side: the
  // aberration's, the planets' corrections', and those of the Earth's and
  // each planet's B and L.
  vec2 cx[40], cv[40], sx[8], sv[8];
  int nc = 0, ns = 0;
  cx[nc++] = 3.1 + 62830.14 * tp;
  // Four for each planet, cv[1 + 4 k + i], an unused term's too (its
  // amplitude 0 adds nothing).
  for (const planetdef& pd : plandefs)
    for (const auto& t : pd.corr.term) cx[nc++] = t[1] + t[2] * tp;
  int lb = nc;
  for (const vec2* p : {E, P[0], P[1], P[2], P[3], P[4]}) {
    cx[nc++] = p[1];
    cx[nc++] = p[0];
    sx[ns++] = p[0];
  }
  sx[ns++] = om;
  sx[ns++] = lp;
  cos2n(cx, cv, nc);
  sin2n(sx, sv, ns);
  // {cos B, cos L, sin L} of the Earth (0) and planet k (k + 1).
  auto trig = [&](int i, vec2* t) {
    t[0] = cv[lb + 2 * i];
    t[1] = cv[lb + 2 * i + 1];
    t[2] = sv[i];
  };

  vec2 dpsi = (-834 * sv[6] - 64 * sv[7]) * 1e-7;
  // Aberration of the Sun.
  vec2 ab = (17 * cv[0] - 993) * 1e-7;
  // The Sun is opposite the Earth's heliocentric direction.
  vec2 slon = (lsun + ab + dpsi) * deg_per_rad + 180;
  vec2 moonn = mlon + dpsi * deg_per_rad;
  for (int l = 0; l < 2; l++) {
    outs[l][sun] = std::fmod(slon[l], 360.0);
    outs[l][moon] = moonn[l];
  }
  vec2 et[3];
  trig(0, et);
  for (int k = 0; k < 5; k++) {
    const planetdef& pd = plandefs[k];
    vec2 pt[3];
    trig(k + 1, pt);
    vec2 lam = geolon2(P[k], E, pt, et);
    // Correction for aberration and light time.
    vec2 c = {pd.corr.c0, pd.corr.c0};
    for (int i = 0; i < 4; i++) c += pd.corr.term[i][0] * cv[1 + 4 * k + i];
    c = c * 1e-7;
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
  vec2 pt[3], et[3];
  lbtrig(pv, pt);
  lbtrig(ev, et);
  return geolon2(pv, ev, pt, et)[0];
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
