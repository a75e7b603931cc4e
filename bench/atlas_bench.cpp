// Benchmarks of the atlas: reading it on first use, a search per keystroke
// over every name and alternate name, and the zone of a place at a time.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "atlas/atlas.h"
#include "atlas/zonefind.h"

namespace {

// Reading the three GeoNames files and indexing their names, as on the
// first use of the atlas (the files in the page cache).
void BM_atlas_load(benchmark::State& state) {
  for (auto _ : state) {
    atlas a;
    benchmark::DoNotOptimize(a.load());
  }
}
BENCHMARK(BM_atlas_load)->Unit(benchmark::kMillisecond);

// One search per keystroke while typing a few place names, the atlas
// already read: each pass is one search, of the next prefix in turn. Some
// names are misspelt, so that their later prefixes find nothing and get
// the places of close names.
void BM_atlas_keystroke(benchmark::State& state) {
  std::vector<std::string> prefixes;
  for (std::string t : {"madras", "chennai", "sao paulo", "new york", "pune", "berlin", "amsterdam",
                        "kolkata", "banglore", "thessalonikki", "frankfurt oder", "salem"})
    for (size_t n = 1; n <= t.size(); ++n) prefixes.push_back(t.substr(0, n));
  atlas& a = worldatlas();
  a.load();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(a.search(prefixes[i], 50));
    i = (i + 1) % prefixes.size();
  }
}
BENCHMARK(BM_atlas_keystroke)->Unit(benchmark::kMillisecond);

// The slowest keystrokes: texts that find nothing, each getting the places
// of close names.
void BM_atlas_nothingfound(benchmark::State& state) {
  const std::vector<std::string> texts = {"banglore", "thessalonikki", "xqzv",
                                          "mumbaii",  "frnakfurt",     "s\xc3\xa3o paolo x"};
  atlas& a = worldatlas();
  a.load();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(a.search(texts[i], 50));
    i = (i + 1) % texts.size();
  }
}
BENCHMARK(BM_atlas_nothingfound)->Unit(benchmark::kMillisecond);

// An import row's place: a whole name resolved, with its candidates'
// zones compared at the row's date.
void BM_atlas_resolve(benchmark::State& state) {
  const std::vector<std::string> texts = {"Salem", "Pune", "Hyderabad, Andhra Pradesh",
                                          "Windsor, CA", "Banglore"};
  const civiltime at{1990, 1, 1, 12, 0};
  atlas& a = worldatlas();
  a.load();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(a.resolve(texts[i], &at));
    i = (i + 1) % texts.size();
  }
}
BENCHMARK(BM_atlas_resolve)->Unit(benchmark::kMillisecond);

// The zone of Chennai at a local time in war time, the zone data cached.
void BM_findzone(benchmark::State& state) {
  int min = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(findzone("Asia/Kolkata", 80.27847, 1943, 8, 12, 6, min));
    min = (min + 1) % 60;
  }
}
BENCHMARK(BM_findzone)->Unit(benchmark::kMicrosecond);

}  // namespace
