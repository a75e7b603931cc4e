// Benchmarks of the atlas: reading it on first use, a search per keystroke
// over every name and alternate name, the place nearest to coordinates, and
// the zone of a place at a time.
#include <benchmark/benchmark.h>

#include <iterator>
#include <string>
#include <vector>

#include "atlas/atlas.h"
#include "atlas/coords.h"
#include "atlas/nearest.h"
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
// Reading the atlas and sorting its places by latitude, as on the first
// coordinates typed in a run.
void BM_atlas_loadnearest(benchmark::State& state) {
  for (auto _ : state) {
    atlas a;
    benchmark::DoNotOptimize(a.nearest(18.5, 73.8));
  }
}
BENCHMARK(BM_atlas_loadnearest)->Unit(benchmark::kMillisecond);

// Points for the nearest place: among many places (Pune), on a border
// (India and Nepal), and far from any in the Pacific and the Southern
// Ocean, where the search walks furthest. (At a pole the first place
// examined is the nearest.)
const double points[][2] = {{18.5, 73.8}, {26.9, 84.9}, {0, -150}, {30.5, 172.5}, {-60, 100}};

// One nearest place, the points in turn.
void BM_nearest(benchmark::State& state) {
  atlas& a = worldatlas();
  a.nearest(0, 0);
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(a.nearest(points[i][0], points[i][1]));
    i = (i + 1) % std::size(points);
  }
}
BENCHMARK(BM_nearest)->Unit(benchmark::kMicrosecond);

// The worst point of 20,000 at random: in the Pacific north of the
// Marshall Islands, 2,600 km from Majuro, the nearest place; the search
// looks at every place within 23 degrees of its latitude.
void BM_nearest_worst(benchmark::State& state) {
  atlas& a = worldatlas();
  a.nearest(0, 0);
  for (auto _ : state) benchmark::DoNotOptimize(a.nearest(30.5, 172.5));
}
BENCHMARK(BM_nearest_worst)->Unit(benchmark::kMillisecond);

// A keystroke of coordinates in Find: each prefix of "26 54N 84 54E" read,
// and when it is coordinates, the nearest place; then what the dialog does
// with them, the places within 100 km and their zones compared at a time.
void BM_coords_keystroke(benchmark::State& state) {
  const std::string typed = "26 54N 84 54E";
  atlas& a = worldatlas();
  a.nearest(0, 0);
  size_t n = 1;
  for (auto _ : state) {
    double lat = 0, lon = 0;
    if (readcoords(typed.substr(0, n), lat, lon)) {
      const nearzones z = nearzonesof(a, lat, lon);
      benchmark::DoNotOptimize(zonesdiffer(z, 1990, 1, 1, 12, 0));
    }
    n = n % typed.size() + 1;
  }
}
BENCHMARK(BM_coords_keystroke)->Unit(benchmark::kMillisecond);

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
