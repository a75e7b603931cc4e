// The local mean time check of a zone.
#include "atlas/meantime.h"

#include <cstdio>
#include <cstdlib>

#include "atlas/coords.h"

meancheck checkmean(int zone, int lonmin) {
  meancheck c;
  c.mean = meanzone(lonmin);
  const int d = ((zone - c.mean) % 1440 + 1440) % 1440;
  c.apart = d > 720 ? 1440 - d : d;
  c.far = c.apart > 180;
  return c;
}

bool flipnear(int zone, int lonmin) { return zone != 0 && !checkmean(-zone, lonmin).far; }

std::string meantext(int zone, int lonmin) {
  const meancheck c = checkmean(zone, lonmin);
  dmangle lon;
  lon.deg = std::abs(lonmin) / 60;
  lon.min = std::abs(lonmin) % 60;
  lon.neg = lonmin < 0;
  char buf[320];
  int n =
      std::snprintf(buf, sizeof buf, "Zone %s is %d h %d min from the local mean time at %s (%s)",
                    zonetext(zone).c_str(), c.apart / 60, c.apart % 60, lontext(lon).c_str(),
                    zonetext(c.mean).c_str());
  if (!flipnear(zone, lonmin)) return std::string(buf, n) + ".";
  const int apart = checkmean(-zone, lonmin).apart;
  const std::string hours = apart >= 60 ? std::to_string(apart / 60) + " h " : "";
  std::snprintf(buf + n, sizeof buf - n, "; %s would be %s%d min from it. %s",
                zonetext(-zone).c_str(), hours.c_str(), apart % 60,
                zone > 0 ? "In Vornak's convention \"-\" is east of Greenwich: India is - 05:30."
                         : "In Vornak's convention \"+\" is west of Greenwich: New York in winter "
                           "is + 05:00.");
  return buf;
}

std::string meanquestion(int zone, int lonmin) {
  const std::string text = meantext(zone, lonmin);
  return flipnear(zone, lonmin) ? text : text + " Use it anyway?";
}
