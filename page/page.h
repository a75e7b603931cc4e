// The chart page: its element routines, drawn through a canvas.
#pragma once

#include "chart/birth.h"
#include "page/canvas.h"

// The whole page, in its fixed order: font, header, South or North chart,
// position table, navamsha row, dasha list.
void drawpage(canvas& c, const birthdata& b, const chartstate& s, bool north);

void draw_info(canvas& c, const birthdata& b, int x, int y);
void draw_south_chart(canvas& c, const chartstate& s, int x, int y);
void draw_north_chart(canvas& c, const chartstate& s, int x, int y);
void draw_planet_info(canvas& c, const chartstate& s, int x, int y);
void draw_navamsha(canvas& c, const chartstate& s, int x, int y);
void draw_dashas(canvas& c, const chartstate& s, int x, int y);
