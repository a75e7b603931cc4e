// The speed of a whole chart: the engine against the Swiss Ephemeris library,
// linked into the program and, when it can be opened, its shared object.
#include "bench/swespeed.h"

#include <dlfcn.h>
#include <swephexp.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "engine/chart.h"

namespace {

const int swebodies[8] = {SE_SUN,     SE_MOON,  SE_MARS,   SE_MERCURY,
                          SE_JUPITER, SE_VENUS, SE_SATURN, SE_TRUE_NODE};

// The library's calls that a whole chart needs, from the library linked
// into this program or from its shared object.
struct swecalls {
  const char* name;
  double (*julday)(int, int, int, double, int);
  int32 (*calc_ut)(double, int32, int32, double*, char*);
  int (*houses_ex)(double, int32, double, double, int, double*, double*);
  int32 (*ayanamsa_ex_ut)(double, int32, double*, char*);
  void (*set_sid_mode)(int32, double, double);
};

// A whole chart the way a typical program asks the library for it: the Julian
// Day, eight bodies with their speeds, the ascendant, the ayanamsa.
double swechart(const swecalls& c, const instant& t) {
  char err[AS_MAXCH];
  double x[6], cusps[13], ascmc[10], ayan, sum = 0;
  double jd = c.julday(t.year, t.mon, t.day, t.hour + t.min / 60.0 + t.zone, SE_GREG_CAL);
  for (int body : swebodies) {
    c.calc_ut(jd, body, SEFLG_MOSEPH | SEFLG_SPEED, x, err);
    sum += x[0] + x[3];
  }
  c.houses_ex(jd, SEFLG_MOSEPH, t.lat, -t.lon, 'E', cusps, ascmc);
  c.ayanamsa_ex_ut(jd, SEFLG_MOSEPH, &ayan, err);
  return sum + ascmc[0] + ayan;
}

// Seconds for one pass of f over instants [b, e).
template <class F>
double timepass(const instant* b, const instant* e, F f) {
  static volatile double sink = 0;
  auto t0 = std::chrono::steady_clock::now();
  double s = 0;
  for (const instant* t = b; t != e; t++) s += f(*t);
  std::chrono::duration<double> d = std::chrono::steady_clock::now() - t0;
  sink = sink + s;
  return d.count();
}

// The library's shared object, opened beside the linked library for the
// speed comparison; false when it cannot be opened.
bool openshared(swecalls& c) {
#ifdef VORNAK_SWE_SHARED
  void* h = dlopen(VORNAK_SWE_SHARED, RTLD_NOW | RTLD_LOCAL);
  if (!h) return false;
  c.name = "shared";
  c.julday = reinterpret_cast<decltype(c.julday)>(dlsym(h, "swe_julday"));
  c.calc_ut = reinterpret_cast<decltype(c.calc_ut)>(dlsym(h, "swe_calc_ut"));
  c.houses_ex = reinterpret_cast<decltype(c.houses_ex)>(dlsym(h, "swe_houses_ex"));
  c.ayanamsa_ex_ut =
      reinterpret_cast<decltype(c.ayanamsa_ex_ut)>(dlsym(h, "swe_get_ayanamsa_ex_ut"));
  c.set_sid_mode = reinterpret_cast<decltype(c.set_sid_mode)>(dlsym(h, "swe_set_sid_mode"));
  return c.julday && c.calc_ut && c.houses_ex && c.ayanamsa_ex_ut && c.set_sid_mode;
#else
  (void)c;
  return false;
#endif
}

}  // namespace

void speedreport(const std::vector<instant>& ins) {
  // Blocks of 1000 instants, each timed three
  // times by every side in turn; the best time of each block counts, so that
  // other work on the machine weighs on no side. The median over the blocks.
  swecalls linked = {
      "linked", swe_julday, swe_calc_ut, swe_houses_ex, swe_get_ayanamsa_ex_ut, swe_set_sid_mode};
#ifdef VORNAK_SWE_STATIC
  linked.name = "static";
#else
  linked.name = "shared";
#endif
  std::vector<swecalls> libs = {linked};
  swecalls shared;
  if (openshared(shared)) libs.insert(libs.begin(), shared);
  for (const swecalls& c : libs) c.set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
  auto vornak = [](const instant& t) {
    chartstate cs = castchart(t.mon, t.day, t.year, t.hour, t.min, t.zone, t.lon, t.lat);
    return static_cast<double>(cs.tpos[moon] + cs.tsp[moon]);
  };
  std::vector<double> tv;
  std::vector<std::vector<double>> ts(libs.size());
  const size_t block = 1000;
  for (size_t b = 0; b < ins.size(); b += block) {
    const instant *p = ins.data() + b, *q = ins.data() + std::min(ins.size(), b + block);
    double k = static_cast<double>(q - p);
    std::vector<double> best(libs.size() + 1, 1e9);
    for (int pass = 0; pass < 3; pass++) {
      best[0] = std::min(best[0], timepass(p, q, vornak) / k);
      for (size_t l = 0; l < libs.size(); l++)
        best[l + 1] =
            std::min(best[l + 1],
                     timepass(p, q, [&](const instant& t) { return swechart(libs[l], t); }) / k);
    }
    tv.push_back(best[0]);
    for (size_t l = 0; l < libs.size(); l++) ts[l].push_back(best[l + 1]);
  }
  double v = pct(tv, 0.5);
  std::printf(
      "\nSpeed, whole chart, the %zu instants of 1600 to 2400 in blocks of %zu, best of 3\n"
      "passes per block, median (lowest to highest) over the blocks, microseconds:\n",
      ins.size(), block);
  std::printf("  engine, castchart:                       %6.1f (%.1f to %.1f)\n", v * 1e6,
              pct(tv, 0) * 1e6, pct(tv, 1) * 1e6);
  for (size_t l = 0; l < libs.size(); l++) {
    double s = pct(ts[l], 0.5);
    std::printf(
        "  library %-6s, 8 bodies with speeds,\n"
        "    houses, ayanamsa:                      %6.1f (%.1f to %.1f), %.2f times the engine\n",
        libs[l].name, s * 1e6, pct(ts[l], 0) * 1e6, pct(ts[l], 1) * 1e6, s / v);
  }
  if (libs.size() == 1)
    std::printf("  (the library %s only: its %s form is not installed)\n", libs[0].name,
                libs[0].name[0] == 's' && libs[0].name[1] == 'h' ? "static" : "shared");
}
