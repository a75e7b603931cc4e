// The atlas: the search and the lookup on the GeoNames files of the Debian
// package libtimezonemap-data; the lines the GeoNames readers refuse and the
// messages for missing and damaged files, on files of the test's own.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "atlas/atlas.h"
#include "atlas/zonefind.h"
#include "tests/golden.h"

namespace fs = std::filesystem;

namespace {

// A search's first place or a lookup's, with its figures; none for no place.
TEST(atlas, searchandlookup) {
  atlas& a = worldatlas();
  ASSERT_EQ(a.load(), "");
  checktable("atlas.txt", 2, [&a](const fields& in) {
    const std::vector<const place*> found = a.search(in[1], 5).places;
    const place* p = in[0] == "lookup" ? a.lookup(in[1]) : found.empty() ? nullptr : found[0];
    char figures[64] = "none";
    if (p)
      std::snprintf(figures, sizeof figures, "%.15g %.15g %ld", p->lat, p->lon,
                    static_cast<long>(p->population));
    return fields{p ? placelabel(*p) + " | " + p->cc + " | " + p->tz : "", figures};
  });
}

// A text resolved as the import takes it, or searched as Find takes it, at
// a local date and time or none: whether it names one place, several that
// it may mean, or none; the candidates (at most six) or the close names.
TEST(atlas, namesresolvedorasked) {
  atlas& a = worldatlas();
  checktable("placenames.txt", 3, [&a](const fields& in) {
    civiltime at{};
    const bool dated = std::sscanf(in[2].c_str(), "%d-%d-%d %d:%d", &at.year, &at.mon, &at.day,
                                   &at.hour, &at.min) == 5;
    const placesfound r = in[0] == "search" ? a.search(in[1], 100, dated ? &at : nullptr)
                                            : a.resolve(in[1], dated ? &at : nullptr);
    const bool none = r.places.empty();
    const std::vector<const place*>& shown = none ? r.close : r.places;
    std::string list;
    const size_t n = none ? shown.size() : r.ambiguous ? std::min<size_t>(r.candidates, 6) : 1;
    for (size_t i = 0; i < n; ++i) list += (i ? " | " : "") + placetext(*shown[i]);
    return fields{none ? "none" : r.ambiguous ? "ambiguous" : "one", list};
  });
}

TEST(atlas, mostpopulousfirst) {
  const auto s = worldatlas().search("s", 50).places;
  ASSERT_EQ(s.size(), 50u);
  EXPECT_EQ(s[0]->name, "Shanghai");
  for (size_t i = 1; i < s.size(); ++i) EXPECT_GE(s[i - 1]->population, s[i]->population);
}

// Every zone the atlas names is in tzdata: the places whose names start
// with a letter or a digit (every place has an ASCII name).
TEST(atlas, everyzoneisintzdata) {
  atlas& a = worldatlas();
  std::set<std::string> zones;
  size_t places = 0;
  for (char c : std::string("abcdefghijklmnopqrstuvwxyz0123456789")) {
    for (const place* p : a.search(std::string(1, c), 100000).places) {
      zones.insert(p->tz);
      ++places;
    }
  }
  EXPECT_GE(places, 23461u);  // alternate names count some places twice
  EXPECT_GT(zones.size(), 300u);
  for (const std::string& tz : zones)
    EXPECT_NE(findzone(tz, 0, 2000, 6, 1, 12, 0).kind, zonefound::failed) << tz;
}

// A folder of atlas files of the test's own, removed at the end: India, its
// state Tamil Nadu, and Chennai and Madurai there.
class atlasfiles : public ::testing::Test {
 protected:
  fs::path dir = fs::temp_directory_path() / ("vornak-atlas-" + std::to_string(::getpid()));
  void SetUp() override {
    fs::create_directories(dir);
    write("countryInfo.txt",
          "#ISO\tISO3\tISO-Numeric\tfips\tCountry\n"
          "IN\tIND\t356\tIN\tIndia" +
              std::string(14, '\t') + "\n");
    write("admin1Codes.txt", "IN.25\tTamil Nadu\tTamil Nadu\t1255053\n");
    write("cities15000.txt", city("Chennai") + city("Madurai"));
  }
  void TearDown() override { fs::remove_all(dir); }
  void write(const char* name, const std::string& text) {
    std::ofstream(dir / name, std::ios::binary) << text;
  }
  // A line of the places' file; a place of Tamil Nadu when cc is IN.
  static std::string city(const std::string& name, const char* lat = "13.08784",
                          const char* lon = "80.27847", const char* cc = "IN") {
    return "1\t" + name + "\t" + name + "\t\t" + lat + "\t" + lon + "\tP\tPPLA\t" + cc +
           "\t\t25\t\t\t\t1000\t\t14\tAsia/Kolkata\t2014-10-14\n";
  }
  std::string path(const char* name) const { return (dir / name).string(); }
};

TEST_F(atlasfiles, missingfilenamesthepackage) {
  fs::remove(dir / "cities15000.txt");
  atlas a(dir.string());
  EXPECT_EQ(a.load(), "The place atlas cannot be read: " + path("cities15000.txt") +
                          " is missing. It comes with the Debian package libtimezonemap-data; "
                          "until that is installed, enter the place by hand.");
  EXPECT_TRUE(a.search("chennai", 5).places.empty());
  EXPECT_EQ(a.lookup("Chennai"), nullptr);
}

// One of the files written anew: the atlas reads it, Chennai is found, or
// load names the line refused and nothing is found. The country codes are
// two capitals; only the countries' file has comments; a state's code may
// have one digit.
TEST_F(atlasfiles, readsorsayswhichlineisdamaged) {
  const char *countries = "countryInfo.txt", *states = "admin1Codes.txt",
             *cities = "cities15000.txt";
  const std::string chennai = city("Chennai");
  const struct {
    const char* file;
    std::string text;
    int line;  // the line refused, 0 for none
  } cases[] = {
      {states, "IN.25\tTamil Nadu\tTamil Nadu\t1255053\n", 0},  // as set up
      {cities, "\n" + std::string(chennai).insert(chennai.size() - 1, "\r"), 0},
      {cities, chennai + "1\tMadurai\tMadurai\n", 2},   // short
      {cities, chennai + city("Madurai", "north"), 2},  // no latitude
      {cities, chennai + city("Madurai", ""), 2},
      {cities, "", 1},
      {cities, chennai + city("Pune", "90", "180", "ZA"), 0},
      {cities, chennai + city("Pune", "-90", "-180", "AZ"), 0},
      {cities, chennai + city("Pune", "90.01", "0"), 2},
      {cities, chennai + city("Pune", "-90.01", "0"), 2},
      {cities, chennai + city("Pune", "0", "180.01"), 2},
      {cities, chennai + city("Pune", "0", "-180.01"), 2},
      {cities, chennai + city("Pune", "0", "0", "I"), 2},
      {cities, chennai + city("Pune", "0", "0", "IND"), 2},
      {cities, chennai + city("Pune", "0", "0", "@N"), 2},
      {cities, chennai + city("Pune", "0", "0", "[N"), 2},
      {cities, chennai + city("Pune", "0", "0", "I@"), 2},
      {cities, chennai + city("Pune", "0", "0", "I["), 2},
      {cities, chennai + "# Pune\n", 2},
      {states, "IN.7\tDelhi\tDelhi\t1273293\n# Delhi\n", 2},
      {states, "IN.25 Tamil Nadu\n", 1},
      {countries, "# only comments\n", 1},
      {countries, "IN\tIND\t356\tIN\tIndia" + std::string(14, '\t') + "\r\n", 0},
      {countries,
       "# ISO\nIN\tIND\t356\tIN\tIndia" + std::string(14, '\t') + "\nIND\tIND\t356\tIN\tIndia" +
           std::string(14, '\t') + "\n",
       3},
      // A file cut off within its last line, or a line of too many fields.
      {cities, chennai + chennai.substr(0, 40), 2},
      {states, "IN.25\tTamil Nadu\tTamil Nadu\t1255053", 1},
      {countries, "IN\tIND\t356\tIN\tIndia" + std::string(15, '\t') + "\n", 1},
  };
  for (const auto& c : cases) {
    SetUp();
    write(c.file, c.text);
    atlas a(dir.string());
    EXPECT_EQ(a.load(), c.line ? "The place atlas is damaged: line " + std::to_string(c.line) +
                                     " of " + path(c.file) +
                                     " is not what the file should hold. Reinstall the Debian "
                                     "package libtimezonemap-data; until then, enter the place "
                                     "by hand."
                               : "")
        << c.file << " " << c.text;
    std::string found;
    for (const place* p : a.search("chennai", 5).places) found += p->name + " " + p->tz + "\n";
    EXPECT_EQ(found, c.line ? "" : "Chennai Asia/Kolkata\n") << c.text;
  }
}

}  // namespace
