// Benchmarks: casting a whole chart, the dasha list, a drawing pass of the
// page, a chart line read and written back, and vornak-chart per line.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "bench/instants.h"
#include "chart/birth.h"
#include "chart/chartline.h"
#include "chart/dasha.h"
#include "cli/chartcmd.h"
#include "engine/calendar.h"
#include "engine/chart.h"
#include "page/page.h"
#include "page/pagetext.h"

namespace {

// New Delhi, 1 Jan 2000 17:30, zone "-" 5:30: noon Universal Time.
const std::string_view delhi =
    "Delhi Noon UT          Jan 01, 200005:30:00 PM    -05:30077E12'00 28N36'00 "
    "New Delhi               \n";

// The five charts of samples/charts.vnk.
// clang-format off
const std::string_view samplelines =
    "J2000 Epoch            Jan 01, 200012:00:00 PM    +00:00000W00'00 00N00'00 Greenwich Meridian      \n"
    "Delhi Noon UT          Jan 01, 200005:30:00 PM    -05:30077E12'00 28N36'00 New Delhi               \n"
    "Example Person         Mar 14, 198706:05:00 PM    -01:00012E30'00 41N54'00 Sample Town             \n"
    "Moon Landing           Jul 20, 196903:17:00 PM    +05:00095W22'00 29N46'00 Houston                 \n"
    "Southern Night         Jun 30, 197512:15:00 AM    +03:00043W12'00 22S54'00 Rio de Janeiro          \n";
// clang-format on

// One whole chart: ten positions and their daily motions. The minute moves
// on each pass so that no result can be reused, but the processor sees
// nearly the same chart again and again.
void BM_castchart(benchmark::State& state) {
  int min = 0;
  for (auto _ : state) {
    chartstate s = castchart(1, 1, 2000, 17, min, -5.5, -77.2, 28.6);
    benchmark::DoNotOptimize(s);
    min = (min + 1) % 60;
  }
}
BENCHMARK(BM_castchart);

// The charts of a chart file: 20,000 random instants and places of 1600 to
// 2400, drawn with the seed of the accuracy program (its first range, whose
// instants it also times against the Swiss Ephemeris library), in turn.
void BM_castchart_random(benchmark::State& state) {
  std::mt19937_64 g(instantseed);
  const std::vector<instant> ins = draw(g, 1600, 2400, 20000);
  size_t k = 0;
  for (auto _ : state) {
    const instant& t = ins[k];
    chartstate s = castchart(t.mon, t.day, t.year, t.hour, t.min, t.zone, t.lon, t.lat);
    benchmark::DoNotOptimize(s);
    k = k + 1 == ins.size() ? 0 : k + 1;
  }
}
BENCHMARK(BM_castchart_random);

// The dasha list of a chart: 73 to 81 periods and their printed dates.
void BM_dashalist(benchmark::State& state) {
  dashaperiod list[maxdashas];
  char date[jd2date_size];
  chartstate s;
  s.jd = 2451545.5;
  for (auto _ : state) {
    int n = dashaperiods(s, list);
    for (int k = 0; k < n; ++k) benchmark::DoNotOptimize(jd2date(date, list[k].day));
    benchmark::DoNotOptimize(list);
    s.tpos[moon] = (s.tpos[moon] + 997) % circle_arcmin;
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

// vornak-chart over 1000 lines of the sample charts (text, then JSON), the
// output thrown away: the time per chart line, to set against castchart
// plus the dasha list.
void BM_vornakchart_line(benchmark::State& state) {
  std::string lines;
  for (int i = 0; i < 200; ++i) lines += samplelines;
  struct nullbuf : std::streambuf {
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
    int overflow(int c) override { return c; }
  } sink;
  std::ostream out(&sink);
  std::ostringstream err;
  std::vector<std::string> args = {"-"};
  if (state.range(0)) args.insert(args.begin(), "--json");
  for (auto _ : state) {
    std::istringstream in(lines);
    benchmark::DoNotOptimize(chartcmd(args, in, out, err));
  }
  state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_vornakchart_line)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
