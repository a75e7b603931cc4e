// vornak-chart's import of births from CSV, on the atlas of
// libtimezonemap-data and Debian's tzdata: each row's chart line or reason,
// and the header's.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "atlas/csvimport.h"
#include "atlas/fold.h"
#include "atlas/geonames.h"
#include "tests/golden.h"

namespace {

// A CSV file, and the status, the chart lines and the messages of its import.
TEST(importcsv, chartlinesandreasons) {
  checktable("csvimport.txt", 1, [](const fields& in) {
    std::istringstream csv(in[0]);
    std::ostringstream out, err;
    const int status = importcsv(csv, out, err, worldatlas());
    return fields{std::to_string(status), out.str(), err.str()};
  });
}

// Every name that GeoNames gives places more than 1 degree apart (as their
// own name or its ASCII spelling, folded), imported bare, is refused; each
// place the refusal lists is imported by the text it is listed as.
TEST(importcsv, sharednamesneverresolvedsilently) {
  atlas& a = worldatlas();
  ASSERT_EQ(a.load(), "");
  const std::string text = readfile(std::string(atlasdir) + "/cities15000.txt");
  std::vector<cityrow> rows;
  ASSERT_EQ(parsecities(text, rows), 0u);
  std::map<std::string, std::vector<const cityrow*>> byname;
  for (const cityrow& r : rows)
    for (const std::string& n : std::set<std::string>{foldtext(r.name), foldtext(r.asciiname)})
      byname[n].push_back(&r);
  const auto apart = [](const cityrow* p, const cityrow* q) {
    const double rad = M_PI / 180;
    const double c =
        std::sin(p->lat * rad) * std::sin(q->lat * rad) +
        std::cos(p->lat * rad) * std::cos(q->lat * rad) * std::cos((p->lon - q->lon) * rad);
    return std::acos(std::min(1.0, c)) / rad > 1;
  };
  importcolumns cols;
  ASSERT_EQ(readheader({"name", "date", "time", "place"}, cols), "");
  size_t shared = 0;
  for (const auto& [name, places] : byname) {
    bool far = false;
    for (size_t i = 0; i < places.size() && !far; ++i)
      for (size_t j = i + 1; j < places.size() && !far; ++j) far = apart(places[i], places[j]);
    if (!far) continue;
    ++shared;
    const std::string bare(places[0]->name);
    const imported r = resolverow(readrow({"X", "2000-07-01", "12:00", bare}, cols), a);
    EXPECT_FALSE(r.ok) << bare << " gave " << r.b.place;
    const civiltime at{2000, 7, 1, 12, 0};
    for (const placeasked& p : askplaces(a.resolve(bare, &at), a, at)) {
      importcolumns withcoords;
      readheader({"name", "date", "time", "place", "lon", "lat"}, withcoords);
      const imported again =
          resolverow(readrow({"X", "2000-07-01", "12:00", p.place, p.lon, p.lat}, withcoords), a);
      EXPECT_TRUE(again.ok && p.place.rfind(again.b.place, 0) == 0)
          << bare << ": " << p.place << " " << p.lon << " " << again.why;
    }
  }
  EXPECT_EQ(shared, 806u);
}

}  // namespace
