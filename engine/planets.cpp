// Geocentric tropical longitudes and daily motions of the moving chart points.
#include "engine/planets.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/moon.h"
#include "engine/node.h"
#include "engine/series.h"

namespace {

// Correction for aberration and light time of one planet: c0 plus up to four
// periodic terms a cos(phi + f tau'), all in 1e-7 radian, tau' in units of
// 10,000 Julian years. Unused terms have a = 0.
struct planetcorr {
  double c0;
  double term[4][3];
};

double correction(const planetcorr& pc, double tp)
{
  double c = pc.c0;
  for (const auto& k : pc.term)
    if (k[0] != 0.0)
      c += k[0] * std::cos(k[1] + k[2] * tp);
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

const planetdef plandefs[5] = {
    {merlrg, merptr, merterms,
     {-1261, {{1485, 2.649, 198048.273}, {305, 5.71, 458927.03}, {230, 5.3, 396096.55}, {0, 0, 0}}},
     4},
    {venlrg, venptr, venterms,
     {-1304, {{1016, 1.423, 39302.097}, {224, 2.85, 78604.19}, {98, 4.27, 117906.29}, {0, 0, 0}}},
     6},
    {marlrg, marptr, marterms,
     {-1052, {{877, 1.834, 29424.634}, {187, 3.67, 58849.27}, {84, 3.49, 33405.34}, {0, 0, 0}}},
     3},
    {juplrg, jupptr, jupterms,
     {-527, {{978, 1.154, 57533.849}, {89, 2.3, 115067.7}, {46, 4.64, 62830.76}, {45, 0.76, 52236.94}}},
     5},
    {satlrg, satptr, satterms,
     {-373, {{986, 0.88, 60697.768}, {54, 3.31, 62830.76}, {52, 1.59, 58564.78}, {51, 1.76, 121395.54}}},
     7},
};

}  // namespace

double hel2geo(const double* p, const double* e)
{
  double x = p[2] * std::cos(p[1]) * std::cos(p[0]) - e[2] * std::cos(e[1]) * std::cos(e[0]);
  double y = p[2] * std::cos(p[1]) * std::sin(p[0]) - e[2] * std::cos(e[1]) * std::sin(e[0]);
  double lam = std::atan2(y, x);
  if (lam < 0.0)
    lam += twopi;
  return lam;
}

namespace {

// The positions at two times at once, out0 at T0 and out1 at T1: the series
// are summed for both times together, the rest is done for each.
void planets2(double T0, double T1, double* out0, double* out1)
{
  const double Ts[2] = {T0, T1};
  double* outs[2] = {out0, out1};
  double E[2][3], P[5][2][3], moon[2], node[2];
  getplanet2(T0, T1, E[0], E[1], earlrg, earptr, earterms);
  for (int k = 0; k < 5; k++)
    getplanet2(T0, T1, P[k][0], P[k][1], plandefs[k].lrg, plandefs[k].ptr, plandefs[k].terms);
  getlunar2(T0, T1, &moon[0], &moon[1]);
  getnode2(T0, T1, &node[0], &node[1], nullptr);

  for (int l = 0; l < 2; l++) {
    double T = Ts[l], *out = outs[l];
    // Heliocentric longitude of the Earth, one turn.
    double lsun = rev2pi(E[l][0]);
    // Time in units of 10,000 Julian years.
    double tp = T / 100.0;
    // Nutation in longitude.
    double om = 2.18 - 3375.7 * tp + 0.36 * tp * tp;
    double lp = 3.51 + 125666.39 * tp + 0.1 * tp * tp;
    double dpsi = (-834 * std::sin(om) - 64 * std::sin(lp)) * 1e-7;
    // Aberration of the Sun.
    double ab = (17 * std::cos(3.1 + 62830.14 * tp) - 993) * 1e-7;
    // The Sun is opposite the Earth's heliocentric direction.
    out[1] = std::fmod((lsun + ab + dpsi) * deg_per_rad + 180, 360.0);
    out[2] = moon[l] + dpsi * deg_per_rad;
    for (int k = 0; k < 5; k++) {
      const planetdef& pd = plandefs[k];
      double lam = hel2geo(P[k][l], E[l]);
      double c = correction(pd.corr, tp);
      out[pd.index] = std::fmod((lam + c + dpsi) * deg_per_rad, 360.0);
    }
    // True node, without nutation; Ketu is the opposite point.
    out[8] = node[l];
    out[9] = std::fmod(out[8] + 180, 360.0);
  }
}

}  // namespace

void planets(double T, double* out)
{
  double other[10];
  planets2(T, T, out, other);
}

void getplanets(double T, double* pos, double* speed)
{
  // And one hour earlier: 1 / 876600 Julian century.
  double earlier[10];
  planets2(T, T - 1.1407711613050422e-6, pos, earlier);
  for (int i = 1; i < 10; i++) {
    double d = pos[i] - earlier[i];
    // A body that crossed 0 deg during the hour.
    if (d > 180)
      d -= 360;
    if (d < -180)
      d += 360;
    speed[i] = d * 24;
  }
}
