// The places of --find.
#include "atlas/findlist.h"

#include <cstdio>

#include "atlas/coords.h"
#include "chart/escape.h"

std::string findline(const place& p) {
  return placelabel(p) + "  " + lontext(p.lon) + " " + lattext(p.lat) + "  " + p.tz + "  " +
         std::to_string(p.population) + "\n";
}

static std::string jsonstring(const std::string& s) {
  return "\"" + escapebytes(s, escapes::json) + "\"";
}

std::string findjson(const place& p) {
  char lat[32], lon[32];
  std::snprintf(lat, sizeof lat, "%.10g", p.lat);
  std::snprintf(lon, sizeof lon, "%.10g", p.lon);
  return "{\"name\":" + jsonstring(p.name) + ",\"state\":" + jsonstring(p.state) +
         ",\"country\":" + jsonstring(p.country) + ",\"lat\":" + lat + ",\"lon\":" + lon +
         ",\"tz\":" + jsonstring(p.tz) + ",\"population\":" + std::to_string(p.population) + "}\n";
}
