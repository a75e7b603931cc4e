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
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "engine/angles.h"
#include "engine/calendar.h"
#include "engine/chart.h"
#include "engine/planets.h"
#include "engine/sidereal.h"

namespace {

const char* const names[nbody] = {"Ascendant", "Sun",   "Moon",   "Mars", "Mercury",
                                  "Jupiter",   "Venus", "Saturn", "Rahu", "Ketu"};
// The library's body for each chart point (the ascendant and Ketu are not bodies).
const int swebody[nbody] = {-1,         SE_SUN,   SE_MOON,   SE_MARS,      SE_MERCURY,
                            SE_JUPITER, SE_VENUS, SE_SATURN, SE_TRUE_NODE, -1};

struct instant {
  int mon, day, year, hour, min;
  double zone, lon, lat;  // zone hours, longitude positive west, latitude
};

std::vector<instant> draw(std::mt19937_64& g, int y0, int y1, int n)
{
  static const int mdays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  std::uniform_int_distribution<int> year(y0, y1), mon(1, 12), hour(0, 23), min(0, 59),
      zone(-48, 48);
  std::uniform_real_distribution<double> lon(-180, 180), lat(-60, 60);
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

// Degrees into (-180, 180].
double wrap(double d)
{
  d = std::fmod(d, 360.0);
  if (d > 180)
    d -= 360;
  if (d <= -180)
    d += 360;
  return d;
}

// The library's tropical longitudes of the ten points at Julian Day jd.
void swepoints(double jd, const instant& t, double* out)
{
  char err[AS_MAXCH];
  double x[6];
  for (int i = 1; i < nbody; i++) {
    if (swebody[i] < 0)
      continue;
    // The engine's node carries no nutation: the mean equinox of date.
    int flag = SEFLG_MOSEPH | (i == 8 ? SEFLG_NONUT : 0);
    if (swe_calc(jd, swebody[i], flag, x, err) < 0)
      std::fprintf(stderr, "swe_calc: %s\n", err);
    out[i] = x[0];
  }
  out[9] = rev(out[8] + 180);
  // Mean sidereal time and mean obliquity, as the engine; east longitude positive.
  double cusps[13], ascmc[10];
  swe_houses_ex(jd, SEFLG_MOSEPH | SEFLG_NONUT, t.lat, -t.lon, 'E', cusps, ascmc);
  out[0] = ascmc[0];
}

double pct(std::vector<double> v, double p)
{
  std::sort(v.begin(), v.end());
  return v[static_cast<size_t>(p * (v.size() - 1) + 0.5)];
}

void report(const char* title, const std::vector<instant>& ins)
{
  std::vector<double> diff[nbody], meannode;
  int sign[nbody] = {}, nak[nbody] = {}, nav[nbody] = {}, mismatch = 0;
  // Changes that come from the shown minute alone: the engine's unrounded
  // value lies where the library's does (sign, nakshatra, navamsha).
  int shown[3] = {};
  for (const instant& t : ins) {
    chartstate cs = castchart(t.mon, t.day, t.year, t.hour, t.min, t.zone, t.lon, t.lat);
    // The engine's longitudes before truncation to whole arc-minutes.
    double T = (cs.jd - 0.5 - 2451545.0) / 36525.0;
    double pos[nbody], a = getayan(T);
    planets(T, pos);
    pos[0] = ascendant(T, t.hour + t.min / 60.0 + t.zone, t.lon, t.lat);
    double swe[nbody];
    swepoints(cs.jd - 0.5, t, swe);
    for (int i = 0; i < nbody; i++) {
      mismatch += sidarcmin(pos[i], a) != cs.tpos[i];
      diff[i].push_back(std::fabs(wrap(pos[i] - swe[i])) * 60);
      // Sign, nakshatra and navamsha as shown against the library's.
      double s = rev(swe[i] + a) * 60, e = rev(pos[i] + a) * 60;
      int* count[3] = {sign, nak, nav};
      const int size[3] = {1800, 800, 200};
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
    meannode.push_back(std::fabs(wrap(pos[8] - x[0])) * 60);
  }
  double n = static_cast<double>(ins.size());
  std::printf("\n%s, %zu charts: |engine - library|, arc-minutes; charts in another\n", title,
              ins.size());
  std::printf("sign, nakshatra, navamsha than the library's, percent\n\n");
  std::printf("| Point     | Median |    95%% |    Max |  Sign | Nakshatra | Navamsha |\n");
  std::printf("|-----------|-------:|-------:|-------:|------:|----------:|---------:|\n");
  for (int i = 0; i < nbody; i++)
    std::printf("| %-9s | %6.2f | %6.2f | %6.2f | %5.3f | %9.3f | %8.3f |\n", names[i],
                pct(diff[i], 0.5), pct(diff[i], 0.95), pct(diff[i], 1.0), 100 * sign[i] / n,
                100 * nak[i] / n, 100 * nav[i] / n);
  int tot[3] = {};
  for (int i = 0; i < nbody; i++) {
    tot[0] += sign[i];
    tot[1] += nak[i];
    tot[2] += nav[i];
  }
  std::printf("\nOf these changes, from the shown minute alone (a sum below 0 deg is truncated\n"
              "toward zero, up to the next minute): sign %d of %d, nakshatra %d of %d, "
              "navamsha %d of %d\n", shown[0], tot[0], shown[1], tot[1], shown[2], tot[2]);
  std::printf("The library's mean node instead of its true node: Rahu median %.1f', max %.1f'\n",
              pct(meannode, 0.5), pct(meannode, 1.0));
  if (mismatch)
    std::printf("WARNING: %d positions differ from castchart's\n", mismatch);
}

// A whole chart the way a typical program asks the library for it: the Julian
// Day, eight bodies with their speeds, the ascendant, the ayanamsa.
double swechart(const instant& t)
{
  char err[AS_MAXCH];
  double x[6], cusps[13], ascmc[10], ayan, sum = 0;
  double jd = swe_julday(t.year, t.mon, t.day, t.hour + t.min / 60.0 + t.zone, SE_GREG_CAL);
  for (int i = 1; i < 9; i++) {
    swe_calc_ut(jd, swebody[i], SEFLG_MOSEPH | SEFLG_SPEED, x, err);
    sum += x[0] + x[3];
  }
  swe_houses_ex(jd, SEFLG_MOSEPH, t.lat, -t.lon, 'E', cusps, ascmc);
  swe_get_ayanamsa_ex_ut(jd, SEFLG_MOSEPH, &ayan, err);
  return sum + ascmc[0] + ayan;
}

// Seconds for one pass of f over instants [b, e).
template <class F>
double timepass(const instant* b, const instant* e, F f)
{
  static volatile double sink = 0;
  auto t0 = std::chrono::steady_clock::now();
  double s = 0;
  for (const instant* t = b; t != e; t++)
    s += f(*t);
  std::chrono::duration<double> d = std::chrono::steady_clock::now() - t0;
  sink = sink + s;
  return d.count();
}

}  // namespace

int main(int argc, char** argv)
{
  int n = argc > 1 ? std::atoi(argv[1]) : 20000;
  unsigned long seed = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 20261206;
  if (n < 1) {
    std::fprintf(stderr, "usage: vornak_accuracy [CHARTS [SEED]]\n");
    return 2;
  }
  char ver[AS_MAXCH];
  std::printf("Engine against the Swiss Ephemeris %s (Moshier), seed %lu\n", swe_version(ver), seed);
  std::printf("Sidereal longitudes, both with the engine's ayanamsa; the time given is used as\n"
              "dynamical time on both sides. Places: longitude -180..180, latitude -60..60.\n");
  std::mt19937_64 g(seed);
  std::vector<instant> wide = draw(g, 1600, 2400, n), near = draw(g, 1900, 2100, n);
  report("1600 to 2400", wide);
  report("1900 to 2100", near);

  // What taking Universal Time as dynamical time alone costs: the Moon moves
  // about 0.55" per second of time.
  std::printf("\nDelta-T (the library's model), left out by the engine, and the Moon's shift:\n");
  char err[AS_MAXCH];
  for (int y : {1600, 1700, 1800, 1900, 2000, 2100, 2200, 2300, 2400}) {
    double jd = swe_julday(y, 1, 1, 0, SE_GREG_CAL);
    double dt = swe_deltat_ex(jd, SEFLG_MOSEPH, err) * 86400;
    double x[6];
    swe_calc(jd, SE_MOON, SEFLG_MOSEPH | SEFLG_SPEED, x, err);
    std::printf("  %d: %6.0f s, Moon %5.2f'\n", y, dt, std::fabs(dt * x[3] / 86400 * 60));
  }
  swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
  std::printf("Engine's ayanamsa minus the library's Lahiri:");
  for (int y : {1600, 2000, 2400}) {
    double jd = swe_julday(y, 1, 1, 0, SE_GREG_CAL), ay;
    swe_get_ayanamsa_ex(jd, SEFLG_MOSEPH, &ay, err);
    std::printf(" %d %+.2f'", y, (-getayan((jd - 2451545.0) / 36525.0) - ay) * 60);
  }
  std::printf("\n");

  std::vector<instant> all(wide);
  all.insert(all.end(), near.begin(), near.end());
  // Blocks of 1000 instants, each timed three times both ways in turn; the
  // best time of each block counts, so that other work on the machine
  // weighs on neither side.
  auto vornak = [](const instant& t) {
    chartstate cs = castchart(t.mon, t.day, t.year, t.hour, t.min, t.zone, t.lon, t.lat);
    return static_cast<double>(cs.tpos[2] + cs.tsp[2]);
  };
  double tv = 0, ts = 0;
  for (size_t b = 0; b < all.size(); b += 1000) {
    const instant *p = all.data() + b, *q = all.data() + std::min(all.size(), b + 1000);
    double bv = 1e9, bs = 1e9;
    for (int pass = 0; pass < 3; pass++) {
      bv = std::min(bv, timepass(p, q, vornak));
      bs = std::min(bs, timepass(p, q, swechart));
    }
    tv += bv / all.size();
    ts += bs / all.size();
  }
  std::printf("\nSpeed, whole chart, best of 3 passes per block, %zu instants:\n", all.size());
  std::printf("  engine, castchart:                                %6.1f us\n", tv * 1e6);
  std::printf("  library, 8 bodies with speeds, houses, ayanamsa:  %6.1f us\n", ts * 1e6);
  std::printf("  library / engine:                                 %6.2f\n", ts / tv);
  swe_close();
  return 0;
}
