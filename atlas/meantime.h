// The check of a zone against the local mean time of the longitude: a zone
// more than 3 hours from it is most likely a reversed sign or a wrong zone.
#pragma once

#include <string>

// How far a zone lies from the mean time of a longitude.
struct meancheck {
  int mean = 0;      // the longitude's mean time, minutes to add for UT
  int apart = 0;     // minutes between the two, modulo 24 hours: 0..720
  bool far = false;  // apart is more than 3 hours
};

// zone: minutes to add to the clock time for UT ("-" east, as the dialog's
// sign); lonmin: the longitude in arc-minutes, east positive. Samoa at UT+13
// and Kiritimati at UT+14 lie across the date line from the mean time of
// their longitude, within 3 hours of it modulo 24 hours, and pass.
meancheck checkmean(int zone, int lonmin);

// The question asked before a far zone is committed: "Zone + 05:30 is 10 h
// 25 min from the local mean time at 73E51 (- 04:55). Use it anyway?"
std::string meanquestion(int zone, int lonmin);
