// Longitude of the Moon's ascending node.
#include "engine/node.h"

#include <cmath>
#include <cstdint>

#include "engine/angles.h"
#include "engine/series.h"
#include "engine/sincos.h"

namespace {

// Periodic terms of the true node, one row per term: amplitude (1e-4 deg),
// phase (1e-4 deg), coefficients of T^2, T^3, T^4 of the argument (1e-7,
// 1e-9, 1e-11 deg).
// clang-format off
const int32_t nodterms[22][5] = {
    {-14979, 491562, 35458, 4231, -2001},
    {-1500, 3575291, -1536, 41, 0},
    {-1226, 2357004, -32601, 3664, -1769},
    {1176, 1865442, -68058, -567, 232},
    {-801, 833826, 247999, 29262, -13826},
    {-616, 516271, 36994, 4190, -2001},
    {490, 1007370, -122571, 10684, 5028},
    {409, 3084192, 158029, 14915, -7029},
    {327, 1349634, 89970, 14348, -6797},
    {324, 466853, 33922, 4272, -2001},
    {196, 983124, 70916, 8462, -4001},
    {180, 2741928, -54513, -10116, 4797},
    {150, 3257736, -212541, -25031, 11826},
    {-150, 1841196, 125428, 18579, -8798},
    {-78, 2381713, -31065, 3623, -1769},
    {-45, 106638, 57370, 18011, -8566},
    {44, 3215076, 21912, 13780, -6565},
    {-42, 1628868, -106271, -12516, 5913},
    {-31, 1709849, 66523, 608, -232},
    {31, 1032079, -121035, -10724, 5028},
    {28, 2226120, 103516, 4798, -2232},
    {28, 1840733, -69594, -526, 232},
};
// clang-format on

// Coefficient of T of each term's argument, degrees per Julian century.
// clang-format off
const double nodlrg[22] = {
    -75869.812,
    35999.0503,
    890534.223,
    966404.0351,
    -12006.2998,
    -111868.8623,
    413335.3554,
    -489205.1674,
    477198.8676,
    -39870.7617,
    -151739.624,
    -553068.6797,
    -63863.5122,
    401329.0556,
    854535.1727,
    1367733.0907,
    1443602.9027,
    -31931.7561,
    -930404.9848,
    377336.3051,
    -1042273.8471,
    1002403.0853,
};
// clang-format on

}  // namespace

vec2 getnode2(vec2 T, double* mean0) {
  vec2 T2 = T * T, T3 = T2 * T, T4 = T3 * T;
  // Mean node.
  vec2 om = 125.0446 - 1934.13618 * T + 0.0020762 * T2 + 0.000002139 * T3 + 0.0000000165 * T4;
  // Periodic terms of the true node.
  // Their arguments and those of three small further terms; the sines all
  // at once.
  vec2 x[25], sn[25];
  for (int i = 0; i < 22; i++) {
    const int32_t* r = nodterms[i];
    vec2 arg =
        r[1] * 1e-4 + nodlrg[i] * T + r[2] * 1e-7 * T2 + r[3] * 1e-9 * T3 + r[4] * 1e-11 * T4;
    x[i] = arg * rad;
  }
  x[22] = (125.0 - 1934.1 * T) * rad;
  x[23] = (220.2 - 1935.5 * T) * rad;
  x[24] = (357.5 + 35999.1 * T) * rad;
  sin2n(x, sn, 25);
  vec2 s = {0.0, 0.0};
  for (int i = 0; i < 22; i++) s += nodterms[i][0] * 1e-4 * sn[i];
  // The further terms, in 1e-5 radian.
  vec2 p = 25.9 * sn[22] - 4.3 * sn[23] + 0.38 * T * sn[24];
  p = p * deg_per_rad * 1e-5;
  if (mean0) *mean0 = rev(om[0]);
  vec2 node = om + s + p;
  return vec2{rev(node[0]), rev(node[1])};
}

double getnode(double T, double* mean) { return getnode2(vec2{T, T}, mean)[0]; }
