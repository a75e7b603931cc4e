// Benchmarks: the chart page written as a PNG, an SVG and a one-page PDF,
// and a PDF of 1,000 charts, each into memory through the page-file writer.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string_view>

#include "chart/chartline.h"
#include "page/pagefile.h"

namespace {

const std::string_view delhi =
    "Delhi Noon UT          Jan 01, 200005:30:00 PM    -05:30077E12'00 28N36'00 "
    "New Delhi               \n";

// One file of n pages of the same chart; the bytes written are counted.
void writepages(benchmark::State& state, pageformat format, int n) {
  lineread r = readchartline(delhi);
  chartstate s = castchart(r.rec);
  pageopts o;
  o.format = format;
  o.path = "-";
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::ostringstream out;
    pagefile f(o, out);
    std::string why;
    f.open(why);
    for (int k = 0; k < n; ++k) f.add(r.rec, s);
    if (!f.finish(why)) state.SkipWithError(why.c_str());
    bytes = out.str().size();
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_page_png(benchmark::State& state) { writepages(state, pageformat::png, 1); }
void BM_page_svg(benchmark::State& state) { writepages(state, pageformat::svg, 1); }
void BM_page_pdf(benchmark::State& state) { writepages(state, pageformat::pdf, 1); }
void BM_pdf_1000(benchmark::State& state) { writepages(state, pageformat::pdf, 1000); }
BENCHMARK(BM_page_png)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_page_svg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_page_pdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_pdf_1000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
