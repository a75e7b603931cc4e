// vornak-chart's --find: the places of the atlas as lines of text or JSON.
#pragma once

#include <string>

#include "atlas/atlas.h"

// "Chennai, Tamil Nadu, India  80E17 13N05  Asia/Kolkata  4328063" and a
// line feed: the label, the longitude and latitude as a chart line and an
// import file write them, the zone and the population.
std::string findline(const place& p);

// {"name":"Chennai","state":"Tamil Nadu","country":"India","lat":13.08784,
// "lon":80.27847,"tz":"Asia/Kolkata","population":4328063} and a line feed;
// lat and lon in decimal degrees, north and east positive.
std::string findjson(const place& p);
