// The speed of a whole chart, the engine against the Swiss Ephemeris library.
#pragma once

#include <vector>

#include "bench/instants.h"

// Times castchart and the library (8 bodies with their speeds, houses and
// the ayanamsa, the way a typical program asks for a chart) over ins, in
// blocks of 1000, each timed three times by every side in turn, and prints
// the median over the blocks of the best times.
void speedreport(const std::vector<instant>& ins);
