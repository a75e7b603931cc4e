// Random chart lines for checking that a change of the engine leaves every
// chart as it was.
//
//   vornak_randlines [N [SEED]]     N lines, default 1000000, seed 20261206
//
// Every field is drawn over the dialog's whole range (years 1600 to 2400,
// zones to 12:59 either way, latitudes to 89 deg 59'), from the raw output of
// a 64-bit Mersenne Twister, so the lines are the same with every compiler
// and library.
#include <cstdio>
#include <cstdlib>
#include <random>

#include "chart/birth.h"
#include "chart/chartline.h"
#include "engine/calendar.h"

int main(int argc, char** argv) {
  long n = argc > 1 ? std::atol(argv[1]) : 1000000;
  unsigned long seed = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 20261206;
  std::mt19937_64 g(seed);
  // 0..k-1; the bias of the remainder is of no concern here.
  auto pick = [&](int k) { return static_cast<int>(g() % static_cast<unsigned>(k)); };
  static const int mdays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  char line[128];
  for (long i = 0; i < n; i++) {
    birthdata b;
    char name[32];
    std::snprintf(name, sizeof name, "Random %ld", i);
    copytext(b.name, name);
    copytext(b.place, "Anywhere");
    b.year = 1600 + pick(801);
    b.mon = 1 + pick(12);
    b.day = 1 + pick(mdays[b.mon - 1] + (b.mon == 2 && isleap(b.year)));
    b.hour = pick(24);
    b.min = pick(60);
    b.zhour = pick(13);
    b.zmin = pick(60);
    b.zeast = pick(2);
    b.londg = pick(180);
    b.lonmn = pick(60);
    b.loneast = pick(2);
    b.latdg = pick(90);
    b.latmn = pick(60);
    b.latsouth = pick(2);
    derive(b);
    std::fwrite(line, 1, static_cast<size_t>(writechartline(line, b)), stdout);
  }
  return 0;
}
