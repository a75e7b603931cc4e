// The dialog's Find: the fields for a chosen place, the zone that follows
// the date and time, and the question before a far zone is committed. The
// places are the atlas's own figures; the zones come from tzdata.
#include <gtest/gtest.h>

#include <string>

#include "atlas/placefill.h"
#include "chart/chartline.h"
#include "tests/golden.h"

namespace {

// clang-format off
const place chennai{"Chennai", "Tamil Nadu", "India", "IN", 13.08784, 80.27847,
                    "Asia/Kolkata", 4328063};
const place newyork{"New York City", "New York", "United States", "US", 40.71427, -74.00597,
                    "America/New_York", 8804190};
const place saopaulo{"São Paulo", "", "Brazil", "BR", -23.5475, -46.63611,
                     "America/Sao_Paulo", 10021295};
const place apia{"Apia", "", "Samoa", "WS", -13.83333, -171.76666, "Pacific/Apia", 40407};
const place petersburg{"Санкт-Петербург", "", "Russia", "RU", 59.93863, 30.31413,
                       "Europe/Moscow", 5351935};
// clang-format on

// Entries with a date and time typed, the zone fields as a user left them.
entries at(int mon, const char* day, const char* year, const char* hour, const char* min) {
  entries e;
  e.mon = mon - 1;
  e.day = day;
  e.year = year;
  e.hour = hour;
  e.min = min;
  e.zhour = "9";
  e.zmin = "9";
  return e;
}

// The zone fields as the dialog shows them: "- 6:30".
std::string zonefields(const entries& e) {
  return std::string(e.zone ? "- " : "+ ") + e.zhour + ":" + e.zmin;
}

// A place chosen for a date and time typed (month, day, year, hour, minute):
// the kind of step and its message, the fields and the note.
TEST(chooseplace, fillsorrefuses) {
  checktable("chooseplace.txt", 6, [](const fields& in) {
    const place* p = in[0] == "Chennai"     ? &chennai
                     : in[0] == "New York"  ? &newyork
                     : in[0] == "Sao Paulo" ? &saopaulo
                     : in[0] == "Apia"      ? &apia
                                            : &petersburg;
    entries e = at(std::stoi(in[1]), in[2].c_str(), in[3].c_str(), in[4].c_str(), in[5].c_str());
    zonefollow f;
    const zonestep s = chooseplace(e, f, *p);
    return fields{s.kind == zonestep::filled ? "filled" : "refused",
                  s.message,
                  e.place,
                  e.lond + (e.lonew ? " E " : " W ") + e.lonm,
                  e.latd + (e.latns ? " S " : " N ") + e.latm,
                  zonefields(e),
                  f.note,
                  f.on ? "following" : "off"};
  });
}

TEST(followzone, givesthezoneofeachnewdateandtime) {
  entries e = at(1, "4", "1990", "14", "10");
  zonefollow f;
  chooseplace(e, f, newyork);
  EXPECT_EQ(zonefields(e), "+ 5:0");
  e.mon = 6;  // July
  EXPECT_EQ(followzone(e, f).kind, zonestep::filled);
  EXPECT_EQ(zonefields(e), "+ 4:0");
  e.year = "19";  // being typed: the zone stays
  EXPECT_EQ(followzone(e, f).kind, zonestep::refused);
  EXPECT_EQ(zonefields(e), "+ 4:0");
  e.year = "1850";  // before standard time: the mean time of the fields' longitude
  e.lond = "73";
  followzone(e, f);
  EXPECT_EQ(zonefields(e), "+ 4:52");
  EXPECT_EQ(f.note, "Zone: America/New_York, local mean time at 73W00");
  e.lond = "300";  // out of range: the place's own
  followzone(e, f);
  EXPECT_EQ(zonefields(e), "+ 4:56");
  f.on = false;  // the user typed into a zone field
  e.year = "1990";
  EXPECT_EQ(followzone(e, f).kind, zonestep::off);
  EXPECT_EQ(zonefields(e), "+ 4:56");
}

TEST(followzone, repeatedtimeischosenandkeptforthattime) {
  entries e = at(11, "7", "2021", "1", "30");
  zonefollow f;
  const zonestep s = chooseplace(e, f, newyork);
  ASSERT_EQ(s.kind, zonestep::choose);
  ASSERT_EQ(s.offsets.size(), 2u);
  EXPECT_EQ(s.offsets[0].label, "daylight time + 04:00");
  EXPECT_EQ(s.offsets[1].label, "standard time + 05:00");
  EXPECT_EQ(zonefields(e), "+ 9:9");
  EXPECT_EQ(f.note, "Zone: America/New_York, the time came twice: OK asks which");
  EXPECT_EQ(putzone(e, f, s.offsets[1]).kind, zonestep::filled);
  EXPECT_EQ(zonefields(e), "+ 5:0");
  EXPECT_EQ(followzone(e, f).kind, zonestep::filled);  // the same time: the choice holds
  EXPECT_EQ(zonefields(e), "+ 5:0");
  e.min = "45";  // another time that came twice: asked again
  EXPECT_EQ(followzone(e, f).kind, zonestep::choose);
  e.hour = "3";
  EXPECT_EQ(followzone(e, f).kind, zonestep::filled);
  EXPECT_EQ(zonefields(e), "+ 5:0");
}

// Asked only when the zone is far from the mean time: Pune with the zone's
// sign reversed, and as it should be.
TEST(zonequestion, asksonlywhenthezoneisfarfromthemeantime) {
  birthdata b =
      readchartline("Vil                    Mar 14, 198706:05:00 PM    +05:30073E51'00 18N30'00 P")
          .rec;
  EXPECT_EQ(zonequestion(b),
            "Zone + 05:30 is 10 h 25 min from the local mean time at 73E51 (- 04:55). Use it "
            "anyway?");
  b.zeast = true;
  EXPECT_EQ(zonequestion(b), "");
}

TEST(wrapped, breaksatblanksonly) {
  checktable("wrapped.txt", 2,
             [](const fields& in) { return fields{wrapped(in[0], std::stoul(in[1]))}; });
}

}  // namespace
