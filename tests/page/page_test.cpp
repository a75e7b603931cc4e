// The chart page drawn through the recording canvas.
#include "page/page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

using lines = std::vector<std::string>;

namespace {

// A point in most kinds of place: the ascendant and Venus (13Ar20) in Aries,
// the Sun with negative motion but unmarked, a retrograde Moon at 21599,
// retrograde Mars at the start of Leo, Mercury at 3Le07, Jupiter at the start
// of Gemini, retrograde Saturn at 4Cp59, the nodes with negative motion.
chartstate sample() {
  chartstate s;
  s.jd = 2451545.25;
  const int tpos[nbody] = {1265, 5999, 21599, 7200, 7387, 3600, 800, 16499, 10000, 20800};
  const int tsp[nbody] = {0, -3600, -1000, -100, 4000, 300, 3600, -20, -190, -190};
  std::memcpy(s.tpos, tpos, sizeof tpos);
  std::memcpy(s.tsp, tsp, sizeof tsp);
  return s;
}

// Nine points in Aries, Ketu in Libra, Venus retrograde.
chartstate crowded() {
  chartstate s;
  for (int i = 0; i < nbody; ++i) s.tpos[i] = 100 * i;
  s.tpos[9] = 10800;
  s.tsp[6] = -1;
  return s;
}

birthdata delhi() {
  birthdata b;
  std::strcpy(b.name, "Test Chart");
  std::strcpy(b.place, "Delhi");
  std::strcpy(b.dtstr, "Mar 7, 1984 14:05 Zone: 05:30");
  b.londg = 77;
  b.lonmn = 13;
  b.loneast = true;
  b.latdg = 28;
  b.latmn = 39;
  return b;
}

// The text entries of a drawing, from entry `from` on.
lines texts(void (*draw)(canvas&, const chartstate&, int, int), const chartstate& s,
            size_t from = 0) {
  recorder r;
  draw(r, s, 0, 0);
  lines out;
  for (const std::string& l : r.log)
    if (l.compare(0, 5, "text ") == 0) out.push_back(l);
  return lines(out.begin() + std::min(from, out.size()), out.end());
}

}  // namespace

TEST(south, GridAndPointsOfASampleChart) {
  recorder r;
  draw_south_chart(r, sample(), 8, 52);
  EXPECT_EQ(r.log, (lines{
      "color 56",
      "line 8 52 368 52", "line 8 52 8 412", "line 8 412 368 412", "line 368 52 368 412",
      "line 98 52 98 412", "line 8 142 368 142", "line 278 52 278 412", "line 8 322 368 322",
      "line 188 52 188 142", "line 188 322 188 412", "line 8 232 98 232", "line 278 232 368 232",
      "text \"As 21\" 102 66", "text \"Ve 13\" 102 78", "text \"Ju 0\" 282 66",
      "text \"Su 9\" 282 156", "text \"MaR 0\" 282 246", "text \"Me 3\" 282 258",
      "text \"Ra 16\" 282 336", "text \"SaR 4\" 12 246", "text \"MoR 29\" 12 66",
      "text \"Ke 16\" 12 78"}));
}

TEST(south, EachSignsCellAndItsNineSlots) {
  // The ascendant walks Aries..Aquarius, the others stay in Pisces: the
  // ascendant's text marks each cell's first slot.
  lines first;
  for (int sg = 0; sg < 11; ++sg) {
    chartstate s;
    for (int i = 0; i < nbody; ++i) s.tpos[i] = 11 * 1800 + 60 * i;
    s.tpos[0] = sg * 1800;
    first.push_back(texts(draw_south_chart, s)[0]);
  }
  EXPECT_EQ(first, (lines{
      "text \"As 0\" 94 14", "text \"As 0\" 184 14", "text \"As 0\" 274 14",
      "text \"As 0\" 274 104", "text \"As 0\" 274 194", "text \"As 0\" 274 284",
      "text \"As 0\" 184 284", "text \"As 0\" 94 284", "text \"As 0\" 4 284",
      "text \"As 0\" 4 194", "text \"As 0\" 4 104"}));
  // Nine points in one cell: five in the left column, four in the right.
  EXPECT_EQ(texts(draw_south_chart, crowded()), (lines{
      "text \"As 0\" 94 14", "text \"Su 1\" 94 26", "text \"Mo 3\" 94 38",
      "text \"Ma 5\" 94 50", "text \"Me 6\" 94 62", "text \"Ju 8\" 138 14",
      "text \"VeR 10\" 138 26", "text \"Sa 11\" 138 38", "text \"Ra 13\" 138 50",
      "text \"Ke 0\" 184 284"}));
}

// A chart state not made by the engine can put all ten points in one sign;
// both charts stop at the nine slots instead of reading past their tables.
TEST(south, TenPointsInOneSignStopAtNineSlots) {
  lines t = texts(draw_south_chart, chartstate());
  ASSERT_EQ(t.size(), 9u);
  EXPECT_EQ(t.back(), "text \"Ra 0\" 138 50");
  t = texts(draw_north_chart, chartstate());
  ASSERT_EQ(t.size(), 12u + 9u);
  EXPECT_EQ(t.back(), "text \"Ra 0\" 164 148");
}

