// Periodic-term series of the planetary theory and their coefficient tables.
#pragma once

#include <cstdint>

#include "engine/sincos.h"

// Heliocentric position of one planet at the two times of T, each lane
// summed on its own.
//   T       time in Julian centuries from J2000.0
//   planet  0 the Earth, 1 Mercury, 2 Venus, 3 Mars, 4 Jupiter, 5 Saturn
//   out     out[0] L (rad, not reduced to one turn), out[1] B (rad),
//           out[2] R (au)
void getplanet2(vec2 T, int planet, vec2* out);

// The cosines and the sines of n pairs of arguments, out[k] = cos2(x[k]) or
// sin2(x[k]) for k < n, several pairs side by side.
void cos2n(const vec2* x, vec2* out, int n);
void sin2n(const vec2* x, vec2* out, int n);

// Series tables, rows {A, B, C} (generated, engine/vsop87tables.cpp), and
// per planet the index arrays in the order L0 L1 L2 B0 B1 B2 R0 R1 R2.
extern const int32_t earL0[][3], earL1[][3], earL2[][3], earB0[][3], earB1[][3], earB2[][3],
    earR0[][3], earR1[][3], earR2[][3];
extern const int32_t merL0[][3], merL1[][3], merL2[][3], merB0[][3], merB1[][3], merB2[][3],
    merR0[][3], merR1[][3], merR2[][3];
extern const int32_t venL0[][3], venL1[][3], venL2[][3], venB0[][3], venB1[][3], venB2[][3],
    venR0[][3], venR1[][3], venR2[][3];
extern const int32_t marL0[][3], marL1[][3], marL2[][3], marB0[][3], marB1[][3], marB2[][3],
    marR0[][3], marR1[][3], marR2[][3];
extern const int32_t jupL0[][3], jupL1[][3], jupL2[][3], jupB0[][3], jupB1[][3], jupB2[][3],
    jupR0[][3], jupR1[][3], jupR2[][3];
extern const int32_t satL0[][3], satL1[][3], satL2[][3], satB0[][3], satB1[][3], satB2[][3],
    satR0[][3], satR1[][3], satR2[][3];

extern const int32_t* const earptr[9];
extern const int32_t* const merptr[9];
extern const int32_t* const venptr[9];
extern const int32_t* const marptr[9];
extern const int32_t* const jupptr[9];
extern const int32_t* const satptr[9];
extern const int earterms[9], merterms[9], venterms[9], marterms[9], jupterms[9], satterms[9];
extern const double earlrg[9], merlrg[9], venlrg[9], marlrg[9], juplrg[9], satlrg[9];
