// The other names of states, one row each. The states of the United States
// need none: GeoNames codes them by their postal codes. A former state
// stands for each of today's states that hold its places.
#include "atlas/statenames.h"

#include <iterator>

// clang-format off
const statename statenames[] = {
  // Canada: the postal codes.
  {"CA.01", "AB"}, {"CA.02", "BC"}, {"CA.03", "MB"}, {"CA.04", "NB"}, {"CA.05", "NL"},
  {"CA.07", "NS"}, {"CA.08", "ON"}, {"CA.09", "PE"}, {"CA.10", "QC"}, {"CA.11", "SK"},
  {"CA.12", "YT"}, {"CA.13", "NT"}, {"CA.14", "NU"},
  // Australia: the usual short forms.
  {"AU.01", "ACT"}, {"AU.02", "NSW"}, {"AU.03", "NT"}, {"AU.04", "QLD"}, {"AU.05", "SA"},
  {"AU.06", "TAS"}, {"AU.07", "VIC"}, {"AU.08", "WA"},
  // India: the state codes, today's names where GeoNames keeps another, and
  // former names.
  {"IN.01", "AN"}, {"IN.02", "AP"}, {"IN.03", "AS"}, {"IN.05", "CH"}, {"IN.06", "DN"},
  {"IN.07", "DL"}, {"IN.07", "Delhi"}, {"IN.07", "National Capital Territory of Delhi"},
  {"IN.09", "GJ"}, {"IN.10", "HR"}, {"IN.11", "HP"}, {"IN.12", "JK"},
  {"IN.12", "Jammu and Kashmir"}, {"IN.12", "LA"}, {"IN.12", "Ladakh"}, {"IN.13", "KL"},
  {"IN.14", "LD"}, {"IN.14", "Lakshadweep"}, {"IN.16", "MH"}, {"IN.17", "MN"},
  {"IN.18", "ML"}, {"IN.19", "KA"}, {"IN.20", "NL"}, {"IN.21", "OD"}, {"IN.21", "OR"},
  {"IN.21", "Orissa"}, {"IN.22", "PY"}, {"IN.22", "Puducherry"}, {"IN.23", "PB"},
  {"IN.24", "RJ"}, {"IN.25", "TN"}, {"IN.26", "TR"}, {"IN.28", "WB"}, {"IN.29", "SK"},
  {"IN.30", "AR"}, {"IN.31", "MZ"}, {"IN.32", "DD"}, {"IN.33", "GA"}, {"IN.34", "BR"},
  {"IN.35", "MP"}, {"IN.36", "UP"}, {"IN.37", "CG"}, {"IN.37", "CT"}, {"IN.38", "JH"},
  {"IN.39", "UK"}, {"IN.39", "UT"}, {"IN.39", "Uttaranchal"}, {"IN.40", "TG"},
  {"IN.40", "TS"},
  // Telangana was part of Andhra Pradesh until 2014.
  {"IN.40", "Andhra Pradesh"}, {"IN.40", "AP"},
  // Bombay State (to 1960) and Madras State (to 1969), and the presidencies
  // before them.
  {"IN.16", "Bombay State"}, {"IN.09", "Bombay State"}, {"IN.19", "Bombay State"},
  {"IN.16", "Bombay Presidency"}, {"IN.09", "Bombay Presidency"},
  {"IN.19", "Bombay Presidency"},
  {"IN.25", "Madras State"}, {"IN.02", "Madras State"}, {"IN.13", "Madras State"},
  {"IN.19", "Madras State"}, {"IN.25", "Madras Presidency"}, {"IN.02", "Madras Presidency"},
  {"IN.13", "Madras Presidency"}, {"IN.19", "Madras Presidency"},
  {"IN.19", "Mysore State"},
};
// clang-format on

const std::size_t statenamecount = std::size(statenames);
