// The Moon's longitude from a 60-term periodic series.
#include "engine/moon.h"

#include <cmath>
#include <cstdint>

#include "engine/angles.h"
#include "engine/series.h"
#include "engine/sincos.h"

namespace {

// Multipliers of D, M, M', F (the Moon's elongation, the Sun's mean anomaly,
// the Moon's mean anomaly and its argument of latitude).
// clang-format off
const int8_t luntrg[60][4] = {
    {0, 0, 1, 0},
    {2, 0, -1, 0},
    {2, 0, 0, 0},
    {0, 0, 2, 0},
    {0, 1, 0, 0},
    {0, 0, 0, 2},
    {2, 0, -2, 0},
    {2, -1, -1, 0},
    {2, 0, 1, 0},
    {2, -1, 0, 0},
    {0, 1, -1, 0},
    {1, 0, 0, 0},
    {0, 1, 1, 0},
    {2, 0, 0, -2},
    {0, 0, 1, 2},
    {0, 0, 1, -2},
    {4, 0, -1, 0},
    {0, 0, 3, 0},
    {4, 0, -2, 0},
    {2, 1, -1, 0},
    {2, 1, 0, 0},
    {1, 0, -1, 0},
    {1, 1, 0, 0},
    {2, -1, 1, 0},
    {2, 0, 2, 0},
    {4, 0, 0, 0},
    {2, 0, -3, 0},
    {0, 1, -2, 0},
    {2, 0, -1, 2},
    {2, -1, -2, 0},
    {1, 0, 1, 0},
    {2, -2, 0, 0},
    {0, 1, 2, 0},
    {0, 2, 0, 0},
    {2, -2, -1, 0},
    {2, 0, 1, -2},
    {2, 0, 0, 2},
    {4, -1, -1, 0},
    {0, 0, 2, 2},
    {3, 0, -1, 0},
    {2, 1, 1, 0},
    {4, -1, -2, 0},
    {0, 2, -1, 0},
    {2, 2, -1, 0},
    {2, 1, -2, 0},
    {2, -1, 0, -2},
    {4, 0, 1, 0},
    {0, 0, 4, 0},
    {4, -1, 0, 0},
    {1, 0, -2, 0},
    {2, 1, 0, -2},
    {0, 0, 2, -2},
    {1, 1, 1, 0},
    {3, 0, -2, 0},
    {4, 0, -3, 0},
    {2, -1, 2, 0},
    {0, 2, 1, 0},
    {1, 1, -1, 0},
    {2, 0, 3, 0},
    {2, 0, 1, 2},
};
// clang-format on

// Amplitudes in 1e-8 degree of longitude, same rows.
// clang-format off
const int32_t luntrm[60] = {
    628877383,
    127401064,
    65830943,
    21361825,
    -18511586,
    -11433213,
    5879321,
    5706551,
    5332117,
    4575792,
    -4092258,
    -3471892,
    -3038341,
    1532696,
    -1252767,
    1098147,
    1067495,
    1003439,
    854794,
    -788808,
    -676617,
    -516242,
    498735,
    403619,
    399436,
    386085,
    366502,
    -268863,
    -260163,
    239042,
    -234807,
    223616,
    -211949,
    -206874,
    204755,
    -177310,
    -159489,
    121500,
    -111045,
    -89158,
    -80959,
    75886,
    -71332,
    -70033,
    69136,
    59613,
    54937,
    53713,
    51966,
    -48694,
    -39921,
    -38127,
    35051,
    -34003,
    32968,
    32694,
    -32269,
    29935,
    29431,
    -27506,
};
// clang-format on

}  // namespace

vec2 getlunar2(vec2 T) {
  vec2 T2 = T * T;
  vec2 T3 = T * T2;
  // Mean longitude of the Moon.
  vec2 Lp = 218.31665436 + 481267.8813424 * T - 0.0013268 * T2 + 0.000001856 * T3;
  // Mean elongation of the Moon.
  vec2 D = 297.8502042 + 445267.11151675 * T - 0.00163 * T2 + 0.000001832 * T3;
  // Mean anomaly of the Sun.
  vec2 M = 357.52910918 + 35999.05029094 * T - 0.0001536 * T2 + 0.000000041 * T3;
  // Mean anomaly of the Moon.
  vec2 Mp = 134.96341138 + 477198.86763133 * T + 0.008997 * T2 + 0.000014348 * T3;
  // Argument of latitude of the Moon.
  vec2 F = 93.2720993 + 483202.0175273 * T - 0.0034029 * T2 - 0.000000284 * T3;
  // Eccentricity of the Earth's orbit, which scales the terms in M.
  vec2 E = 1.0 - 0.002516 * T - 0.0000074 * T2;

  // The arguments of the 60 terms and of the three for Venus, Jupiter and
  // the flattening of the Earth; their sines all at once.
  vec2 x[63], a[60], sn[63];
  for (int i = 0; i < 60; i++) {
    const int8_t* m = luntrg[i];
    vec2 arg = double(m[0]) * D + double(m[1]) * M + double(m[2]) * Mp + double(m[3]) * F;
    x[i] = arg * rad;
    a[i] = vec2{luntrm[i] * 1e-8, luntrm[i] * 1e-8};
    if (m[1] == 1 || m[1] == -1)
      a[i] *= E;
    else if (m[1] == 2 || m[1] == -2)
      a[i] *= E * E;
  }
  vec2 A1 = 119.75 + 131.849 * T;
  vec2 A2 = 53.09 + 479264.29 * T;
  x[60] = A1 * rad;
  x[61] = (Lp - F) * rad;
  x[62] = A2 * rad;
  sin2n(x, sn, 63);
  vec2 s = {0.0, 0.0};
  for (int i = 0; i < 60; i++) s += a[i] * sn[i];
  s += 0.003958 * sn[60] + 0.001926 * sn[61] + 0.000318 * sn[62];

  vec2 lam = Lp + s;
  return vec2{rev(lam[0]), rev(lam[1])};
}

double getlunar(double T) { return getlunar2(vec2{T, T})[0]; }
