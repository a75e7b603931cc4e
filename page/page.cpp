// The chart page: header, South or North chart, position table, navamsha
// row and dasha list, drawn through a canvas.
#include "page/page.h"

#include <cstdio>

#include "chart/dasha.h"
#include "engine/calendar.h"
#include "page/pagetext.h"

namespace {

struct pt {
  int x;
  int y;
};

// South chart: top-left corner of each sign's cell, signs 0 (Ar) to 11 (Pi),
// pixels from the chart origin.
const pt signcell[12] = {
    {90, 0},    {180, 0},  {270, 0}, {270, 90}, {270, 180}, {270, 270},
    {180, 270}, {90, 270}, {0, 270}, {0, 180},  {0, 90},    {0, 0},
};

// South chart: stacking slots within a cell, pixels from its corner: a left
// column of five and a right column of four, 12 apart.
// clang-format off
const pt slotoff[9] = {
    {4, 2}, {4, 14}, {4, 26}, {4, 38}, {4, 50},
    {48, 2}, {48, 14}, {48, 26}, {48, 38},
};
// clang-format on

// North chart: where each house's sign number goes, houses 1 to 12, pixels
// from the chart origin.
const pt hnumpos[12] = {
    {100, 84},  {18, 2},    {4, 18},    {18, 172},  {4, 198},  {18, 344},
    {100, 264}, {198, 344}, {280, 264}, {198, 172}, {280, 84}, {198, 2},
};

// North chart: body slots of each house, houses 1 to 12, pixels from the
// chart origin. Only a first house holds nine points in a cast chart; the
// ninth slot elsewhere (Ketu's) keeps any state's points in their house.
// clang-format off
const int hp[12][9][2] = {
    {{164, 40}, {164, 52}, {164, 64}, {164, 76}, {164, 88}, {164, 100}, {164, 112}, {164, 124}, {164, 136}},
    {{36, 4}, {76, 4}, {116, 4}, {40, 16}, {80, 16}, {120, 16}, {60, 28}, {100, 28}, {80, 40}},
    {{4, 40}, {4, 52}, {4, 64}, {4, 76}, {4, 88}, {4, 100}, {4, 112}, {4, 124}, {44, 88}},
    {{74, 132}, {74, 144}, {74, 156}, {74, 168}, {74, 180}, {74, 192}, {74, 204}, {74, 216}, {74, 228}},
    {{4, 220}, {4, 232}, {4, 244}, {4, 256}, {4, 268}, {4, 280}, {4, 292}, {4, 304}, {44, 256}},
    {{60, 320}, {100, 320}, {40, 332}, {80, 332}, {120, 332}, {36, 344}, {76, 344}, {116, 344}, {80, 308}},
    {{164, 220}, {164, 232}, {164, 244}, {164, 256}, {164, 268}, {164, 280}, {164, 292}, {164, 304}, {164, 316}},
    {{240, 320}, {280, 320}, {220, 332}, {260, 332}, {300, 332}, {216, 344}, {256, 344}, {296, 344}, {260, 308}},
    {{320, 220}, {320, 232}, {320, 244}, {320, 256}, {320, 268}, {320, 280}, {320, 292}, {320, 304}, {288, 276}},
    {{254, 132}, {254, 144}, {254, 156}, {254, 168}, {254, 180}, {254, 192}, {254, 204}, {254, 216}, {254, 228}},
    {{320, 40}, {320, 52}, {320, 64}, {320, 76}, {320, 88}, {320, 100}, {320, 112}, {320, 124}, {288, 96}},
    {{216, 4}, {256, 4}, {296, 4}, {220, 16}, {260, 16}, {300, 16}, {240, 28}, {280, 28}, {260, 40}},
};
// clang-format on

// A point's chart text: label, R when retrograde, whole degree in its sign.
void pointtext(char* dst, int size, int i, const chartstate& s) {
  std::snprintf(dst, size, isretro(i, s) ? "%sR %d" : "%s %d", plnam[i], signdeg(s.tpos[i]));
}

// Writes the points of sign sg in body order, the k-th at the baseline
// position slot(k). A cell or house has nine slots, as many as any sign can
// hold in a real chart; a tenth point is not drawn.
template <typename Slot>
void drawpoints(canvas& c, const chartstate& s, int sg, Slot slot) {
  char buf[32];
  int k = 0;
  for (int i = 0; i < nbody && k < 9; ++i) {
    if (signof(s.tpos[i]) != sg) continue;
    pointtext(buf, sizeof buf, i, s);
    pt at = slot(k++);
    c.drawtext(buf, at.x, at.y);
  }
}

}  // namespace

void drawpage(canvas& c, const birthdata& b, const chartstate& s, bool north) {
  c.setfont(facehelvetica, 11);
  draw_info(c, b, 8, 12);
  if (north)
    draw_north_chart(c, s, 8, 52);
  else
    draw_south_chart(c, s, 8, 52);
  draw_planet_info(c, s, 8, 420);
  draw_navamsha(c, s, 8, 490);
  draw_dashas(c, s, 400, 12);
}

