// A place's coordinates and a zone offset as the chart line and the dialog
// show them: degrees and minutes with E/W or N/S, a zone as "+ 05:30".
#pragma once

#include <string>
#include <string_view>

// An angle in whole degrees and arc-minutes without sign, and its side.
struct dmangle {
  int deg = 0;       // 0..179
  int min = 0;       // 0..59
  bool neg = false;  // west of Greenwich, or south of the equator
};

// deg (decimal degrees, east or north positive) rounded to the nearest
// arc-minute; a longitude that rounds to 180°00' is kept at 179°59', the
// largest the dialog and the chart line hold.
dmangle todm(double deg);

// The angle a in decimal degrees, negative west or south.
double todeg(const dmangle& a);

// The longitude text of the page header without its padding: "80E17",
// "74W00". lon in decimal degrees, east positive.
std::string lontext(double lon);

// The latitude text: "13N05", "23S33". lat in decimal degrees, north positive.
std::string lattext(double lat);

// The same texts of an angle already in degrees and minutes.
std::string lontext(const dmangle& a);
std::string lattext(const dmangle& a);

// A zone offset in minutes to add to the clock time for Universal Time ("-"
// east of Greenwich) as the dialog shows it: -330 gives "- 05:30", 300
// gives "+ 05:00", 0 gives "+ 00:00".
std::string zonetext(int zone);

// The mean time of a longitude in the same convention, in whole minutes:
// 4 minutes of time per degree, rounded to the nearest minute, negative east
// of Greenwich. lonmin: the longitude in arc-minutes, east positive.
int meanzone(int lonmin);

// Coordinates as typed for Find: latitude then longitude in decimal degrees
// ("18.52, 73.85", "-23.55 -46.63"), or each in degrees, minutes and seconds
// with its side's letter before or after it ("18 31N 73 51E", "18°31'N,
// 73°51'E", "N 18 31 E 73 51") or inside it as a chart line writes it
// ("18N31 73E51"), in either order when the letters say which is which.
// True with lat and lon set (decimal degrees, north and east positive) when
// text is coordinates: latitude at most 90 degrees, longitude 180, minutes
// and seconds below 60, no sign beside a letter.
bool readcoords(std::string_view text, double& lat, double& lon);

// Whether text could be coordinates, typed in full or not yet: it holds a
// digit, and nothing but digits, signs, points, commas, blanks, degree,
// minute and second marks and the letters N, S, E and W.
bool coordslike(std::string_view text);
