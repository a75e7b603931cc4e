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

// Whether zone's opposite sign would be within 3 hours of the mean time.
bool flipnear(int zone, int lonmin);

// What is wrong with a far zone: "Zone + 05:30 is 10 h 25 min from the local
// mean time at 73E51 (- 04:55)", then, when the opposite sign is near, "; -
// 05:30 would be 35 min from it. In Vornak's convention "-" is east of
// Greenwich: India is - 05:30.", else ".".
std::string meantext(int zone, int lonmin);

// The question asked before a far zone is committed: meantext, and " Use it
// anyway?" when the opposite sign is no better.
std::string meanquestion(int zone, int lonmin);
