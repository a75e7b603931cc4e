// The speed of a whole chart, the engine against the Swiss Ephemeris library.
#pragma once

#include <vector>

#include "bench/instants.h"

// Times castchart against the library over the instants ins, on this
// thread's processor time, and prints the time of a chart for each side, the
// minimum and the median over the rounds, and the library's times as
// multiples of the engine's. The library computes what the engine does (the
// seven bodies and a node with their speeds, the ascendant, the ayanamsa):
// linked statically with the mean node, which is the least work of any
// variant, and with the true node; and from its shared object, when that can
// be opened, with the true node. The sides take turns in blocks of equal
// length (about 4 ms each, the faster side computing more charts in its
// block); a round is as many blocks of each side as the slowest needs to
// cover every instant once.
void speedreport(const std::vector<instant>& ins, int rounds = 5);
