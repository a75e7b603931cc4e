// The texts of the chart page: labels, positions, nakshatras, navamshas and
// the Vimshottari dasha list.
#include "display/pagetext.h"

#include <cstdio>

#include "engine/calendar.h"

static_assert(sizeof(dashaentry{}.date) >= jd2date_size,
              "a list entry holds a whole printed date");

const char* const plnam[nbody] = {"As", "Su", "Mo", "Ma", "Me",
                                  "Ju", "Ve", "Sa", "Ra", "Ke"};

const char* const zod[12] = {"Ar", "Ta", "Ge", "Cn", "Le", "Vi",
                             "Li", "Sc", "Sg", "Cp", "Aq", "Pi"};

// Nakshatra n covers arc-minutes 800 n to 800 n + 799.
const char* const naknam[27] = {
    "Aswini",     "Bharani",    "Krittika", "Rohini",   "Mrigsira",
    "Ardra",      "Punarvasu",  "Pushya",   "Aslesha",  "Magha",
    "P.Phalguni", "U.Phalguni", "Hasta",    "Chitra",   "Swati",
    "Vishakha",   "Anuradha",   "Jyeshtha", "Mula",     "P.Shadya",
    "U.Shadya",   "Shravana",   "Dhanishtha", "Shatbisha", "P.Bhadra",
    "U.Bhadra",   "Revati",
};

bool isretro(int i, const chartstate& c) {
  return i >= 2 && i <= 7 && c.tsp[i] < 0;
}

int pointlabel(char* dst, int size, int i, const chartstate& c) {
  return std::snprintf(dst, size, isretro(i, c) ? "%sR" : "%s", plnam[i]);
}

int placetext(char* dst, int size, const birthdata& b) {
  return std::snprintf(dst, size, "%.*s %3d%c%02d %2d%c%02d",
                       static_cast<int>(sizeof b.place), b.place, b.londg,
                       b.loneast ? 'E' : 'W', b.lonmn, b.latdg,
                       b.latsouth ? 'S' : 'N', b.latmn);
}

int prtdhm(char* dst, int v) {
  int mn = v % 60;
  int deg = v / 60;
  return std::snprintf(dst, 7, "%2d%s%02d", deg % 30, zod[deg / 30], mn);
}

int nakshatra(int v) { return v / 800; }

// One navamsha is 200 arc-minutes; they are counted on from 0 Aries
// through the signs.
int navamsha(int v) { return v / 200 % 12 + 1; }

const char* const dashnam[9] = {"Ke", "Ve", "Su", "Mo", "Ma",
                                "Ra", "Ju", "Sa", "Me"};

// Years of each lord's major period; 120 in all.
const int dashyrs[9] = {7, 20, 6, 10, 7, 18, 16, 19, 17};

// Sub-period lengths in days. Row r is the major period of lord r; column c
// the sub-period of lord (r + c) mod 9. Years(major) x years(sub) x 365.25
// / 120, to hundredths; Su-Ra and Ra-Ra are rounded down. Used as they stand.
const double doffs[81] = {
    149.14,  426.13, 127.84,  213.06,  149.14,  383.51, 340.90,  404.82,  362.21,   // Ke
    1217.50, 365.25, 608.75,  426.13,  1095.75, 974.00, 1156.63, 1034.88, 426.13,   // Ve
    109.58,  182.63, 127.84,  328.72,  292.20,  346.99, 310.46,  127.84,  365.25,   // Su
    304.38,  213.06, 547.88,  487.00,  578.31,  517.44, 213.06,  608.75,  182.63,   // Mo
    149.14,  383.51, 340.90,  404.82,  362.21,  149.14, 426.13,  127.84,  213.06,   // Ma
    986.17,  876.60, 1040.96, 931.39,  383.51,  1095.75, 328.73, 547.88,  383.51,   // Ra
    779.20,  925.30, 827.90,  340.90,  974.00,  292.20, 487.00,  340.90,  876.60,   // Ju
    1098.79, 983.13, 404.82,  1156.63, 346.99,  578.31, 404.82,  1040.96, 925.30,   // Sa
    879.64,  362.21, 1034.88, 310.46,  517.44,  362.21, 931.39,  827.90,  983.13,   // Me
};

dashabirth dashaposition(int moon) {
  dashabirth p;
  // The lunar mansion and the part of it already traversed.
  double q = moon / 800.0;
  int n = static_cast<int>(q);
  p.major = n % 9;
  double f = q - n;
  // Days of the birth major period gone at birth.
  p.elapsed = dashyrs[p.major] * 365.25 * f;
  // The running sub-period: the first whose end is at or after the birth.
  // A tie picks the one that ends at the birth moment. Every row adds up to
  // at least its major period, so the search stops within the row; the
  // last column is taken should it not.
  int k = 9 * p.major;
  double sum = 0.0;
  int i = 0;
  for (;;) {
    sum += doffs[k];
    if (sum >= p.elapsed || i == 8) break;
    ++k;
    ++i;
  }
  p.i = i;
  p.k = k;
  p.sub = (p.major + i) % 9;
  p.remaining = sum - p.elapsed;
  return p;
}

int dashalist(double jd, int moon, dashaentry* out) {
  dashabirth p = dashaposition(moon);
  int count = 0;
  int pos = 8;  // running line position below the heading
  double d = jd;
  double len = p.remaining;
  int k = p.k;
  for (int b = 0; b < 9; ++b) {
    int major = (p.major + b) % 9;
    int sub = b == 0 ? p.sub : major;
    int entries = b == 0 ? 9 - p.i : 9;
    for (int e = 0; e < entries; ++e) {
      dashaentry& de = out[count++];
      de.major = major;
      de.sub = sub;
      de.day = d;
      std::snprintf(de.label, sizeof de.label, "%s/%s ", dashnam[major],
                    dashnam[sub]);
      jd2date(de.date, d);
      // Two entries to a line; the first of a line at the heading's x.
      de.dx = e % 2 == 0 ? 0 : 130;
      de.dy = pos + 12;
      d += len;
      sub = (sub + 1) % 9;
      k = (k + 1) % 81;
      len = doffs[k];
      if (e % 2 == 1 && e + 1 < entries) pos += 12;
    }
    pos += entries > 1 ? 16 : 12;
  }
  return count;
}
