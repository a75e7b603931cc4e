// The UT offset in force at a place at a local date and time, from tzdata's
// history of its zone, in the chart line's convention ("-" east).
#pragma once

#include <string>
#include <vector>

// One offset a local time may have had at a place.
struct zoneoffset {
  int zone = 0;        // minutes to add to the clock time for UT, rounded
                       // to the whole minute: India -330, New York 300
  std::string abbr;    // tzdata's abbreviation: "IST", "+0630", "EDT", "LMT"
  std::string kind;    // "standard time", "daylight time", "summer time",
                       // "double summer time", "war time", "local mean time"...
  std::string label;   // kind and zone: "daylight time + 04:00"
  std::string source;  // where it comes from: "Asia/Kolkata, war time",
                       // "Asia/Kolkata, local mean time at 88E22"
};

// What tzdata says of a local date and time at a place.
struct zonefound {
  enum kinds { unique, repeated, skipped, failed, clocks } kind = failed;
  // One offset when unique; two when repeated, the first occurrence first
  // (before the clocks moved back); two when clocks, the city's own first,
  // then tzdata's; none when skipped or failed.
  std::vector<zoneoffset> offsets;
  // For repeated, clocks, skipped and failed: one text for the user that says what
  // happened (the clock change with its moment and both offsets, or why the
  // zone or date cannot be used).
  std::string message;
};

// The name by which people call the standard time that tzdata abbreviates
// abbr in zone tz ("India Standard Time" for IST in Asia/Kolkata), or
// nullptr when it has none beside its kind.
const char* standardname(const std::string& tz, const std::string& abbr);

// The offset in force at a place whose IANA zone is tz and whose longitude
// is lon (decimal degrees, east positive), at the local clock time
// year-mon-day hour:min. Where tzdata gives local mean time (LMT, before
// the zone's first standard time), and in India before 1906, where it gives
// the railway time of Howrah or Madras, the place's own mean time from lon
// is used: 4 minutes of time per degree, rounded to the minute, on the side
// of the date line where tzdata's first offset lies (Tonga's 175W is
// - 12:19). A local time that the clocks skipped is refused; one that they
// showed twice gives both offsets and is never decided here. A change of
// less than a minute that leaves the rounded offset the same is no change.
// Daylight time behind the zone's standard time is "winter time".
zonefound findzone(const std::string& tz, double lon, int year, int mon, int day, int hour,
                   int min);

// findzone for a place at latitude lat as well, which also knows the cities
// that kept their own clock beside the zone's standard time: Bombay
// (Mumbai and its suburbs) before 1955 and Calcutta (Kolkata and Howrah)
// before 1948, from 1906. There a local time gives clocks: the city's own
// time ("Bombay Time - 04:51") and tzdata's ("India Standard Time
// - 05:30"), never decided here.
zonefound findclock(const std::string& tz, double lat, double lon, int year, int mon, int day,
                    int hour, int min);
