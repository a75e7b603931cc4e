// Checking tzdata's rule for later years before the zone library sees it.
#include "atlas/tzrule.h"

#include <cerrno>
#include <cstdlib>
#include <map>

#include "fileio/chunkreader.h"

namespace {

bool digit(char c) { return c >= '0' && c <= '9'; }
bool alpha(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Reads a number of at most two or three digits from s into v, up to max.
bool number(std::string_view& s, int max, int& v) {
  size_t n = 0;
  v = 0;
  while (n < s.size() && n < 3 && digit(s[n])) v = v * 10 + (s[n++] - '0');
  s.remove_prefix(n);
  return n > 0 && v <= max;
}

// A zone name: three or more letters, or <...> of letters, digits and signs.
bool name(std::string_view& s) {
  size_t n = 0;
  if (!s.empty() && s[0] == '<') {
    while (++n < s.size() && s[n] != '>')
      if (!alpha(s[n]) && !digit(s[n]) && s[n] != '+' && s[n] != '-') return false;
    if (n == s.size() || n < 4) return false;
    s.remove_prefix(n + 1);
    return true;
  }
  while (n < s.size() && alpha(s[n])) ++n;
  s.remove_prefix(n);
  return n >= 3;
}

// [+-]hh[:mm[:ss]] with hh up to maxhours.
bool hms(std::string_view& s, int maxhours) {
  if (!s.empty() && (s[0] == '+' || s[0] == '-')) s.remove_prefix(1);
  int v;
  if (!number(s, maxhours, v)) return false;
  for (int part = 0; part < 2 && !s.empty() && s[0] == ':'; ++part) {
    s.remove_prefix(1);
    if (s.size() < 2 || !number(s, 59, v)) return false;
  }
  return true;
}

// ,Jn  ,n  ,Mm.w.d with an optional /time.
bool rule(std::string_view& s) {
  if (s.empty() || s[0] != ',') return false;
  s.remove_prefix(1);
  int v;
  if (!s.empty() && s[0] == 'M') {
    s.remove_prefix(1);
    if (!number(s, 12, v) || v < 1 || s.empty() || s[0] != '.') return false;
    s.remove_prefix(1);
    if (!number(s, 5, v) || v < 1 || s.empty() || s[0] != '.') return false;
    s.remove_prefix(1);
    if (!number(s, 6, v)) return false;
  } else {
    const bool julian = !s.empty() && s[0] == 'J';
    if (julian) s.remove_prefix(1);
    if (!number(s, 365, v) || (julian && v < 1)) return false;
  }
  if (!s.empty() && s[0] == '/') {
    s.remove_prefix(1);
    return hms(s, 167);
  }
  return true;
}

}  // namespace

bool tzrulevalid(std::string_view s) {
  if (s.empty()) return true;
  if (!name(s) || !hms(s, 24)) return false;
  if (s.empty()) return true;
  if (!name(s)) return false;
  if (!s.empty() && s[0] != ',' && !hms(s, 24)) return false;
  if (s.empty()) return true;
  return rule(s) && rule(s) && s.empty();
}

bool tzfooter(std::string_view file, std::string_view& footer) {
  footer = {};
  if (file.size() < 44 || file.substr(0, 4) != "TZif") return false;
  if (file[4] == '\0') return true;  // version 1: no footer, the last change holds
  if (file.back() != '\n') return false;
  const size_t open = file.rfind('\n', file.size() - 2);
  if (open == std::string_view::npos || open < 44) return false;
  footer = file.substr(open + 1, file.size() - open - 2);
  return true;
}

std::string checkzonefile(const std::string& tz) {
  static std::map<std::string, std::string> checked;  // each zone's file once a run
  const auto known = checked.find(tz);
  if (known != checked.end()) return known->second;
  const char* dir = std::getenv("TZDIR");
  const std::string path =
      tz[0] == '/' ? tz : std::string(dir && *dir ? dir : "/usr/share/zoneinfo") + "/" + tz;
  std::string text, why;
  std::string_view footer;
  if (!readdatafile(path, text, 1 << 20)) {
    if (errno == ENOENT) return "";  // the zone library says it is not there
    why = "cannot be read";
  } else if (!tzfooter(text, footer) || !tzrulevalid(footer)) {
    why = "is damaged (its rule for later years cannot be read)";
  }
  std::string& r = checked[tz];
  if (!why.empty())
    r = "The time zone data of " + tz + " " + why +
        ": reinstall the Debian package tzdata; until then, enter the zone by hand.";
  return r;
}
