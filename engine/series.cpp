// Periodic-term series of the planetary theory.
#include "engine/series.h"

#include "engine/sincos.h"

namespace {

// Four lanes, for the code built for processors with 256-bit vectors.
typedef double vec4 __attribute__((vector_size(32)));
typedef uint64_t uvec4 __attribute__((vector_size(32)));

__attribute__((always_inline)) inline vec4 cos4near(vec4 x) {
  return sincos_detail::cosquad<0, vec4, uvec4>(x);
}

// Sum of the first n terms at the two times of t, term by term in table
// order for each. Within maxtau, no argument reaches 10^6 radians: in every
// table |B| < 2 pi and |C| < 261 radians per year (Mercury's largest).
const double maxtau = 3.5;

// With 256-bit vectors two terms go through one cosine, the sums still
// taken term by term; the processor's kind is chosen once, when the program
// is loaded, and both kinds give the same sums.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && \
    !defined(VORNAK_NO_TARGET_CLONES)
__attribute__((target_clones("avx2", "default")))
#endif
vec2 getterms2near(const int32_t* tab, int n, vec2 t)
{
  vec2 s = {0.0, 0.0};
  const vec4 t4 = {t[0], t[1], t[0], t[1]};
  int i = 0;
  for (; i + 1 < n; i += 2, tab += 6) {
    double b0 = tab[1] * 1e-8, c0 = tab[2] * 0.001, b1 = tab[4] * 1e-8, c1 = tab[5] * 0.001;
    vec4 b = {b0, b0, b1, b1}, c = {c0, c0, c1, c1};
    vec4 cs = cos4near(b + c * t4);
    s += tab[0] * 1e-8 * vec2{cs[0], cs[1]};
    s += tab[3] * 1e-8 * vec2{cs[2], cs[3]};
  }
  if (i < n) s += tab[0] * 1e-8 * cos2near(tab[1] * 1e-8 + (tab[2] * 0.001) * t);
  return s;
}

vec2 getterms2(const int32_t* tab, int n, vec2 t) {
  if (t[0] < maxtau && t[0] > -maxtau && t[1] < maxtau && t[1] > -maxtau)
    return getterms2near(tab, n, t);
  vec2 s = {0.0, 0.0};
  for (int i = 0; i < n; i++, tab += 3)
    s += tab[0] * 1e-8 * cos2(tab[1] * 1e-8 + (tab[2] * 0.001) * t);
  return s;
}

}  // namespace

void getplanet2(vec2 T, vec2* out, const double* lrg, const int32_t* const* ptr, const int* terms) {
  // Julian millennia.
  vec2 tau = T / 10.0;
  int j = 0;
  for (int v = 0; v < 3; v++) {
    vec2 sum = {0.0, 0.0};
    vec2 p = {1.0, 1.0};
    for (int k = 0; k < 3; k++, j++) {
      if (k > 0) p *= tau;
      sum += (lrg[j] + getterms2(ptr[j], terms[j], tau)) * p;
    }
    out[v] = sum;
  }
}
