// A place's coordinates and a zone offset as the chart line and the dialog
// show them: degrees and minutes with E/W or N/S, a zone as "+ 05:30".
#pragma once

#include <string>

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
