// The speed of a whole chart: the engine against the Swiss Ephemeris library,
// linked into the program and, when it can be opened, its shared object.
#include "bench/swespeed.h"

#include <dlfcn.h>
#include <swephexp.h>

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>

#include "engine/chart.h"

namespace {

// The library's calls that a whole chart needs, from the library linked
// into this program or from its shared object, and the node it is asked for.
struct swecalls {
  const char* name;
  int node;
  double (*julday)(int, int, int, double, int);
  int32 (*calc_ut)(double, int32, int32, double*, char*);
  int (*houses_ex)(double, int32, double, double, int, double*, double*);
  int32 (*ayanamsa_ex_ut)(double, int32, double*, char*);
  void (*set_sid_mode)(int32, double, double);
};

// A whole chart the way a typical program asks the library for it: the Julian
// Day, eight bodies with their speeds, the ascendant, the ayanamsa.
double swechart(const swecalls& c, const instant& t) {
  const int bodies[8] = {SE_SUN,     SE_MOON,  SE_MARS,   SE_MERCURY,
                         SE_JUPITER, SE_VENUS, SE_SATURN, c.node};
  char err[AS_MAXCH];
  double x[6], cusps[13], ascmc[10], ayan, sum = 0;
  double jd = c.julday(t.year, t.mon, t.day, t.hour + t.min / 60.0 + t.zone, SE_GREG_CAL);
  for (int body : bodies) {
    c.calc_ut(jd, body, SEFLG_MOSEPH | SEFLG_SPEED, x, err);
    sum += x[0] + x[3];
  }
  c.houses_ex(jd, SEFLG_MOSEPH, t.lat, -t.lon, 'E', cusps, ascmc);
  c.ayanamsa_ex_ut(jd, SEFLG_MOSEPH, &ayan, err);
  return sum + ascmc[0] + ayan;
}

double engchart(const instant& t) {
  chartstate cs = castchart(t.mon, t.day, t.year, t.hour, t.min, t.zone, t.lon, t.lat);
  return static_cast<double>(cs.tpos[moon] + cs.tsp[moon]);
}

// This thread's processor time, seconds.
double cputime() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// One side of the comparison: what it computes, how many charts make one of
// its blocks, where it stands in the instants, and its time a chart in each
// round.
struct side {
  side(std::string name, std::function<double(const instant&)> chart)
      : name(std::move(name)), chart(std::move(chart)) {}
  std::string name;
  std::function<double(const instant&)> chart;
  std::size_t block = 1, next = 0;
  std::vector<double> rounds;
  double time = 0, charts = 0;  // within the current round
};

// Processor seconds for the next n charts of side s, on from where it stands,
// wrapping round the instants.
double run(side& s, const std::vector<instant>& ins, std::size_t n) {
  static volatile double sink = 0;
  double sum = 0, t0 = cputime();
  for (std::size_t k = 0; k < n; k++) {
    sum += s.chart(ins[s.next]);
    if (++s.next == ins.size()) s.next = 0;
  }
  double t = cputime() - t0;
  sink = sink + sum;
  return t;
}

// The library's shared object, opened beside the linked library for the
// speed comparison; false when it cannot be opened.
bool openshared(swecalls& c) {
#ifdef VORNAK_SWE_SHARED
  void* h = dlopen(VORNAK_SWE_SHARED, RTLD_NOW | RTLD_LOCAL);
  if (!h) return false;
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

// Which of the engine's two forms of the series this program runs.
const char* enginepath() {
#if defined(VORNAK_ENGINE_BASELINE)
  return "without AVX2 (the baseline build)";
#elif defined(__x86_64__) && defined(__GNUC__)
  return __builtin_cpu_supports("avx2") ? "with AVX2" : "without AVX2 (this processor has none)";
#else
  return "without AVX2";
#endif
}

}  // namespace

void speedreport(const std::vector<instant>& ins, int rounds) {
#ifdef VORNAK_SWE_STATIC
  const char* linkedname = "static";
#else
  const char* linkedname = "shared";
#endif
  std::vector<swecalls> libs;
  swecalls linked = {linkedname,    SE_MEAN_NODE,           swe_julday,      swe_calc_ut,
                     swe_houses_ex, swe_get_ayanamsa_ex_ut, swe_set_sid_mode};
  libs.push_back(linked);
  linked.node = SE_TRUE_NODE;
  libs.push_back(linked);
  swecalls shared = {"shared", SE_TRUE_NODE, nullptr, nullptr, nullptr, nullptr, nullptr};
  bool both = false;
#ifdef VORNAK_SWE_STATIC
  both = openshared(shared);
  if (both) libs.push_back(shared);
#endif
  std::vector<side> sides = {{"engine, castchart", engchart}};
  for (const swecalls& c : libs) {
    c.set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
    sides.emplace_back(std::string("library, ") + c.name + ", " +
                           (c.node == SE_MEAN_NODE ? "mean node" : "true node"),
                       [&c](const instant& t) { return swechart(c, t); });
  }

  // Each side's time a chart from a first pass over a few instants (which
  // also warms the caches), and from it the charts of a block of about 4 ms.
  const double blocktime = 0.004;
  std::size_t blocks = 1;
  for (side& s : sides) {
    std::size_t n = std::min<std::size_t>(ins.size(), 200);
    double t = run(s, ins, n) / static_cast<double>(n);
    s.next = 0;
    s.block = std::max<std::size_t>(1, static_cast<std::size_t>(blocktime / std::max(t, 1e-9)));
    blocks = std::max(blocks, (ins.size() + s.block - 1) / s.block);
  }
  for (int r = 0; r < rounds; r++) {
    for (side& s : sides) s.time = s.charts = 0;
    for (std::size_t b = 0; b < blocks; b++)
      for (side& s : sides) {
        s.time += run(s, ins, s.block);
        s.charts += static_cast<double>(s.block);
      }
    for (side& s : sides) s.rounds.push_back(s.time / s.charts);
  }

  std::printf(
      "\nSpeed, whole chart, %zu instants of 1600 to 2400: this thread's processor time,\n"
      "the sides in turn in blocks of about %.0f ms, %d rounds of %zu blocks each;\n"
      "microseconds a chart, minimum and median over the rounds. The engine %s.\n",
      ins.size(), blocktime * 1e3, rounds, blocks, enginepath());
  const std::vector<double>& e = sides[0].rounds;
  double emin = pct(e, 0), emed = pct(e, 0.5);
  std::printf("  %-32s %6.2f  %6.2f\n", sides[0].name.c_str(), emin * 1e6, emed * 1e6);
  for (std::size_t k = 1; k < sides.size(); k++) {
    const std::vector<double>& l = sides[k].rounds;
    double lmin = pct(l, 0), lmed = pct(l, 0.5);
    std::printf("  %-32s %6.2f  %6.2f   %.2f times the engine (minimum), %.2f (median)\n",
                sides[k].name.c_str(), lmin * 1e6, lmed * 1e6, lmin / emin, lmed / emed);
  }
#ifdef VORNAK_SWE_STATIC
  if (!both) std::printf("  (the library's shared object could not be opened)\n");
#else
  std::printf("  (the library's static form is not installed)\n");
#endif
}
