// The Moon's longitude from a 60-term periodic series.
#include "engine/moon.h"

#include <cmath>
#include <cstdint>
#include <iterator>

#include "engine/angles.h"
#include "engine/series.h"
#include "engine/sincos.h"

namespace {

// The terms, one a row: the multipliers of D, M, M', F (the Moon's
// elongation, the Sun's mean anomaly, the Moon's mean anomaly and its
// argument of latitude) and the amplitude in 1e-8 degree of longitude.
struct lunterm {
  int8_t D, M, Mp, F;
  int32_t a;
};

// clang-format off
const lunterm lunterms[] = {
    {0, 0, 1, 0, 628877383},
    {2, 0, -1, 0, 127401064},
    {2, 0, 0, 0, 65830943},
    {0, 0, 2, 0, 21361825},
    {0, 1, 0, 0, -18511586},
    {0, 0, 0, 2, -11433213},
    {2, 0, -2, 0, 5879321},
    {2, -1, -1, 0, 5706551},
    {2, 0, 1, 0, 5332117},
    {2, -1, 0, 0, 4575792},
    {0, 1, -1, 0, -4092258},
    {1, 0, 0, 0, -3471892},
    {0, 1, 1, 0, -3038341},
    {2, 0, 0, -2, 1532696},
    {0, 0, 1, 2, -1252767},
    {0, 0, 1, -2, 1098147},
    {4, 0, -1, 0, 1067495},
    {0, 0, 3, 0, 1003439},
    {4, 0, -2, 0, 854794},
    {2, 1, -1, 0, -788808},
    {2, 1, 0, 0, -676617},
    {1, 0, -1, 0, -516242},
    {1, 1, 0, 0, 498735},
    {2, -1, 1, 0, 403619},
    {2, 0, 2, 0, 399436},
    {4, 0, 0, 0, 386085},
    {2, 0, -3, 0, 366502},
    {0, 1, -2, 0, -268863},
    {2, 0, -1, 2, -260163},
    {2, -1, -2, 0, 239042},
    {1, 0, 1, 0, -234807},
    {2, -2, 0, 0, 223616},
    {0, 1, 2, 0, -211949},
    {0, 2, 0, 0, -206874},
    {2, -2, -1, 0, 204755},
    {2, 0, 1, -2, -177310},
    {2, 0, 0, 2, -159489},
    {4, -1, -1, 0, 121500},
    {0, 0, 2, 2, -111045},
    {3, 0, -1, 0, -89158},
    {2, 1, 1, 0, -80959},
    {4, -1, -2, 0, 75886},
    {0, 2, -1, 0, -71332},
    {2, 2, -1, 0, -70033},
    {2, 1, -2, 0, 69136},
    {2, -1, 0, -2, 59613},
    {4, 0, 1, 0, 54937},
    {0, 0, 4, 0, 53713},
    {4, -1, 0, 0, 51966},
    {1, 0, -2, 0, -48694},
    {2, 1, 0, -2, -39921},
    {0, 0, 2, -2, -38127},
    {1, 1, 1, 0, 35051},
    {3, 0, -2, 0, -34003},
    {4, 0, -3, 0, 32968},
    {2, -1, 2, 0, 32694},
    {0, 2, 1, 0, -32269},
    {1, 1, -1, 0, 29935},
    {2, 0, 3, 0, 29431},
    {2, 0, 1, 2, -27506},
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
  constexpr int n = static_cast<int>(std::size(lunterms));
  vec2 x[n + 3], a[n], sn[n + 3];
  for (int i = 0; i < n; i++) {
    const lunterm& t = lunterms[i];
    vec2 arg = double(t.D) * D + double(t.M) * M + double(t.Mp) * Mp + double(t.F) * F;
    x[i] = arg * rad;
    a[i] = vec2{t.a * 1e-8, t.a * 1e-8};
    if (t.M == 1 || t.M == -1)
      a[i] *= E;
    else if (t.M == 2 || t.M == -2)
      a[i] *= E * E;
  }
  vec2 A1 = 119.75 + 131.849 * T;
  vec2 A2 = 53.09 + 479264.29 * T;
  x[n] = A1 * rad;
  x[n + 1] = (Lp - F) * rad;
  x[n + 2] = A2 * rad;
  sin2n(x, sn, n + 3);
  vec2 s = {0.0, 0.0};
  for (int i = 0; i < n; i++) s += a[i] * sn[i];
  s += 0.003958 * sn[n] + 0.001926 * sn[n + 1] + 0.000318 * sn[n + 2];

  vec2 lam = Lp + s;
  return vec2{rev(lam[0]), rev(lam[1])};
}

double getlunar(double T) { return getlunar2(vec2{T, T})[0]; }