TEST(north, GridNumbersAndPointsOfASampleChart) {
  recorder r;
  draw_north_chart(r, sample(), 8, 52);
  EXPECT_EQ(r.log, (lines{
      "color 56",
      "line 8 52 368 52", "line 8 52 8 412", "line 8 412 368 412", "line 368 52 368 412",
      "line 8 52 367 411", "line 8 411 367 52", "line 188 52 8 232", "line 8 232 188 411",
      "line 188 411 367 232", "line 188 52 367 232",
      "text \"1\" 108 148", "text \"2\" 26 66", "text \"3\" 12 82", "text \"4\" 26 236",
      "text \"5\" 12 262", "text \"6\" 26 408", "text \"7\" 108 328", "text \"8\" 206 408",
      "text \"9\" 288 328", "text \"10\" 206 236", "text \"11\" 288 148",
      "text \"12\" 206 66",
      "text \"As 21\" 172 104", "text \"Ve 13\" 172 116", "text \"Ju 0\" 12 104",
      "text \"Su 9\" 82 196", "text \"MaR 0\" 12 284", "text \"Me 3\" 12 296",
      "text \"Ra 16\" 68 384", "text \"SaR 4\" 262 196", "text \"MoR 29\" 224 68",
      "text \"Ke 16\" 264 68"}));
}

TEST(north, AscendantInPiscesTurnsTheSigns) {
  chartstate s;
  s.tpos[0] = 11 * 1800 + 600;                           // Pisces 10
  s.tpos[1] = 11 * 1800 + 900;                           // Sun with it: first house
  s.tpos[2] = 10 * 1800 + 60;                            // Moon in Aquarius: twelfth
  s.tpos[3] = 0;                                         // Mars in Aries: second
  for (int i = 4; i < nbody; ++i) s.tpos[i] = 5 * 1800;  // Virgo: seventh
  s.tpos[9] = 11 * 1800;                                 // Ketu at 0 Pisces
  s.tsp[2] = -5;
  EXPECT_EQ(texts(draw_north_chart, s), (lines{
      "text \"12\" 100 96", "text \"1\" 18 14", "text \"2\" 4 30", "text \"3\" 18 184",
      "text \"4\" 4 210", "text \"5\" 18 356", "text \"6\" 100 276", "text \"7\" 198 356",
      "text \"8\" 280 276", "text \"9\" 198 184", "text \"10\" 280 96", "text \"11\" 198 14",
      "text \"As 10\" 164 52", "text \"Su 15\" 164 64", "text \"Ke 0\" 164 76",
      "text \"Ma 0\" 36 16", "text \"Me 0\" 164 232", "text \"Ju 0\" 164 244",
      "text \"Ve 0\" 164 256", "text \"Sa 0\" 164 268", "text \"Ra 0\" 164 280",
      "text \"MoR 1\" 216 16"}));
}

TEST(north, NinePointsFillTheFirstHouseColumn) {
  EXPECT_EQ(texts(draw_north_chart, crowded(), 12), (lines{
      "text \"As 0\" 164 52", "text \"Su 1\" 164 64", "text \"Mo 3\" 164 76",
      "text \"Ma 5\" 164 88", "text \"Me 6\" 164 100", "text \"Ju 8\" 164 112",
      "text \"VeR 10\" 164 124", "text \"Sa 11\" 164 136", "text \"Ra 13\" 164 148",
      "text \"Ke 0\" 164 232"}));
}

TEST(table, PositionTableAndNavamshaRow) {
  recorder r;
  draw_planet_info(r, sample(), 8, 420);
  EXPECT_EQ(r.log, (lines{
      "text \"As\" 8 432", "text \"21Ar05\" 38 432", "text \"Bharani\" 88 432",
      "text \"Su\" 8 444", "text \" 9Cn59\" 38 444", "text \"Pushya\" 88 444",
      "text \"MoR\" 8 456", "text \"29Pi59\" 38 456", "text \"Revati\" 88 456",
      "text \"MaR\" 8 468", "text \" 0Le00\" 38 468", "text \"Magha\" 88 468",
      "text \"Me\" 8 480", "text \" 3Le07\" 38 480", "text \"Magha\" 88 480",
      "text \"Ju\" 188 432", "text \" 0Ge00\" 218 432", "text \"Mrigsira\" 268 432",
      "text \"Ve\" 188 444", "text \"13Ar20\" 218 444", "text \"Bharani\" 268 444",
      "text \"SaR\" 188 456", "text \" 4Cp59\" 218 456", "text \"U.Shadya\" 268 456",
      "text \"Ra\" 188 468", "text \"16Vi40\" 218 468", "text \"Hasta\" 268 468",
      "text \"Ke\" 188 480", "text \"16Pi40\" 218 480", "text \"Revati\" 268 480"}));
  recorder n;
  draw_navamsha(n, sample(), 8, 490);
  EXPECT_EQ(n.log, (lines{
      "text \"Navamsha Signs:\" 8 502",
      "text \"As:7 \" 8 514", "text \"Su:6 \" 44 514", "text \"Mo:12 \" 80 514",
      "text \"Ma:1 \" 116 514", "text \"Me:1 \" 152 514", "text \"Ju:7 \" 188 514",
      "text \"Ve:5 \" 224 514", "text \"Sa:11 \" 260 514", "text \"Ra:3 \" 296 514",
      "text \"Ke:9 \" 332 514"}));
  EXPECT_EQ(texts(draw_navamsha, chartstate())[1], "text \"As:1 \" 0 24");
}

