// What Quit asks before the chart shown would be lost.
#pragma once

#include <string>

#include "chart/birth.h"

// The question to ask before the program ends: "Quit without saving the
// chart "NAME"?" when shown differs from kept (the chart at start, or the one
// last loaded or saved) as the chart file would store them; "" when nothing
// would be lost. The name stands without its trailing blanks, its control
// bytes escaped.
std::string quitquestion(const birthdata& shown, const birthdata& kept);
