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
// The numbers are taken from fdlibm 5.3 (Sun Microsystems, 1993): the
// polynomial coefficients from k_sin.c and k_cos.c, the pieces of pi/2 for
// the Cody-Waite reduction from e_rem_pio2.c. The code is our own; fdlibm's
// notice, which goes with anything taken from it:
//
//   Copyright (C) 1993 by Sun Microsystems, Inc. All rights reserved.
//
//   Developed at SunSoft, a Sun Microsystems, Inc. business.
//   Permission to use, copy, modify, and distribute this
//   software is freely granted, provided that this notice
//   is preserved.
//
// Written with the vector extension of GCC and Clang, for vectors of two
// doubles (every x86-64 processor) or four: every lane takes the same
// operations and none is fused (the build turns contraction off), so these
// give the same bits on every machine and at every vector width, and so do
// the engine's series built on them, with AVX2 or without. That is not the
// whole chart: the ascendant and the geocentric conversion of the planets
// call the C library's sin, cos, tan and atan2, whose last bits can differ
// between processors with fused multiply-add and without (51 of 420,000
// unrounded values differed under emulation; no printed position did).
#pragma once

#include <cmath>
#include <cstdint>

typedef double vec2 __attribute__((vector_size(16)));
typedef int64_t ivec2 __attribute__((vector_size(16)));
typedef uint64_t uvec2 __attribute__((vector_size(16)));

namespace sincos_detail {

// pi/2 in three pieces of 33 bits and the rest (fdlibm's): n times a piece
// is exact for |n| < 2^20.
constexpr double invpio2 = 6.36619772367581382433e-01;
constexpr double pio2_1 = 1.57079632673412561417e+00;
constexpr double pio2_2 = 6.07710050630396597660e-11;
constexpr double pio2_3 = 2.02226624871116645580e-21;
constexpr double pio2_3t = 8.47842766036889956997e-32;
// 1.5 * 2^52: adding it rounds to an integer held in the low bits.
constexpr double toint = 6755399441055744.0;
constexpr double limit = 1.0e6;

// Minimax coefficients of sin and cos on [-pi/4, pi/4], near those of their
// Taylor series (fdlibm's).
constexpr double S1 = -1.66666666666666324348e-01, S2 = 8.33333333332248946124e-03,
                 S3 = -1.98412698298579493134e-04, S4 = 2.75573137070700676789e-06,
                 S5 = -2.50507602534068634195e-08, S6 = 1.58969099521155010221e-10;
constexpr double C1 = 4.16666666666666019037e-02, C2 = -1.38888888888741095749e-03,
                 C3 = 2.48015872894767294178e-05, C4 = -2.75573143513906633035e-07,
                 C5 = 2.08757232129817482790e-09, C6 = -1.13596475577881948265e-11;

// cos(x - q pi/2) for each lane, |x| < 10^6: q = 0 gives the cosine, q = 1
// the sine. V is a vector of doubles, U the unsigned vector of the same
// lanes. Always inlined, so that a vector wider than the processor's
// baseline never crosses a call (code built for two kinds of processor
// would pass it differently). For the same reason its body calls nothing,
// not even a helper lambda: without optimisation such a helper stays a
// function of its own, built for the baseline processor, and code built
// for 256-bit vectors that calls it reads its result from the wrong place.
// The constants are scalars, which the vector operations broadcast.
template <int q, class V, class U>
__attribute__((always_inline)) inline V cosquad(V x) {
  V t = x * invpio2 + toint;
  V n = t - toint;
  U quad = (U)t - q;
  // x - n pi/2 as a + da. The first step is exact; the second keeps its
  // rounding error (two-sum); the third and the rest are far below it.
  V r1 = x - n * pio2_1;
  V w = n * pio2_2;
  V y = r1 - w;
  V bv = y - r1;
  V err = (r1 - (y - bv)) - (w + bv);
  V tail = (err - n * pio2_3) - n * pio2_3t;
  V a = y + tail;
  V da = (y - a) + tail;

  // With z = a^2, sin a = a + a^3 (S1 + z P) and cos a = 1 - z/2 + z R, where
  // P = S2 + S3 z + ... + S6 z^4 and R = C1 z + C2 z^2 + ... + C6 z^6, each
  // summed as two halves that the processor works on side by side. The tail
  // da adds its first-order part: da cos a ~ da (1 - z/2), -da sin a ~ -a da.
  V z = a * a;
  V z2 = z * z;
  V P = S2 + z * (S3 + z * S4) + z * z2 * (S5 + z * S6);
  V R = z * (C1 + z * (C2 + z * C3)) + z2 * z2 * (C4 + z * (C5 + z * C6));
  V a3 = z * a;
  // The sine: minus the small parts, da (1 - z/2) + a^3 z P, summed first;
  // then a^3 S1, then a, the largest, last.
  V small = z * (0.5 * da - a3 * P) - da;
  V s = a - (small - a3 * S1);
  // The cosine: 1 - z/2 rounded, then what that rounding lost, z R and the
  // tail's part added to it.
  V half = 0.5 * z;
  V head = 1.0 - half;
  V lost = (1.0 - head) - half;
  V c = head + (lost + (z * R - a * da));

  // Quadrant: odd takes the sine, 1 and 2 are negative.
  U odd = -(quad & 1);
  U bits = ((U)s & odd) | ((U)c & ~odd);
  bits ^= ((quad + 1) & 2) << 62;
  return (V)bits;
}

// The same for any argument: beyond 10^6 or not finite, the library's.
template <int q>
inline vec2 cosquadany(vec2 x) {
  const vec2 lim = {limit, limit};
  ivec2 ok = (x < lim) & (x > -lim);
  if (__builtin_expect((ok[0] & ok[1]) == 0, 0)) {
    vec2 r;
    for (int k = 0; k < 2; k++) r[k] = q ? std::sin(x[k]) : std::cos(x[k]);
    return r;
  }
  return cosquad<q, vec2, uvec2>(x);
}

}  // namespace sincos_detail

// Cosine and sine of both lanes, any arguments.
inline vec2 cos2(vec2 x) { return sincos_detail::cosquadany<0>(x); }

inline vec2 sin2(vec2 x) { return sincos_detail::cosquadany<1>(x); }

// Cosine of both lanes, |x| < 10^6 only (the caller makes sure of it).
inline vec2 cos2near(vec2 x) { return sincos_detail::cosquad<0, vec2, uvec2>(x); }