// The first baseline is y itself; lines 14 apart. Each text field is read
// only within its array, so a record whose fields lack a terminator, or
// whose numbers run long, still draws within the buffers.
void draw_info(canvas& c, const birthdata& b, int x, int y) {
  char buf[64];
  c.setcolor(colblack);
  std::snprintf(buf, sizeof buf, "%.*s", static_cast<int>(sizeof b.name), b.name);
  c.drawtext(buf, x, y);
  std::snprintf(buf, sizeof buf, "%.*s", static_cast<int>(sizeof b.dtstr), b.dtstr);
  c.drawtext(buf, x, y + 14);
  placetext(buf, sizeof buf, b);
  c.drawtext(buf, x, y + 28);
}

void draw_south_chart(canvas& c, const chartstate& s, int x, int y) {
  c.setcolor(colblack);
  c.drawline(x, y, x + 360, y);
  c.drawline(x, y, x, y + 360);
  c.drawline(x, y + 360, x + 360, y + 360);
  c.drawline(x + 360, y, x + 360, y + 360);
  c.drawline(x + 90, y, x + 90, y + 360);
  c.drawline(x, y + 90, x + 360, y + 90);
  c.drawline(x + 270, y, x + 270, y + 360);
  c.drawline(x, y + 270, x + 360, y + 270);
  c.drawline(x + 180, y, x + 180, y + 90);
  c.drawline(x + 180, y + 270, x + 180, y + 360);
  c.drawline(x, y + 180, x + 90, y + 180);
  c.drawline(x + 270, y + 180, x + 360, y + 180);

  for (int sg = 0; sg < 12; ++sg)
    drawpoints(c, s, sg, [&](int k) {
      return pt{x + signcell[sg].x + slotoff[k].x, y + signcell[sg].y + slotoff[k].y + 12};
    });
}

void draw_north_chart(canvas& c, const chartstate& s, int x, int y) {
  c.setcolor(colblack);
  c.drawline(x, y, x + 360, y);
  c.drawline(x, y, x, y + 360);
  c.drawline(x, y + 360, x + 360, y + 360);
  c.drawline(x + 360, y, x + 360, y + 360);
  // The diagonals and the diamond stop one pixel short of the far border.
  c.drawline(x, y, x + 359, y + 359);
  c.drawline(x, y + 359, x + 359, y);
  c.drawline(x + 180, y, x, y + 180);
  c.drawline(x, y + 180, x + 180, y + 359);
  c.drawline(x + 180, y + 359, x + 359, y + 180);
  c.drawline(x + 180, y, x + 359, y + 180);

  char buf[32];
  int a = signof(s.tpos[asc]);
  // The first house shows the ascendant's sign number, the others follow.
  int n = a + 1;
  for (int h = 0; h < 12; ++h) {
    std::snprintf(buf, sizeof buf, "%d", n);
    c.drawtext(buf, x + hnumpos[h].x, y + hnumpos[h].y + 12);
    if (++n == 13) n = 1;
  }

  int sg = a;
  for (int h = 0; h < 12; ++h) {
    drawpoints(c, s, sg, [&](int k) { return pt{x + hp[h][k][0], y + hp[h][k][1] + 12}; });
    if (++sg == 12) sg = 0;
  }
}

// Two blocks of five rows 12 apart: points 0..4 at x, 5..9 at x + 180; in
// each block the label, the position and the nakshatra.
void draw_planet_info(canvas& c, const chartstate& s, int x, int y) {
  char buf[64];
  for (int i = 0; i < nbody; ++i) {
    int bx = i < 5 ? x : x + 180;
    int by = y + 12 + 12 * (i % 5);
    pointlabel(buf, sizeof buf, i, s);
    c.drawtext(buf, bx, by);
    prtdhm(buf, s.tpos[i]);
    c.drawtext(buf, bx + 30, by);
    c.drawtext(naknam[nakshatra(s.tpos[i])], bx + 80, by);
  }
}

void draw_navamsha(canvas& c, const chartstate& s, int x, int y) {
  char buf[16];
  c.drawtext("Navamsha Signs:", x, y + 12);
  for (int i = 0; i < nbody; ++i) {
    std::snprintf(buf, sizeof buf, "%s:%d ", plnam[i], navamsha(s.tpos[i]));
    c.drawtext(buf, x + 36 * i, y + 24);
  }
}

// The periods come from dashaperiods; this only places and labels them.
// Within a major period's block, entries stand two to a line, 12 pixels
// apart; a block starts 16 pixels below the last line of the one before,
// or 12 below a block of a single entry.
void draw_dashas(canvas& c, const chartstate& s, int x, int y) {
  dashaperiod list[maxdashas];
  char label[8];
  char date[jd2date_size];
  c.drawtext("Vimshottari Dashas", x, y);
  c.drawline(x, y + 2, x + 140, y + 2);
  int n = dashaperiods(s, list);
  int line = y + 20;  // baseline of the current line
  int e = 0;          // entries of the current block so far
  for (int k = 0; k < n; ++k) {
    if (k > 0 && list[k].major != list[k - 1].major) {
      line += e > 1 ? 16 : 12;
      e = 0;
    } else if (e > 0 && e % 2 == 0) {
      line += 12;
    }
    int at = e % 2 == 0 ? x : x + 130;
    std::snprintf(label, sizeof label, "%s/%s ", dashnam[list[k].major], dashnam[list[k].sub]);
    c.drawtext(label, at, line);
    jd2date(date, list[k].day);
    c.drawtext(date, at + 40, line);
    ++e;
  }
}
