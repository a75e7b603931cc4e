// The dialog's Find: the fields for a chosen place, the zone that follows
// the date and time, and the question before a far zone is committed. The
// places are the atlas's own figures; the zones come from tzdata.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "atlas/placefill.h"
#include "chart/chartline.h"
#include "tests/golden.h"

namespace {

// The places Find chooses in the steps, by country.
// clang-format off
const std::map<std::string, place> places = {
    {"India", {"Chennai", "Tamil Nadu", "India", "IN", 13.08784, 80.27847, "Asia/Kolkata",
               4328063}},
    {"United States", {"New York City", "New York", "United States", "US", 40.71427, -74.00597,
                       "America/New_York", 8804190}},
    {"Brazil", {"São Paulo", "", "Brazil", "BR", -23.5475, -46.63611, "America/Sao_Paulo",
                10021295}},
    {"Samoa", {"Apia", "", "Samoa", "WS", -13.83333, -171.76666, "Pacific/Apia", 40407}},
    {"Russia", {"Санкт-Петербург", "", "Russia", "RU", 59.93863, 30.31413, "Europe/Moscow",
                5351935}},
    // On the prime meridian: a record of the tests' own.
    {"United Kingdom", {"Greenwich", "England", "United Kingdom", "GB", 51.47783, 0.0,
                        "Europe/London", 287942}},
};
// clang-format on

// The text of a choice's item: 0 the first, 1 the second; no other.
std::string item(int i, const char* first, const char* second) {
  return i == 0 ? first : i == 1 ? second : "item " + std::to_string(i);
}

// Steps on one dialog, and what it shows after each: the kind of step and its
// message, the fields, the note and the offsets offered.
TEST(chooseplace, fillsandfollowsthezone) {
  entries e;
  zonefollow f;
  zonestep s;
  checktable("chooseplace.txt", 2, [&](const fields& in) {
    if (in[0] == "typed") {  // month, day, year, hour and minute; zone 9:9
      e = entries();
      std::istringstream(in[1]) >> e.mon >> e.day >> e.year >> e.hour >> e.min;
      e.mon -= 1;
      e.zhour = e.zmin = "9";
      return fields{};
    }
    if (in[0] == "off") {  // the user typed into a zone field
      f.on = false;
      return fields{};
    }
    if (in[0] == "find") {
      s = chooseplace(e, f, places.at(in[1]));
    } else if (in[0] == "put") {  // the offset of that number (from 1)
      const zoneoffset o = s.offsets.at(std::stoul(in[1]) - 1);
      s = putzone(e, f, o);
    } else {
      if (in[0] == "mon") e.mon = std::stoi(in[1]) - 1;
      std::string* typed = in[0] == "year"   ? &e.year
                           : in[0] == "hour" ? &e.hour
                           : in[0] == "min"  ? &e.min
                           : in[0] == "lond" ? &e.lond
                           : in[0] == "lonm" ? &e.lonm
                                             : nullptr;
      if (typed) *typed = in[1];
      s = followzone(e, f);
    }
    const char* const kinds[] = {"filled", "choose", "refused", "off"};
    fields shown{kinds[s.kind],
                 s.message,
                 e.place,
                 e.lond + item(e.lonew, " W ", " E ") + e.lonm,
                 e.latd + item(e.latns, " N ", " S ") + e.latm,
                 item(e.zone, "+ ", "- ") + e.zhour + ":" + e.zmin,
                 f.note,
                 f.on ? "following" : "off"};
    for (const zoneoffset& o : s.offsets) shown.push_back(o.label);
    return shown;
  });
  // The largest zone a chart holds is no refusal; Samoa's 13 hours are.
  EXPECT_EQ(beyondzone({12 * 60 + 59, "", "", "", ""}, birthdata()), "");
}

// A chart line, and the question asked before it is committed.
TEST(zonequestion, asksonlywhenthezoneisfarfromthemeantime) {
  checktable("atlas-zonequestion.txt", 1,
             [](const fields& in) { return fields{zonequestion(readchartline(in[0]).rec)}; });
}

TEST(wrapped, breaksatblanksonly) {
  checktable("wrapped.txt", 2,
             [](const fields& in) { return fields{wrapped(in[0], std::stoul(in[1]))}; });
}

}  // namespace
