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

std::string meanquestion(int zone, int lonmin) {
  const meancheck c = checkmean(zone, lonmin);
  dmangle lon;
  lon.deg = std::abs(lonmin) / 60;
  lon.min = std::abs(lonmin) % 60;
  lon.neg = lonmin < 0;
  char buf[160];
  std::snprintf(buf, sizeof buf,
                "Zone %s is %d h %d min from the local mean time at %s (%s). Use it anyway?",
                zonetext(zone).c_str(), c.apart / 60, c.apart % 60, lontext(lon).c_str(),
                zonetext(c.mean).c_str());
  return buf;
}
