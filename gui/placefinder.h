// The place finder of the chart data dialog's Find.
#pragma once

#include <functional>
#include <string>

struct place;

// Opens the place finder, modal, its search field holding text, and returns
// at once. When the user chooses a place, the finder closes and chosen is
// called with it. Coordinates typed ("18 31N 73 51E", "18.52, 73.85") show
// the nearest place and its distance instead; choosing them calls atcoords
// with them, rounded to the arc-minute (decimal degrees, north and east
// positive). The atlas is read at the first opening; when it cannot be read,
// an alert says why and nothing opens.
void findplace(const std::string& text, std::function<void(const place&)> chosen,
               std::function<void(double lat, double lon)> atcoords);
