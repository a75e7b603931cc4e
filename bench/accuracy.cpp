// Accuracy and speed of the engine against the Swiss Ephemeris library, with
// its built-in Moshier ephemeris (no data files).
//
//   vornak_accuracy [CHARTS [SEED]]     CHARTS per range, default 20000
//
// Random instants and places are cast with castchart and with the library.
// Both sides get the same Julian Day: the engine takes the time given as
// Universal Time and uses it as the dynamical time, so the library gets it
// as dynamical time too (swe_calc) and Delta-T is not part of the
// difference. The library's tropical longitudes are made sidereal with the
// engine's own ayanamsa, so the ayanamsa is not part of it either.
#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "bench/instants.h"
#include "bench/swespeed.h"
#include "engine/angles.h"
#include "engine/calendar.h"
#include "engine/chart.h"
#include "engine/node.h"
#include "engine/planets.h"
#include "engine/sidereal.h"

namespace {

const char* const names[nbody] = {"Ascendant", "Sun",   "Moon",   "Mars", "Mercury",
                                  "Jupiter",   "Venus", "Saturn", "Rahu", "Ketu"};
// The library's body for each chart point (the ascendant and Ketu are not bodies).
const int swebody[nbody] = {-1,         SE_SUN,   SE_MOON,   SE_MARS,      SE_MERCURY,
                            SE_JUPITER, SE_VENUS, SE_SATURN, SE_TRUE_NODE, -1};

// Degrees into (-180, 180].
double wrap(double d) {
  d = std::fmod(d, 360.0);
  if (d > 180) d -= 360;
  if (d <= -180) d += 360;
  return d;
}

// The library's tropical longitudes of the ten points at Julian Day jd.
void swepoints(double jd, const instant& t, double* out) {
  char err[AS_MAXCH];
  double x[6];
  for (int i = sun; i < nbody; i++) {
    if (swebody[i] < 0) continue;
    // The engine's node carries no nutation: the mean equinox of date.
    int flag = SEFLG_MOSEPH | (i == rahu ? SEFLG_NONUT : 0);
    if (swe_calc(jd, swebody[i], flag, x, err) < 0) std::fprintf(stderr, "swe_calc: %s\n", err);
    out[i] = x[0];
  }
  out[ketu] = rev(out[rahu] + 180);
  // Mean sidereal time and mean obliquity, as the engine; east longitude positive.
  double cusps[13], ascmc[10];
  swe_houses_ex(jd, SEFLG_MOSEPH | SEFLG_NONUT, t.lat, -t.lon, 'E', cusps, ascmc);
  out[asc] = ascmc[0];
}

// With om and nd, also the mean node (radians) and Rahu minus the library's
// true node (arc-minutes) of every chart, for nodefit.
void report(const char* title, const std::vector<instant>& ins, std::vector<double>* om = nullptr,
            std::vector<double>* nd = nullptr) {
  std::vector<double> diff[nbody], meannode;
  int sign[nbody] = {}, nak[nbody] = {}, nav[nbody] = {}, mismatch = 0;
  // Changes that come from the shown minute alone: the engine's unrounded
  // value lies where the library's does (sign, nakshatra, navamsha).
  int shown[3] = {};
  // Charts whose ascendant is the western point of the horizon where the
  // library's is the eastern one, above the polar circles and below them;
  // they are left out of the ascendant's row.
  int west[2] = {}, charts[2] = {};
  const double polar = 90 - 23.44;
  for (const instant& t : ins) {
    chartstate cs = castchart(t.mon, t.day, t.year, t.hour, t.min, t.zone, t.lon, t.lat);
    // The engine's longitudes before truncation to whole arc-minutes.
    double T = (cs.jd - 0.5 - 2451545.0) / 36525.0;
    double pos[nbody], a = getayan(T);
    planets(T, pos);
    pos[asc] = ascendant(T, t.hour + t.min / 60.0 + t.zone, t.lon, t.lat);
    double swe[nbody];
    swepoints(cs.jd - 0.5, t, swe);
    if (om) {
      double mean;
      getnode(T, &mean);
      om->push_back(mean * rad);
      nd->push_back(wrap(pos[rahu] - swe[rahu]) * 60);
    }
    bool far = std::fabs(t.lat) > polar;
    charts[far]++;
    for (int i = 0; i < nbody; i++) {
      mismatch += sidarcmin(pos[i], a) != cs.tpos[i];
      if (i == asc && std::fabs(wrap(pos[i] - swe[i])) > 90) {
        west[far]++;
        continue;
      }
      diff[i].push_back(std::fabs(wrap(pos[i] - swe[i])) * 60);
      // Sign, nakshatra and navamsha as shown against the library's.
      double s = rev(swe[i] + a) * 60, e = rev(pos[i] + a) * 60;
      int* count[3] = {sign, nak, nav};
      const int size[3] = {sign_arcmin, nak_arcmin, nav_arcmin};
      for (int k = 0; k < 3; k++) {
        int lib = static_cast<int>(s / size[k]);
        if (cs.tpos[i] / size[k] != lib) {
          count[k][i]++;
          shown[k] += static_cast<int>(e / size[k]) == lib;
        }
      }
    }
    char err[AS_MAXCH];
    double x[6];
    swe_calc(cs.jd - 0.5, SE_MEAN_NODE, SEFLG_MOSEPH | SEFLG_NONUT, x, err);
    meannode.push_back(std::fabs(wrap(pos[rahu] - x[0])) * 60);
  }
  double n = static_cast<double>(ins.size());
  double nasc = static_cast<double>(diff[asc].size());
  std::printf("\n%s, %zu charts: |engine - library|, arc-minutes; charts in another\n", title,
              ins.size());
  std::printf("sign, nakshatra, navamsha than the library's, percent\n\n");
  std::printf("| Point     | Median |    95%% |    Max |  Sign | Nakshatra | Navamsha |\n");
  std::printf("|-----------|-------:|-------:|-------:|------:|----------:|---------:|\n");
  for (int i = 0; i < nbody; i++)
    std::printf("| %-9s | %6.2f | %6.2f | %6.2f | %5.3f | %9.3f | %8.3f |\n", names[i],
                pct(diff[i], 0.5), pct(diff[i], 0.95), pct(diff[i], 1.0),
                100 * sign[i] / (i ? n : nasc), 100 * nak[i] / (i ? n : nasc),
                100 * nav[i] / (i ? n : nasc));
  int tot[3] = {};
  for (int i = 0; i < nbody; i++) {
    tot[0] += sign[i];
    tot[1] += nak[i];
    tot[2] += nav[i];
  }
  std::printf(
      "\nOf these changes, from the shown minute alone (a sum below 0 deg is truncated\n"
      "toward zero, up to the next minute): sign %d of %d, nakshatra %d of %d, "
      "navamsha %d of %d\n",
      shown[0], tot[0], shown[1], tot[1], shown[2], tot[2]);
  std::printf("The library's mean node instead of its true node: Rahu median %.1f', max %.1f'\n",
              pct(meannode, 0.5), pct(meannode, 1.0));
  if (west[0] + west[1] || charts[1])
    std::printf(
        "The engine's ascendant is the western point of the horizon, the library's the\n"
        "eastern (left out of the ascendant's row): %d of %d charts above the polar\n"
        "circles (latitude beyond %.2f deg), %.1f%%; %d of %d below them\n",
        west[1], charts[1], polar, charts[1] ? 100.0 * west[1] / charts[1] : 0.0, west[0],
        charts[0]);
  if (mismatch) std::printf("WARNING: %d positions differ from castchart's\n", mismatch);
}

// The node's difference from the library's true node against the mean node
// Omega: least squares c + a sin(Omega) + b cos(Omega), arc-minutes.
void nodefit(const std::vector<double>& om, const std::vector<double>& d) {
  double m[3][4] = {};
  for (size_t k = 0; k < d.size(); k++) {
    const double f[3] = {1, std::sin(om[k]), std::cos(om[k])};
    for (int i = 0; i < 3; i++) {
      for (int j = 0; j < 3; j++) m[i][j] += f[i] * f[j];
      m[i][3] += f[i] * d[k];
    }
  }
  // Gauss-Jordan on the normal equations (positive definite, no pivoting).
  for (int i = 0; i < 3; i++)
    for (int k = 0; k < 3; k++)
      if (k != i) {
        double r = m[k][i] / m[i][i];
        for (int j = 0; j < 4; j++) m[k][j] -= r * m[i][j];
      }
  double c = m[0][3] / m[0][0], a = m[1][3] / m[1][1], b = m[2][3] / m[2][2];
  std::vector<double> rest, all;
  for (size_t i = 0; i < d.size(); i++) {
    rest.push_back(std::fabs(d[i] - c - a * std::sin(om[i]) - b * std::cos(om[i])));
    all.push_back(std::fabs(d[i]));
  }
  std::printf(
      "\nRahu minus the library's true node, %zu charts: %+.2f' %+.2f' sin(Omega) %+.2f'\n"
      "cos(Omega), Omega the mean node (18.6 years); |difference| median %.2f', max\n"
      "%.2f'; left after that term: median %.2f', 95%% %.2f', max %.2f'\n",
      d.size(), c, a, b, pct(all, 0.5), pct(all, 1.0), pct(rest, 0.5), pct(rest, 0.95),
      pct(rest, 1.0));
}

}  // namespace

