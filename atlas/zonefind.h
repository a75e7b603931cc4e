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
  enum kinds { unique, repeated, skipped, failed } kind = failed;
  // One offset when unique; two when repeated, the first occurrence first
  // (before the clocks moved back); none when skipped or failed.
  std::vector<zoneoffset> offsets;
  // For repeated, skipped and failed: one text for the user that says what
  // happened (the clock change with its moment and both offsets, or why the
  // zone or date cannot be used).
  std::string message;
};

// The offset in force at a place whose IANA zone is tz and whose longitude
// is lon (decimal degrees, east positive), at the local clock time
// year-mon-day hour:min. Where tzdata gives local mean time (LMT, before
// the zone's first standard time), the place's own mean time from lon is
// used: 4 minutes of time per degree, rounded to the minute. A local time
// that the clocks skipped is refused; one that they showed twice gives
// both offsets and is never decided here.
zonefound findzone(const std::string& tz, double lon, int year, int mon, int day, int hour,
                   int min);