TEST(info, HeaderLines) {
  recorder r;
  draw_info(r, delhi(), 8, 12);
  EXPECT_EQ(r.log, (lines{"color 56", "text \"Test Chart\" 8 12",
                          "text \"Mar 7, 1984 14:05 Zone: 05:30\" 8 26",
                          "text \"Delhi  77E13 28N39\" 8 40"}));
  birthdata b;
  std::strcpy(b.place, "Nowhere");
  recorder z;
  draw_info(z, b, 0, 0);
  EXPECT_EQ(z.log[3], "text \"Nowhere   0W00  0N00\" 0 28");
  b.loneast = b.latsouth = true;
  b.londg = 179;
  b.lonmn = 59;
  b.latdg = 89;
  b.latmn = 5;
  recorder w;
  draw_info(w, b, 0, 0);
  EXPECT_EQ(w.log[3], "text \"Nowhere 179E59 89S05\" 0 28");
}

// A record read from a foreign chart line may hold unterminated texts and
// numbers of any size: every text stays inside its field and its buffer.
TEST(info, UnvalidatedRecordStaysBounded) {
  birthdata b;
  std::memset(b.name, 'N', sizeof b.name);
  std::memset(b.place, 'P', sizeof b.place);
  std::memset(b.dtstr, 'D', sizeof b.dtstr);
  b.londg = b.lonmn = -2147483647 - 1;
  b.latdg = b.latmn = 2147483647;
  recorder r;
  draw_info(r, b, 0, 0);
  EXPECT_EQ(r.log, (lines{"color 56", "text \"" + std::string(24, 'N') + "\" 0 0",
                          "text \"" + std::string(63, 'D') + "\" 0 14",
                          "text \"" + std::string(32, 'P') +
                              " -2147483648W-2147483648 214748\" 0 28"}));
}

TEST(dashas, ListUnderItsHeading) {
  chartstate s;
  s.jd = 2451545.0;
  recorder r;
  draw_dashas(r, s, 400, 12);
  ASSERT_EQ(r.log.size(), 2u + 2u * 81u);
  EXPECT_EQ(lines(r.log.begin(), r.log.begin() + 8),
            (lines{"text \"Vimshottari Dashas\" 400 12", "line 400 14 540 14",
                   "text \"Ke/Ke \" 400 32", "text \"Jan 01, 2000\" 440 32",
                   "text \"Ke/Ve \" 530 32", "text \"May 29, 2000\" 570 32",
                   "text \"Ke/Su \" 400 44", "text \"Jul 29, 2001\" 440 44"}));
  EXPECT_EQ(lines(r.log.end() - 2, r.log.end()),
            (lines{"text \"Me/Sa \" 400 592", "text \"Apr 23, 2117\" 440 592"}));
  // Moon 799: a single-entry first block; the next block 12 pixels lower.
  s.tpos[2] = 799;
  recorder one;
  draw_dashas(one, s, 400, 12);
  ASSERT_EQ(one.log.size(), 2u + 2u * 73u);
  EXPECT_EQ(lines(one.log.begin() + 2, one.log.begin() + 6),
            (lines{"text \"Ke/Me \" 400 32", "text \"Jan 01, 2000\" 440 32",
                   "text \"Ve/Ve \" 400 44", "text \"Jan 04, 2000\" 440 44"}));
  EXPECT_EQ(one.log.back(), "text \"Apr 27, 2110\" 440 540");
}

TEST(page, WholePageInBothStyles) {
  birthdata b = delhi();
  chartstate s = sample();
  // Font, header, chart square, table, navamsha row, dasha list; the North
  // page differs only inside the chart square.
  for (bool north : {false, true}) {
    recorder page, want;
    drawpage(page, b, s, north);
    want.setfont(facehelvetica, 11);
    draw_info(want, b, 8, 12);
    (north ? draw_north_chart : draw_south_chart)(want, s, 8, 52);
    draw_planet_info(want, s, 8, 420);
    draw_navamsha(want, s, 8, 490);
    draw_dashas(want, s, 400, 12);
    EXPECT_EQ(page.log, want.log) << north;
    EXPECT_EQ(page.log[0], "font 0 11");
    EXPECT_EQ(page.log[4], "text \"Delhi  77E13 28N39\" 8 40");
    EXPECT_EQ(page.log.back(), "text \"Jun 28, 2100\" 440 540");
  }
}
