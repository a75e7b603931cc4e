// The chart data dialog's Find: what the fields become for a place of the
// atlas, and the zone fields that follow the place's zone history while they
// hold what Find put there. No toolkit: the dialog reads its widgets into an
// entries struct, calls these and shows the result.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "atlas/atlas.h"
#include "atlas/coords.h"
#include "atlas/zonefind.h"
#include "chart/birth.h"
#include "chart/entrycheck.h"

// The place whose zone the zone fields follow. Find starts following; the
// dialog ends it (off) as soon as the user types into a zone field or picks
// the zone sign.
struct zonefollow {
  bool on = false;
  std::string tz;  // the place's zone, "Asia/Kolkata"
  double lon = 0;  // its longitude, east positive
  // The offset the user chose for a local time that came twice, and that
  // time: kept while the date and time stay the same.
  bool chosen = false;
  int chosenzone = 0;
  int chosenat[5] = {};  // year, month, day, hour, minute
  // The line under the dialog's fields: where the zone came from ("Zone:
  // Asia/Kolkata, war time"), or why it is not filled; empty when off.
  std::string note;
};

// What became of the zone at the entries' date and time.
struct zonestep {
  enum kinds {
    filled,   // the zone fields hold the zone in force
    choose,   // the time came twice: offsets holds both, message asks which
    refused,  // no zone filled: message says why (the OK check's message of
              // a date or time field, a skipped time, a zone beyond the
              // dialog's 12 hours, a zone missing from tzdata)
    off       // not following
  } kind = off;
  std::vector<zoneoffset> offsets;
  std::string message;
};

// The Lon and Lat fields of e set to angle a (its side the E/W or N/S
// choice), and the zone fields to a zone: east of Greenwich (the sign "-")
// or not, hours and minutes; or zone minutes to add to the clock time for
// UT, "-" east. Find and the import fill the fields through these.
void setlon(entries& e, const dmangle& a);
void setlat(entries& e, const dmangle& a);
void setzone(entries& e, bool east, int hours, int minutes);
void setzone(entries& e, int zone);

// Find chose place p: Place becomes its name cut to the record's 23 bytes,
// Lon and Lat its coordinates rounded to the arc-minute, and the zone
// fields its zone at the entries' date and time (followzone).
zonestep chooseplace(entries& e, zonefollow& f, const place& p);

// The date, the time or the longitude changed (or OK was pressed): while
// following, the zone fields get the zone for the entries' date and time.
// The longitude of the entries gives the local mean time before the zone's
// first standard time (the place's own when the fields are out of range).
zonestep followzone(entries& e, zonefollow& f);

// The user chose o, one of the two offsets of a time that came twice.
zonestep putzone(entries& e, zonefollow& f, const zoneoffset& o);

// Why offset o cannot be a chart's zone (it holds at most 12 hours 59
// minutes, and Samoa was at UT+13), with the Universal Time of b's local
// date and time to enter instead; empty when it can.
std::string beyondzone(const zoneoffset& o, const birthdata& b);

// The question to ask before b is committed when its zone is more than 3
// hours from the local mean time of its longitude; empty when it is not.
std::string zonequestion(const birthdata& b);

// text broken into lines of at most width characters at its blanks, for the
// toolkit's message boxes, which do not wrap; line breaks already in text
// are kept, a zone's sign stays with its figures ("- 04:55"), and a word
// longer than width stands on a line of its own.
std::string wrapped(std::string_view text, size_t width);
