// The window program's scale factor: one factor for every position, size
// and font of its windows and for its page, so that it reads as well on a
// large screen of many pixels as on a small one. FLTK 1.3 does not scale by
// itself: every geometry and font size in gui/ goes through px.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// A factor as the user types it: a whole or half number from 1 to 4 ("2",
// "1.5", "3.0"); none for anything else.
std::optional<double> scalevalue(std::string_view s);

// The factor the desktop asks for: GDK_SCALE's whole number when it is one
// from 1 to 4; otherwise Xft.dpi (96 dots per inch being 1) to the nearest
// half, within 1 to 4; otherwise 1. Either may be null or empty.
double desktopscale(const char* gdkscale, const char* xftdpi);

// Takes "--scale K" or "--scale=K" out of argv[1..argc) (argc shrinks) and
// returns K as written, "" when the value is missing; none without --scale.
std::optional<std::string> takescale(int& argc, char** argv);

// The factor chosen by the user: --scale's value (option, as takescale
// gave it) when given, else VORNAK_SCALE's when set and not empty; none when
// neither is, and the desktop's factor applies. A value that is not a
// factor gives none and says why.
std::optional<double> pickscale(const std::optional<std::string>& option, const char* vornakscale,
                                std::string& why);

// The factor in use: 1 until setscale.
double scale();
void setscale(double k);

// A length of n pixels at scale 1, at the factor in use, to the nearest
// whole pixel (halves up).
int px(int n);
