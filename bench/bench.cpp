// Benchmarks: casting a whole chart, the dasha list, a drawing pass of the
// page, and a chart line read and written back.
#include <benchmark/benchmark.h>

#include <string_view>

#include "chart/birth.h"
#include "chart/chartline.h"
#include "page/page.h"
#include "page/pagetext.h"
#include "engine/chart.h"

namespace {

// New Delhi, 1 Jan 2000 17:30, zone "-" 5:30: noon Universal Time.
const std::string_view delhi =
    "Delhi Noon UT          Jan 01, 200005:30:00 PM    -05:30077E12'00 28N36'00 "
    "New Delhi               \n";

// One whole chart: ten positions and their daily motions. The minute moves
// on each pass so that no result can be reused.
void BM_castchart(benchmark::State& state) {
  int min = 0;
  for (auto _ : state) {
    chartstate s = castchart(1, 1, 2000, 17, min, -5.5, -77.2, 28.6);
    benchmark::DoNotOptimize(s);
    min = (min + 1) % 60;
  }
}
BENCHMARK(BM_castchart);

// The dasha list of a chart: 73 to 81 entries with their printed dates.
void BM_dashalist(benchmark::State& state) {
  dashaentry list[81];
  int moon = 0;
  for (auto _ : state) {
    int n = dashalist(2451545.5, moon, list);
    benchmark::DoNotOptimize(n);
    benchmark::DoNotOptimize(list);
    moon = (moon + 997) % 21600;
  }
}
BENCHMARK(BM_dashalist);

// A chart line read into a record and written back.
void BM_chartline(benchmark::State& state) {
  char buf[128];
  for (auto _ : state) {
    lineread r = readchartline(delhi);
    int n = writechartline(buf, r.rec);
    benchmark::DoNotOptimize(n);
    benchmark::DoNotOptimize(buf);
  }
}
BENCHMARK(BM_chartline);

// A canvas that draws nothing: the cost of the page routines alone.
class nullcanvas : public canvas {
 public:
  void setcolor(int) override {}
  void setfont(int, int) override {}
  void drawline(int, int, int, int) override {}
  void drawtext(const char* s, int, int) override { benchmark::DoNotOptimize(s); }
};

// One drawing pass of the whole page (South style) into the recorder, which
// keeps every call as text, and into a canvas that keeps nothing.
void BM_drawpage_recorder(benchmark::State& state) {
  lineread r = readchartline(delhi);
  chartstate s = castchart(r.rec);
  for (auto _ : state) {
    recorder rec;
    drawpage(rec, r.rec, s, false);
    benchmark::DoNotOptimize(rec.log.data());
  }
}
BENCHMARK(BM_drawpage_recorder);

void BM_drawpage_null(benchmark::State& state) {
  lineread r = readchartline(delhi);
  chartstate s = castchart(r.rec);
  nullcanvas c;
  for (auto _ : state) drawpage(c, r.rec, s, state.range(0) != 0);
}
BENCHMARK(BM_drawpage_null)->Arg(0)->Arg(1);

}  // namespace

BENCHMARK_MAIN();
