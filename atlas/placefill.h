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
#include "atlas/nearest.h"
#include "atlas/zonefind.h"
#include "chart/birth.h"
#include "chart/entrycheck.h"

// The place whose zone the zone fields follow. Find starts following, and
// so do coordinates typed; the dialog ends it (off) as soon as the user
// types into a zone field or picks the zone sign.
struct zonefollow {
  bool on = false;
  std::string tz;  // the place's zone, "Asia/Kolkata"
  double lon = 0;  // its longitude, east positive
  double lat = 0;  // its latitude, north positive
  // Following the place nearest to coordinates rather than a place Find
  // chose by name: the places near them, whose zones must agree.
  bool bycoords = false;
  nearzones near;
  // The user typed into a zone field (or Edit showed a chart's zone):
  // coordinates typed after that leave the zone alone.
  bool typed = false;
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
    choose,   // the time came twice, or the place kept two clocks: offsets
              // holds both, message asks which
    refused,  // no zone filled: message says why (the OK check's message of
              // a date or time field, a skipped time, a zone beyond the
              // dialog's 12 hours, a zone missing from tzdata)
    off       // not following
  } kind = off;
  std::vector<zoneoffset> offsets;
  std::string message;
  bool clocks = false;  // choose: of the city's own clock and the standard
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

// The Lon or Lat fields changed, or Find took coordinates (put in the
// fields): unless the zone is the user's (f.typed) or follows a place Find
// chose by name, the zone fields follow the zone history of the place of
// atlas a nearest to the coordinates in the fields, while every place
// within 100 km kept the same zone at the entries' date and time; the note
// says so: "Zone: Asia/Kolkata, standard time, from Pune, 24 km". Otherwise
// the step is refused, and the note asks for the zone. Coordinates out of
// the fields' ranges end the following. A place Find chose stays followed,
// its mean time taken at the new longitude (followzone).
zonestep coordszone(entries& e, zonefollow& f, atlas& a);

// The user chose o, one of the two offsets of a time that came twice or of
// a place's two clocks.
zonestep putzone(entries& e, zonefollow& f, const zoneoffset& o);

// Edit opens on entries e whose coordinates lie near place p (nullptr when
// none does): the zone fields follow p's zone history from now on when
// they hold its zone at e's date and time (either offset of a time that
// came twice or of a place's two clocks, which is then kept as chosen).
// True when f follows.
bool startfollow(const entries& e, zonefollow& f, const place* p);

// Why offset o cannot be a chart's zone (it holds at most 12 hours 59
// minutes, and Samoa was at UT+13), with the Universal Time of b's local
// date and time to enter instead; empty when it can.
std::string beyondzone(const zoneoffset& o, const birthdata& b);

// b's zone in minutes to add to the clock time for UT ("-" east), and its
// longitude in arc-minutes, east positive.
int zoneof(const birthdata& b);
int lonminof(const birthdata& b);

// The place of a that lies nearest to lat, lon (decimal degrees, north and
// east positive), when it is within km kilometres; else nullptr.
const place* nearplace(atlas& a, double lat, double lon, double km);

// What to ask before a zone is committed, and the zone to offer instead.
struct zoneask {
  std::string question;  // empty when there is nothing to ask
  bool fix = false;      // a zone to offer: fixzone, minutes to add for UT
  int fixzone = 0;
  bool mean = false;  // asked for the local mean time, not for a place
};

// b's zone checked before it is committed. With place p (the place Find
// chose, or an atlas place within 10 km of b's coordinates), against the
// zone in force there at b's local date and time: "Pune kept India Standard
// Time, - 05:30, on 1 Jan 1960; you entered + 05:30.", offering the
// atlas's zone. Without one, or where tzdata cannot tell (a skipped time,
// a zone beyond 12 hours, a zone not in tzdata), against the local mean
// time of b's longitude: a zone more than 3 hours from it is asked about,
// offering the opposite sign when that one is near. who: "you entered" for
// the dialog, "the row gives" for the import.
zoneask checkzone(const birthdata& b, const place* p, const std::string& who = "you entered");

// text broken into lines of at most width characters at its blanks, for the
// toolkit's message boxes, which do not wrap; line breaks already in text
// are kept, a zone's sign stays with its figures ("- 04:55"), and a word
// longer than width stands on a line of its own.
std::string wrapped(std::string_view text, size_t width);
