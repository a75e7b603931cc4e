// The chart page: its texts, the dasha list, and the whole drawing log of
// telling charts in both styles against tests/data/page.log.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "chart/chartline.h"
#include "chart/dasha.h"
#include "page/filestyle.h"
#include "page/page.h"
#include "page/pagetext.h"
#include "page/svgcanvas.h"
#include "tests/golden.h"

TEST(Page, GoldenLog) {
  std::string text;
  auto add = [&text](const std::string& title, auto draw) {
    recorder r;
    draw(r);
    text += "# " + title + "\n";
    for (const std::string& l : r.log) text += l + "\n";
  };
  // The ascendant and Venus in Aries, the Sun with negative motion but
  // unmarked, a retrograde Moon at 21599, retrograde Mars at 0 Leo,
  // retrograde Saturn, the nodes with negative motion.
  chartstate sample{2451545.25,
                    {1265, 5999, 21599, 7200, 7387, 3600, 800, 16499, 10000, 20800},
                    {0, -3600, -1000, -100, 4000, 300, 3600, -20, -190, -190}};
  // Nine points in Aries, Ketu in Libra, Venus retrograde.
  chartstate crowded{
      2451545.0, {0, 100, 200, 300, 400, 500, 600, 700, 800, 10800}, {0, 0, 0, 0, 0, 0, -1}};
  // A record from outside the checks: texts without a terminator, numbers of any size.
  birthdata wild;
  std::memset(wild.name, 'N', sizeof wild.name);
  std::memset(wild.place, 'P', sizeof wild.place);
  std::memset(wild.dtstr, 'D', sizeof wild.dtstr);
  wild.londg = wild.lonmn = -2147483647 - 1;
  wild.latdg = wild.latmn = 2147483647;
  // clang-format off
  const struct { const char* what; birthdata b; chartstate s; } pages[] = {
      {"Delhi, sample chart",
       readchartline("Test Chart             Mar 07, 198402:05:00 PM    -05:30077E13'00 "
                     "28N39'00 Delhi").rec, sample},
      {"far east and south, crowded",
       readchartline("                       Dec 31, 240011:59:00 PM    +12:00179E59'00 "
                     "89S05'00 Nowhere").rec, crowded},
      {"unchecked record, ten points in Aries", wild, chartstate()},
  };
  // clang-format on
  for (const auto& p : pages)
    for (bool north : {false, true})
      add(std::string(p.what) + (north ? ", North" : ", South"),
          [&](canvas& c) { drawpage(c, p.b, p.s, north); });
  // The ascendant in each sign with eight points in house h + 1 (sign 2h):
  // every house's and every cell's slots, the North chart's numbers turned.
  for (int h = 0; h < 12; ++h) {
    chartstate s;
    s.tpos[0] = h * 1800 + 700;
    for (int i = 1; i < nbody; ++i) s.tpos[i] = (2 * h % 12) * 1800 + 150 * i;
    s.tpos[9] = (2 * h + 5) % 12 * 1800 + 1799;
    add("South, ascendant in sign " + std::to_string(h),
        [&](canvas& c) { draw_south_chart(c, s, 8, 52); });
    add("North, ascendant in sign " + std::to_string(h),
        [&](canvas& c) { draw_north_chart(c, s, 8, 52); });
    s.tpos[9] = (2 * h % 12) * 1800 + 1799;  // with Ketu, as no cast chart has it: nine points
    add("North, nine points in house " + std::to_string(h + 1),
        [&](canvas& c) { draw_north_chart(c, s, 8, 52); });
  }
  // Dasha lists and their days for telling Moon positions: a first block of
  // every length, nine entries to one (0 to 799 in Ketu's mansion, and 1040;
  // 799, the last minute of a mansion, leaves a single entry), a near tie
  // (1040: in double precision Ve-Ma runs, not Ve-Mo), the last sub-period
  // wrapping round.
  for (int moon : {0, 100, 200, 300, 400, 500, 600, 799, 1040, 4000, 7199, 14399, 21599}) {
    chartstate s;
    s.jd = moon % 2 ? 2451545.25 : 2451545.0;
    s.tpos[2] = moon;
    add("dashas, Moon at " + std::to_string(moon), [&](canvas& c) { draw_dashas(c, s, 400, 12); });
    dashaperiod e[maxdashas];
    for (int k = 0, n = dashaperiods(s, e); k < n; ++k) {
      char day[32];
      std::snprintf(day, sizeof day, "%.6f%c", e[k].day, k % 9 == 8 || k == n - 1 ? '\n' : ' ');
      text += day;
    }
  }
  golden("page.log", text);
}

// The elements of an SVG as a reader sees them, one a line: the name, the
// attributes in the order of their names, and the text after the start tag,
// with the markup's escapes read.
static std::vector<std::string> elements(const std::string& svg) {
  const std::regex tag(R"re(<([a-z]+)((?:\s+[a-zA-Z0-9:-]+="[^"]*")*)\s*/?>([^<]*))re");
  const std::regex att(R"re(([a-zA-Z0-9:-]+)="([^"]*)")re");
  auto read = [](std::string s) {
    for (auto [esc, c] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}})
      for (std::size_t at = 0; (at = s.find(esc, at)) != std::string::npos; ++at)
        s.replace(at, std::strlen(esc), c);
    return s;
  };
  std::vector<std::string> r;
  for (std::sregex_iterator t(svg.begin(), svg.end(), tag), end; t != end; ++t) {
    std::map<std::string, std::string> attrs;
    std::string a = (*t)[2], e = (*t)[1];
    for (std::sregex_iterator v(a.begin(), a.end(), att); v != end; ++v)
      attrs[(*v)[1]] = read((*v)[2]);
    for (const auto& [name, value] : attrs) e += " " + name + "=" + value;
    r.push_back(e + "|" + read((*t)[3]));
  }
  return r;
}

// The SVG canvas: a white page of the given size, lines on the pixel grid,
// texts as text in the page's font, black, with their blanks and markup.
TEST(Svgcanvas, WhatAReaderSees) {
  svgcanvas c(20, 10);
  c.setcolor(colblack);
  c.setfont(facehelvetica, 11);
  c.drawline(0, 0, 19, 0);
  c.drawtext("a<b&\"c\"> ", 1, 9);
  c.setfont(facehelvetica, 12);
  c.drawtext("\xe9", 2, 8);
  const std::vector<std::string> want = {
      "svg height=10 version=1.1 viewBox=0 0 20 10 width=20 xmlns=http://www.w3.org/2000/svg|\n",
      "rect fill=#ffffff height=100% width=100%|\n",
      "g stroke=#000000 stroke-linecap=square stroke-width=1 transform=translate(0.5 0.5)|\n",
      "line x1=0 x2=19 y1=0 y2=0|\n",
      "g fill=#000000 font-family=DejaVu Sans, sans-serif font-size=11 xml:space=preserve|\n",
      "text x=1 y=9|a<b&\"c\"> ",
      "text font-size=12 x=2 y=8|\xc3\xa9"};
  EXPECT_EQ(elements(c.svg()), want);
}

// What the file canvases draw for a text's bytes.
TEST(Filestyle, DrawnText) {
  checktable("drawntext.txt", 1, [](const fields& in) { return fields{drawntext(in[0].c_str())}; });
}
