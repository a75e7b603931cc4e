// Periodic-term series of the planetary theory.
#include "engine/series.h"

#include <iterator>
#include <vector>

#include "engine/sincos.h"

namespace {

// Wider vectors than the processor's: the compiler splits each operation
// into as many of its own as it needs. A vector of 2k lanes holds k terms at
// the two times; their cosines run side by side, which keeps the processor's
// units busy while each term's long chain of operations completes.
typedef double vec4 __attribute__((vector_size(32)));
typedef uint64_t uvec4 __attribute__((vector_size(32)));
typedef double vec8 __attribute__((vector_size(64)));
typedef uint64_t uvec8 __attribute__((vector_size(64)));
typedef double vec16 __attribute__((vector_size(128)));
typedef uint64_t uvec16 __attribute__((vector_size(128)));

// The six planets' series, in the order of getplanet2's numbers.
struct planettables {
  const double* lrg;
  const int32_t* const* ptr;
  const int* terms;
};
const planettables tables[] = {{earlrg, earptr, earterms}, {merlrg, merptr, merterms},
                               {venlrg, venptr, venterms}, {marlrg, marptr, marterms},
                               {juplrg, jupptr, jupterms}, {satlrg, satptr, satterms}};

// The series' rows as the sums take them, {A 1e-8, B 1e-8, C 0.001} times
// the table's integers: the same doubles as each term made anew.
struct scaledplanet {
  std::vector<double> rows[9];
};

const scaledplanet& scaledrows(int planet) {
  static const std::vector<scaledplanet> planets = [] {
    std::vector<scaledplanet> v(std::size(tables));
    for (std::size_t p = 0; p < v.size(); p++)
      for (int j = 0; j < 9; j++)
        for (int i = 0; i < tables[p].terms[j]; i++) {
          const int32_t* r = tables[p].ptr[j] + 3 * i;
          v[p].rows[j].insert(v[p].rows[j].end(), {r[0] * 1e-8, r[1] * 1e-8, r[2] * 0.001});
        }
    return v;
  }();
  return planets[planet];
}

// The next K terms of the scaled rows tab at the two times of t, added to s
// term by term in table order. V holds 2K lanes, U is its unsigned vector.
template <int K, class V, class U>
__attribute__((always_inline)) inline vec2 addterms(vec2 s, const double* tab, vec2 t) {
  V b, c, tt;
  for (int k = 0; k < K; k++) {
    b[2 * k] = b[2 * k + 1] = tab[3 * k + 1];
    c[2 * k] = c[2 * k + 1] = tab[3 * k + 2];
    tt[2 * k] = t[0];
    tt[2 * k + 1] = t[1];
  }
  V cs = sincos_detail::cosquad<0, V, U>(b + c * tt);
  for (int k = 0; k < K; k++) s += tab[3 * k] * vec2{cs[2 * k], cs[2 * k + 1]};
  return s;
}

// The cosines (q 0) or sines (q 1) of the next K pairs of arguments at x,
// into out. V holds 2K lanes, U is its unsigned vector.
template <int q, int K, class V, class U>
__attribute__((always_inline)) inline void trigpairs(const vec2* x, vec2* out) {
  V v;
  bool near = true;
  for (int k = 0; k < K; k++)
    for (int l = 0; l < 2; l++) {
      v[2 * k + l] = x[k][l];
      near = near && x[k][l] < sincos_detail::limit && x[k][l] > -sincos_detail::limit;
    }
  if (!near) {
    for (int k = 0; k < K; k++) out[k] = q ? sin2(x[k]) : cos2(x[k]);
    return;
  }
  V r = sincos_detail::cosquad<q, V, U>(v);
  for (int k = 0; k < K; k++) out[k] = vec2{r[2 * k], r[2 * k + 1]};
}

// The cosines or sines of the n pairs at x, K pairs at a time.
template <int q, int K, class V, class U>
__attribute__((always_inline)) inline void trigall(const vec2* x, vec2* out, int n) {
  int i = 0;
  for (; i + K <= n; i += K) trigpairs<q, K, V, U>(x + i, out + i);
  for (; i < n; i++) trigpairs<q, 1, vec2, uvec2>(x + i, out + i);
}

// Sum of the n scaled rows tab at the two times of t, term by term in table
// order for each. Within maxtau, no argument reaches 10^6 radians: in every
// table |B| < 2 pi and |C| < 261 radians per year (Mercury's largest).
const double maxtau = 3.5;

// Two forms, the processor's kind chosen once, when the program is loaded:
// with 256-bit vectors eight terms side by side, else four in 128-bit
// vectors (SSE2, which every x86-64 processor has). Every lane takes the
// same operations in both, so they give the same sums. The compiler's early
// scheduling pass, off by default on x86-64, interleaves the terms' chains
// (contraction stays off, as everywhere in the build).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define VORNAK_SERIES_SCHEDULE \
  __attribute__((optimize("schedule-insns", "sched-pressure", "fp-contract=off")))
#else
#define VORNAK_SERIES_SCHEDULE
#endif
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && \
    !defined(VORNAK_NO_TARGET_CLONES)
__attribute__((target("avx2"))) VORNAK_SERIES_SCHEDULE vec2 getterms2near(const double* tab, int n,
                                                                          vec2 t) {
  vec2 s = {0.0, 0.0};
  int i = 0;
  for (; i + 8 <= n; i += 8, tab += 24) s = addterms<8, vec16, uvec16>(s, tab, t);
  for (; i + 2 <= n; i += 2, tab += 6) s = addterms<2, vec4, uvec4>(s, tab, t);
  if (i < n) s = addterms<1, vec2, uvec2>(s, tab, t);
  return s;
}

__attribute__((target("avx2"))) VORNAK_SERIES_SCHEDULE void trig2(const vec2* x, vec2* out, int n,
                                                                  bool sine) {
  if (sine)
    trigall<1, 8, vec16, uvec16>(x, out, n);
  else
    trigall<0, 8, vec16, uvec16>(x, out, n);
}
#define VORNAK_SERIES_DEFAULT __attribute__((target("default")))
#else
#define VORNAK_SERIES_DEFAULT
#endif

VORNAK_SERIES_DEFAULT VORNAK_SERIES_SCHEDULE vec2 getterms2near(const double* tab, int n, vec2 t) {
  vec2 s = {0.0, 0.0};
  int i = 0;
  for (; i + 4 <= n; i += 4, tab += 12) s = addterms<4, vec8, uvec8>(s, tab, t);
  for (; i < n; i++, tab += 3) s = addterms<1, vec2, uvec2>(s, tab, t);
  return s;
}

VORNAK_SERIES_DEFAULT VORNAK_SERIES_SCHEDULE void trig2(const vec2* x, vec2* out, int n,
                                                        bool sine) {
  if (sine)
    trigall<1, 4, vec8, uvec8>(x, out, n);
  else
    trigall<0, 4, vec8, uvec8>(x, out, n);
}

// Any time: the table's own rows, each term through the cosine that takes
// every argument.
vec2 getterms2far(const int32_t* tab, int n, vec2 t) {
  vec2 s = {0.0, 0.0};
  for (int i = 0; i < n; i++, tab += 3)
    s += tab[0] * 1e-8 * cos2(tab[1] * 1e-8 + (tab[2] * 0.001) * t);
  return s;
}

}  // namespace

void cos2n(const vec2* x, vec2* out, int n) { trig2(x, out, n, false); }

void sin2n(const vec2* x, vec2* out, int n) { trig2(x, out, n, true); }

void getplanet2(vec2 T, int planet, vec2* out) {
  const planettables& pt = tables[planet];
  // Julian millennia.
  vec2 tau = T / 10.0;
  bool near = tau[0] < maxtau && tau[0] > -maxtau && tau[1] < maxtau && tau[1] > -maxtau;
  const scaledplanet* scaled = near ? &scaledrows(planet) : nullptr;
  int j = 0;
  for (int v = 0; v < 3; v++) {
    vec2 sum = {0.0, 0.0};
    vec2 p = {1.0, 1.0};
    for (int k = 0; k < 3; k++, j++) {
      if (k > 0) p *= tau;
      vec2 terms2 = scaled ? getterms2near(scaled->rows[j].data(), pt.terms[j], tau)
                           : getterms2far(pt.ptr[j], pt.terms[j], tau);
      sum += (pt.lrg[j] + terms2) * p;
    }
    out[v] = sum;
  }
}
