// Sine and cosine of two arguments at once, for the periodic-term series.
//
// The math library's sin and cos choose their path by the size of the
// argument; over the thousands of terms of a chart those choices follow the
// data, and on random instants the processor mispredicts a good share of
// them. These take one path for every argument up to 10^6 radians: the
// argument is reduced by a multiple of pi/2 in three pieces kept as a sum of
// two doubles, then a polynomial for the sine and one for the cosine of the
// remainder are both evaluated and the quadrant picks one and its sign,
// with bit operations. Error below one unit in the last place, as the
// library's; an argument beyond 10^6 or not finite goes to the library.
//
// Written with the vector extension of GCC and Clang: two doubles per
// operation on every x86-64 processor, and no fused multiply-add (the build
// turns contraction off), so the results are the same on every machine.
#pragma once

#include <cmath>
#include <cstdint>

typedef double vec2 __attribute__((vector_size(16)));
typedef int64_t ivec2 __attribute__((vector_size(16)));
typedef uint64_t uvec2 __attribute__((vector_size(16)));

namespace sincos_detail {

// pi/2 in three pieces of 33 bits and the rest: n times a piece is exact
// for |n| < 2^20.
constexpr double invpio2 = 6.36619772367581382433e-01;
constexpr double pio2_1 = 1.57079632673412561417e+00;
constexpr double pio2_2 = 6.07710050630396597660e-11;
constexpr double pio2_3 = 2.02226624871116645580e-21;
constexpr double pio2_3t = 8.47842766036889956997e-32;
// 1.5 * 2^52: adding it rounds to an integer held in the low bits.
constexpr double toint = 6755399441055744.0;
constexpr double limit = 1.0e6;

// Taylor-like minimax coefficients of sin and cos on [-pi/4, pi/4].
constexpr double S1 = -1.66666666666666324348e-01, S2 = 8.33333333332248946124e-03,
                 S3 = -1.98412698298579493134e-04, S4 = 2.75573137070700676789e-06,
                 S5 = -2.50507602534068634195e-08, S6 = 1.58969099521155010221e-10;
constexpr double C1 = 4.16666666666666019037e-02, C2 = -1.38888888888741095749e-03,
                 C3 = 2.48015872894767294178e-05, C4 = -2.75573143513906633035e-07,
                 C5 = 2.08757232129817482790e-09, C6 = -1.13596475577881948265e-11;

inline vec2 both(double c)
{
  return vec2{c, c};
}

// cos(x - q pi/2) for each lane, |x| < 10^6: q = 0 gives the cosine, q = 1
// the sine.
template <int q>
inline vec2 cosquad(vec2 x)
{
  vec2 t = x * both(invpio2) + both(toint);
  vec2 n = t - both(toint);
  uvec2 quad = (uvec2)t - q;
  // x - n pi/2 as a + da. The first step is exact; the second keeps its
  // rounding error (two-sum); the third and the rest are far below it.
  vec2 r1 = x - n * both(pio2_1);
  vec2 w = n * both(pio2_2);
  vec2 y = r1 - w;
  vec2 bv = y - r1;
  vec2 err = (r1 - (y - bv)) - (w + bv);
  vec2 tail = (err - n * both(pio2_3)) - n * both(pio2_3t);
  vec2 a = y + tail;
  vec2 da = (y - a) + tail;

  vec2 z = a * a;
  vec2 w2 = z * z;
  // sin(a + da)
  vec2 rs = both(S2) + z * (both(S3) + z * both(S4)) + z * w2 * (both(S5) + z * both(S6));
  vec2 v = z * a;
  vec2 s = a - ((z * (both(0.5) * da - v * rs) - da) - v * both(S1));
  // cos(a + da)
  vec2 rc = z * (both(C1) + z * (both(C2) + z * both(C3)))
            + w2 * w2 * (both(C4) + z * (both(C5) + z * both(C6)));
  vec2 hz = both(0.5) * z;
  vec2 wc = both(1.0) - hz;
  vec2 c = wc + (((both(1.0) - wc) - hz) + (z * rc - a * da));

  // Quadrant: odd takes the sine, 1 and 2 are negative.
  uvec2 odd = -(quad & 1);
  uvec2 bits = ((uvec2)s & odd) | ((uvec2)c & ~odd);
  bits ^= ((quad + 1) & 2) << 62;
  return (vec2)bits;
}

// The same for any argument: beyond 10^6 or not finite, the library's.
template <int q>
inline vec2 cosquadany(vec2 x)
{
  ivec2 ok = (x < both(limit)) & (x > both(-limit));
  if (__builtin_expect((ok[0] & ok[1]) == 0, 0)) {
    vec2 r;
    for (int k = 0; k < 2; k++)
      r[k] = q ? std::sin(x[k]) : std::cos(x[k]);
    return r;
  }
  return cosquad<q>(x);
}

}  // namespace sincos_detail

// Cosine and sine of both lanes, any arguments.
inline vec2 cos2(vec2 x)
{
  return sincos_detail::cosquadany<0>(x);
}

inline vec2 sin2(vec2 x)
{
  return sincos_detail::cosquadany<1>(x);
}

// Cosine of both lanes, |x| < 10^6 only (the caller makes sure of it).
inline vec2 cos2near(vec2 x)
{
  return sincos_detail::cosquad<0>(x);
}
