// The texts of the chart page, as pure functions (no drawing).
#pragma once

#include "chart/birth.h"
#include "engine/chart.h"

extern const char* const plnam[nbody];  // "As" .. "Ke"
extern const char* const zod[12];       // "Ar" .. "Pi"
extern const char* const naknam[27];    // "Aswini" .. "Revati"

// True when point i carries the retrograde mark: a point that can be
// retrograde (canretro) with a negative daily motion.
bool isretro(int i, const chartstate& c);

// The label column of point i: its label, with R when it is retrograde.
int pointlabel(char* dst, int size, int i, const chartstate& c);

// The header's place line: "%s %3d%c%02d %2d%c%02d" of the place, the
// longitude degrees, E or W, minutes, the latitude degrees, N or S, minutes.
// Bounded to size, and the place is read only within its field, whatever
// the record holds.
int placetext(char* dst, int size, const birthdata& b);

// The position column: "%2d%s%02d" of degree in sign, sign label, minute.
// dst has room for 7 characters with the terminator. v in 0..21599.
int prtdhm(char* dst, int v);