int main(int argc, char** argv) {
  int n = argc > 1 ? std::atoi(argv[1]) : 20000;
  unsigned long seed = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : instantseed;
  if (n < 1) {
    std::fprintf(stderr, "usage: vornak_accuracy [CHARTS [SEED]]\n");
    return 2;
  }
  char ver[AS_MAXCH];
  std::printf("Engine against the Swiss Ephemeris %s (Moshier), seed %lu\n", swe_version(ver),
              seed);
  std::printf(
      "Sidereal longitudes, both with the engine's ayanamsa; the time given is used as\n"
      "dynamical time on both sides. Places: longitude -180..180, latitude -60..60\n"
      "(the third range: -89 deg 59' to 89 deg 59').\n");
  std::mt19937_64 g(seed);
  std::vector<instant> wide = draw(g, 1600, 2400, n), near = draw(g, 1900, 2100, n);
  std::vector<instant> poles = draw(g, 1600, 2400, n, 89 + 59 / 60.0);
  std::vector<double> om, nd;
  report("1600 to 2400", wide, &om, &nd);
  report("1900 to 2100", near, &om, &nd);
  report("1600 to 2400, all latitudes", poles);
  nodefit(om, nd);

  // What taking Universal Time as dynamical time alone costs: the Moon moves
  // 0.549" per second of time at its mean rate (481267.88 deg a century).
  const double moonrate = 481267.8813424 / 36525 / 86400 * 3600;
  std::printf(
      "\nDelta-T (the library's model), left out by the engine, and the Moon's shift at\n"
      "its mean rate, %.3f\" per second of time:\n",
      moonrate);
  char err[AS_MAXCH];
  for (int y : {1600, 1700, 1800, 1900, 2000, 2100, 2200, 2300, 2400}) {
    double jd = swe_julday(y, 1, 1, 0, SE_GREG_CAL);
    double dt = swe_deltat_ex(jd, SEFLG_MOSEPH, err) * 86400;
    std::printf("  %d: %6.0f s, Moon %5.2f'\n", y, dt, dt * moonrate / 60);
  }

  // The ayanamsa against the library's Lahiri, with the nutation in
  // longitude (true) and without it (mean).
  swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
  std::printf("\nEngine's ayanamsa minus the library's Lahiri, true (with nutation) and mean:\n");
  for (int y : {1600, 2000, 2400}) {
    double jd = swe_julday(y, 1, 1, 0, SE_GREG_CAL), tru, mean;
    swe_get_ayanamsa_ex(jd, SEFLG_MOSEPH, &tru, err);
    swe_get_ayanamsa_ex(jd, SEFLG_MOSEPH | SEFLG_NONUT, &mean, err);
    double e = -getayan((jd - 2451545.0) / 36525.0);
    std::printf("  %d: true %+.3f', mean %+.3f'\n", y, (e - tru) * 60, (e - mean) * 60);
  }
  std::vector<double> dtrue, dmean, nut;
  for (const instant& t : wide) {
    double jd = swe_julday(t.year, t.mon, t.day, t.hour + t.min / 60.0 + t.zone, SE_GREG_CAL);
    double tru, mean, x[6];
    swe_get_ayanamsa_ex(jd, SEFLG_MOSEPH, &tru, err);
    swe_get_ayanamsa_ex(jd, SEFLG_MOSEPH | SEFLG_NONUT, &mean, err);
    double e = -getayan((jd - 2451545.0) / 36525.0);
    dtrue.push_back(std::fabs(e - tru) * 60);
    dmean.push_back(std::fabs(e - mean) * 60);
    swe_calc(jd, SE_ECL_NUT, SEFLG_MOSEPH, x, err);
    nut.push_back(std::fabs(x[2]) * 60);
  }
  std::printf(
      "  over the %zu instants of 1600 to 2400: true median %.3f', max %.3f'; mean\n"
      "  median %.3f', max %.3f'. The nutation in longitude, which the engine's Sun,\n"
      "  Moon and planets carry and its ayanamsa does not: median %.2f', max %.2f'\n",
      wide.size(), pct(dtrue, 0.5), pct(dtrue, 1.0), pct(dmean, 0.5), pct(dmean, 1.0),
      pct(nut, 0.5), pct(nut, 1.0));

  speedreport(wide);
  swe_close();
  return 0;
}
