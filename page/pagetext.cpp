// The texts of the chart page: labels, positions and nakshatra names.
#include "page/pagetext.h"

#include <cstdio>

const char* const plnam[nbody] = {"As", "Su", "Mo", "Ma", "Me", "Ju", "Ve", "Sa", "Ra", "Ke"};

const char* const zod[12] = {"Ar", "Ta", "Ge", "Cn", "Le", "Vi",
                             "Li", "Sc", "Sg", "Cp", "Aq", "Pi"};

// clang-format off
const char* const naknam[27] = {
    "Aswini",     "Bharani",    "Krittika", "Rohini",   "Mrigsira",
    "Ardra",      "Punarvasu",  "Pushya",   "Aslesha",  "Magha",
    "P.Phalguni", "U.Phalguni", "Hasta",    "Chitra",   "Swati",
    "Vishakha",   "Anuradha",   "Jyeshtha", "Mula",     "P.Shadya",
    "U.Shadya",   "Shravana",   "Dhanishtha", "Shatbisha", "P.Bhadra",
    "U.Bhadra",   "Revati",
};
// clang-format on

bool isretro(int i, const chartstate& c) { return canretro(i) && c.tsp[i] < 0; }

int pointlabel(char* dst, int size, int i, const chartstate& c) {
  return std::snprintf(dst, size, isretro(i, c) ? "%sR" : "%s", plnam[i]);
}

int placetext(char* dst, int size, const birthdata& b) {
  return std::snprintf(dst, size, "%.*s %3d%c%02d %2d%c%02d", static_cast<int>(sizeof b.place),
                       b.place, b.londg, b.loneast ? 'E' : 'W', b.lonmn, b.latdg,
                       b.latsouth ? 'S' : 'N', b.latmn);
}

int prtdhm(char* dst, int v) {
  // "%2d%s%02d", written by hand: a text output prints ten of them a chart.
  int d = signdeg(v), mn = arcminof(v);
  const char* z = zod[signof(v)];
  dst[0] = d < 10 ? ' ' : static_cast<char>('0' + d / 10);
  dst[1] = static_cast<char>('0' + d % 10);
  dst[2] = z[0];
  dst[3] = z[1];
  dst[4] = static_cast<char>('0' + mn / 10);
  dst[5] = static_cast<char>('0' + mn % 10);
  dst[6] = '\0';
  return 6;
}
