// The other names by which people write a state (a first-level division of
// GeoNames): postal and state codes, and the names of former states.
#pragma once

#include <cstddef>

struct statename {
  const char* code;  // GeoNames' code of the state, "IN.21"
  const char* name;  // "Orissa"
};

extern const statename statenames[];
extern const std::size_t statenamecount;
