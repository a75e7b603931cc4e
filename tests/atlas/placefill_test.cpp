// The dialog's Find: the fields for a chosen place, the zone that follows
// the date and time, and the question before a far zone is committed. The
// places are the atlas's own figures; the zones come from tzdata.
#include <gtest/gtest.h>

#include <string>

#include "atlas/placefill.h"

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

TEST(chooseplace, fillsplacecoordinatesandzone) {
  const struct {
    const place* p;
    entries e;
    const char* name;
    const char* lon;  // degrees W/E minutes, as the fields hold them
    const char* lat;
    const char* zone;
    const char* note;
  } cases[] = {
      {&chennai, at(8, "12", "1943", "6", "35"), "Chennai", "80 E 17", "13 N 5", "- 6:30",
       "Zone: Asia/Kolkata, war time"},
      {&newyork, at(7, "4", "1990", "14", "10"), "New York City", "74 W 0", "40 N 43", "+ 4:0",
       "Zone: America/New_York, daylight time"},
      {&saopaulo, at(1, "15", "1970", "12", "0"), "São Paulo", "46 W 38", "23 S 33", "+ 3:0",
       "Zone: America/Sao_Paulo, standard time"},
      // Cut to 23 bytes between two letters of two bytes each.
      {&petersburg, at(1, "1", "2000", "12", "0"), "Санкт-Петерб", "30 E 19", "59 N 56", "- 3:0",
       "Zone: Europe/Moscow, standard time"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.p->name);
    entries e = c.e;
    zonefollow f;
    const zonestep s = chooseplace(e, f, *c.p);
    EXPECT_EQ(s.kind, zonestep::filled) << s.message;
    EXPECT_EQ(e.place, c.name);
    EXPECT_EQ(e.lond + (e.lonew ? " E " : " W ") + e.lonm, c.lon);
    EXPECT_EQ(e.latd + (e.latns ? " S " : " N ") + e.latm, c.lat);
    EXPECT_EQ(zonefields(e), c.zone);
    EXPECT_EQ(f.note, c.note);
  }
}

TEST(chooseplace, refusesaswhatcannotbefilled) {
  const struct {
    const place* p;
    entries e;
    const char* message;
    const char* note;
  } cases[] = {
      {&chennai, at(1, "1", "", "", ""), "Enter year between\n1600-2400.",
       "Zone: Asia/Kolkata, once the date and time are valid"},
      {&chennai, at(1, "1", "1990", "24", "0"), "Enter hour between\n0-23",
       "Zone: Asia/Kolkata, once the date and time are valid"},
      {&newyork, at(3, "14", "2021", "2", "30"),
       "There was no 02:30 on 14 Mar 2021 in America/New_York: at 02:00 the clocks moved "
       "forward to 03:00, from EST (standard time + 05:00) to EDT (daylight time + 04:00).",
       "Zone: America/New_York, no such time: the clocks moved forward"},
      // Samoa at UT+13.
      {&apia, at(6, "1", "2015", "10", "0"),
       "Zone - 13:00 (Pacific/Apia, standard time) is beyond the 12 hours that a chart holds: "
       "enter the time in Universal Time, May 31, 2015 21:00, with zone + 00:00.",
       "Zone: Pacific/Apia, - 13:00, beyond 12 hours"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    entries e = c.e;
    zonefollow f;
    const zonestep s = chooseplace(e, f, *c.p);
    EXPECT_EQ(s.kind, zonestep::refused);
    EXPECT_EQ(s.message, c.message);
    EXPECT_EQ(zonefields(e), "+ 9:9");  // as the user left them
    EXPECT_EQ(f.note, c.note);
    EXPECT_TRUE(f.on);
  }
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

TEST(zonequestion, asksonlywhenthezoneisfarfromthemeantime) {
  const struct {
    bool zeast;
    int zhour, zmin;
    bool loneast;
    int londg, lonmn;
    const char* question;
  } cases[] = {
      {false, 5, 30, true, 73, 51,  // Pune with the sign reversed
       "Zone + 05:30 is 10 h 25 min from the local mean time at 73E51 (- 04:55). Use it "
       "anyway?"},
      {true, 5, 30, true, 73, 51, ""},
  };
  for (const auto& c : cases) {
    birthdata b;
    b.zeast = c.zeast;
    b.zhour = c.zhour;
    b.zmin = c.zmin;
    b.loneast = c.loneast;
    b.londg = c.londg;
    b.lonmn = c.lonmn;
    EXPECT_EQ(zonequestion(b), c.question) << c.zhour << " " << c.londg;
  }
}

TEST(wrapped, breaksatblanksonly) {
  const struct {
    const char* text;
    size_t width;
    const char* lines;
  } cases[] = {
      {"Use it anyway?", 20, "Use it anyway?"},
      {"Zone + 05:30 is 10 h 25 min", 12, "Zone + 05:30\nis 10 h 25\nmin"},
      {"at 73E51 (- 04:55). Use", 12, "at 73E51\n(- 04:55).\nUse"},
      {"a - b", 3, "a\n- b"},
      {"Enter year between\n1600-2400.", 40, "Enter year between\n1600-2400."},
      {"at America/Argentina/Buenos_Aires now", 10, "at\nAmerica/Argentina/Buenos_Aires\nnow"},
      {"São Paulo é", 11, "São Paulo é"},  // characters, not bytes
      {"", 10, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(wrapped(c.text, c.width), c.lines) << c.text;
}

}  // namespace
