// The place finder of the chart data dialog's Find.
#pragma once

#include <functional>
#include <string>

struct place;

// Opens the place finder, modal, its search field holding text, and returns
// at once. When the user chooses a place, the finder closes and chosen is
// called with it. The atlas is read at the first opening; when it cannot be
// read, an alert says why and nothing opens.
void findplace(const std::string& text, std::function<void(const place&)> chosen);
