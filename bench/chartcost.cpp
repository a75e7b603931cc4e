// The work of vornak-chart's lines without their reading and printing: the
// chart and the dasha list of lines FROM to TO-1 of a chart file, for
// linecost.sh to count in callgrind.
//
//   vornak_chartcost FILE FROM TO
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "chart/chartline.h"
#include "chart/dasha.h"

// Casts each record and makes its dasha list; the only part callgrind counts.
extern "C" __attribute__((noinline)) int chartsanddashas(const birthdata* b, std::size_t n) {
  int sum = 0;
  dashaperiod list[maxdashas];
  for (std::size_t i = 0; i < n; i++) {
    chartstate s = castchart(b[i]);
    sum += dashaperiods(s, list) + s.tpos[2];
  }
  return sum;
}

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: vornak_chartcost FILE FROM TO\n");
    return 2;
  }
  long from = std::atol(argv[2]), to = std::atol(argv[3]);
  std::ifstream in(argv[1]);
  std::vector<birthdata> recs;
  std::string line;
  for (long n = 0; n < to && std::getline(in, line); n++) {
    lineread r = readchartline(line);
    if (n >= from && r.ok) recs.push_back(r.rec);
  }
  if (recs.empty()) {
    std::fprintf(stderr, "vornak_chartcost: no charts in lines %ld to %ld\n", from, to - 1);
    return 1;
  }
  std::printf("%zu %d\n", recs.size(), chartsanddashas(recs.data(), recs.size()));
  return 0;
}
