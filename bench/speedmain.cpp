// The engine's speed against the Swiss Ephemeris library alone, on the
// instants whose accuracy vornak_accuracy reports first (1600 to 2400).
//
//   vornak_speed [CHARTS [ROUNDS [SEED]]]     default 20000 charts, 5 rounds
#include <swephexp.h>

#include <cstdio>
#include <cstdlib>

#include "bench/instants.h"
#include "bench/swespeed.h"

int main(int argc, char** argv) {
  int n = argc > 1 ? std::atoi(argv[1]) : 20000;
  int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
  unsigned long seed = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : instantseed;
  if (n < 1 || rounds < 1) {
    std::fprintf(stderr, "usage: vornak_speed [CHARTS [ROUNDS [SEED]]]\n");
    return 2;
  }
  char ver[AS_MAXCH];
  std::printf("Engine against the Swiss Ephemeris %s (Moshier), seed %lu\n", swe_version(ver),
              seed);
  std::mt19937_64 g(seed);
  speedreport(draw(g, 1600, 2400, n), rounds);
  swe_close();
  return 0;
}
