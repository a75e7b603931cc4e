// The zodiac's figures, the chart's points and the sizes every layer shares:
// positions are whole arc-minutes of sidereal longitude, 0..21599.
#pragma once

// Arc-minutes of the circle, of a sign (30 degrees), of a nakshatra
// (13 degrees 20') and of a navamsha (3 degrees 20').
constexpr int circle_arcmin = 21600;
constexpr int sign_arcmin = 1800;
constexpr int nak_arcmin = 800;
constexpr int nav_arcmin = 200;
static_assert(circle_arcmin == 12 * sign_arcmin && circle_arcmin == 27 * nak_arcmin &&
                  nak_arcmin == 4 * nav_arcmin,
              "twelve signs, 27 nakshatras of four navamshas");

// The parts of a position v in arc-minutes, 0..21599, by truncating
// integer division: the sign 0 (Aries) .. 11 (Pisces), the whole degree in
// the sign 0..29, the arc-minute 0..59, the nakshatra 0 (Aswini) .. 26
// (Revati), and the navamsha's sign number 1..12 (the navamshas are counted
// on from 0 Aries through the signs).
inline int signof(int v) { return v / sign_arcmin; }
inline int signdeg(int v) { return v / 60 % 30; }
inline int arcminof(int v) { return v % 60; }
inline int nakshatra(int v) { return v / nak_arcmin; }
inline int navamsha(int v) { return v / nav_arcmin % 12 + 1; }

// The chart's points in body order, the order of every table of them.
enum body { asc, sun, moon, mars, mercury, jupiter, venus, saturn, rahu, ketu };
constexpr int nbody = ketu + 1;

// True for the points that can be retrograde, the Moon to Saturn (the
// Moon's motion is never negative, but it takes the same rule).
inline bool canretro(int i) { return i >= moon && i <= saturn; }

// The most bytes of a record's name or place text, not counting the
// terminator; also the width of the name's column in a chart line.
constexpr int textmax = 23;

// The chart page in pixels, as the window's chart view and the page files
// hold it.
constexpr int pagewidth = 760, pageheight = 600;
