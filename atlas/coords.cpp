// Coordinate and zone texts.
#include "atlas/coords.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

dmangle todm(double deg) {
  long m = std::lround(std::fabs(deg) * 60.0);
  if (m >= 180 * 60) m = 180 * 60 - 1;
  dmangle a;
  a.deg = int(m / 60);
  a.min = int(m % 60);
  a.neg = deg < 0 && m != 0;
  return a;
}

double todeg(const dmangle& a) { return (a.neg ? -1 : 1) * (a.deg + a.min / 60.0); }

// "%d%c%02d" of an angle with the letter of its side.
static std::string dmtext(const dmangle& a, char pos, char neg) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%d%c%02d", a.deg, a.neg ? neg : pos, a.min);
  return buf;
}

std::string lontext(const dmangle& a) { return dmtext(a, 'E', 'W'); }
std::string lattext(const dmangle& a) { return dmtext(a, 'N', 'S'); }
std::string lontext(double lon) { return lontext(todm(lon)); }
std::string lattext(double lat) { return lattext(todm(lat)); }

std::string zonetext(int zone) {
  char buf[24];
  const int a = std::abs(zone);
  std::snprintf(buf, sizeof buf, "%c %02d:%02d", zone < 0 ? '-' : '+', a / 60, a % 60);
  return buf;
}

int meanzone(int lonmin) {
  // Four minutes of time per degree is one minute of time per 15 arc-minutes.
  return -int(std::lround(lonmin / 15.0));
}

namespace {

// A piece of typed coordinates: a number, a side's letter, or an angle
// written as a chart line writes it ("18N31"), which is all three.
struct token {
  enum kinds { number, letter, compact } kind;
  std::string text;  // the number, with its sign; the compact angle's minutes
  char side = 0;     // 'N', 'S', 'E' or 'W'
  std::string deg;   // the compact angle's degrees
};

// The marks that stand between degrees, minutes and seconds, and read as
// blanks: ° º ′ ″ ' ".
const char* const marks[] = {"\xC2\xB0", "\xC2\xBA", "\xE2\x80\xB2", "\xE2\x80\xB3", "'", "\""};

bool isside(char c) { return c != 0 && std::strchr("NSEWnsew", c); }
bool digitchar(char c) { return c >= '0' && c <= '9'; }

// The words of text (blanks and marks between them) and the commas or
// semicolons as words of their own.
std::vector<std::string> words(std::string_view text) {
  std::vector<std::string> w;
  std::string cur;
  const auto end = [&] {
    if (!cur.empty()) w.push_back(cur);
    cur.clear();
  };
  for (size_t i = 0; i < text.size();) {
    size_t mark = 0;
    for (const char* m : marks)
      if (text.compare(i, std::strlen(m), m) == 0) mark = std::strlen(m);
    if (mark || text[i] == ' ' || text[i] == '\t') {
      end();
      i += mark ? mark : 1;
    } else if (text[i] == ',' || text[i] == ';') {
      end();
      w.push_back(",");
      ++i;
    } else {
      cur += text[i++];
    }
  }
  end();
  return w;
}

// A number: an optional sign, digits, and a point with digits after it.
bool isnumber(std::string_view s) {
  if (!s.empty() && (s[0] == '+' || s[0] == '-')) s.remove_prefix(1);
  const size_t point = s.find('.');
  const std::string_view whole = s.substr(0, point);
  const std::string_view frac = point == std::string_view::npos ? "" : s.substr(point + 1);
  const auto digits = [](std::string_view d) { return std::all_of(d.begin(), d.end(), digitchar); };
  return !whole.empty() && digits(whole) && digits(frac) &&
         (point == std::string_view::npos || !frac.empty());
}

// The tokens of one word: a number, a letter, a number with its letter
// before or after it ("18N", "N18"), or a compact angle. False when the word
// is none of these.
bool tokenize(const std::string& w, std::vector<token>& out) {
  if (w.size() == 1 && isside(w[0])) {
    out.push_back({token::letter, "", char(std::toupper(w[0])), ""});
    return true;
  }
  if (isnumber(w)) {
    out.push_back({token::number, w, 0, ""});
    return true;
  }
  const size_t at = w.find_first_of("NSEWnsew");
  if (at == std::string::npos || w.find_first_of("NSEWnsew", at + 1) != std::string::npos)
    return false;
  const std::string before = w.substr(0, at), after = w.substr(at + 1);
  const char side = char(std::toupper(w[at]));
  if (before.empty() && isnumber(after)) {
    out.push_back({token::letter, "", side, ""});
    out.push_back({token::number, after, 0, ""});
  } else if (after.empty() && isnumber(before)) {
    out.push_back({token::number, before, 0, ""});
    out.push_back({token::letter, "", side, ""});
  } else if (isnumber(before) && isnumber(after) &&
             std::all_of(before.begin(), before.end(), digitchar)) {
    out.push_back({token::compact, after, side, before});
  } else {
    return false;
  }
  return true;
}

// One angle: up to three numbers (degrees, minutes, seconds; only the last
// with a fraction, only the first with a sign), and its side's letter or
// none.
struct angle {
  std::vector<std::string> n;
  char side = 0;
};

// The angle in decimal degrees, negative south and west; false when its
// figures are not an angle's.
bool value(const angle& a, double& v) {
  if (a.n.empty() || a.n.size() > 3) return false;
  double parts[3] = {};
  for (size_t i = 0; i < a.n.size(); ++i) {
    const std::string& s = a.n[i];
    const bool last = i + 1 == a.n.size();
    if ((i > 0 && (s[0] == '+' || s[0] == '-')) || (!last && s.find('.') != std::string::npos))
      return false;
    parts[i] = std::strtod(s.c_str(), nullptr);
  }
  const bool neg = a.n[0][0] == '-';
  if ((neg || a.n[0][0] == '+') && a.side) return false;
  if (parts[1] >= 60 || parts[2] >= 60) return false;
  v = std::fabs(parts[0]) + parts[1] / 60 + parts[2] / 3600;
  if (neg || a.side == 'S' || a.side == 'W') v = -v;
  return true;
}

// The angles of tokens: each a run of numbers with its letter after it, or
// (when the first token is a letter) before it; a compact angle alone. With
// no letters at all, the numbers split evenly into count angles.
std::vector<angle> angles(const std::vector<token>& t, size_t count) {
  std::vector<angle> r;
  const bool letters =
      std::any_of(t.begin(), t.end(), [](const token& k) { return k.kind != token::number; });
  if (!letters) {
    if (t.empty() || t.size() % count != 0) return {};
    r.resize(count);
    for (size_t i = 0; i < t.size(); ++i) r[i * count / t.size()].n.push_back(t[i].text);
    return r;
  }
  const bool before = t[0].kind == token::letter;
  angle cur;
  for (const token& k : t) {
    if (k.kind == token::compact) {
      if (!cur.n.empty() || cur.side) return {};
      r.push_back({{k.deg, k.text}, k.side});
    } else if (k.kind == token::number) {
      cur.n.push_back(k.text);
    } else if (before) {
      if (!cur.n.empty() || cur.side) r.push_back(cur);
      cur = {{}, k.side};
    } else {
      if (cur.n.empty()) return {};
      cur.side = k.side;
      r.push_back(cur);
      cur = {};
    }
  }
  if (!cur.n.empty() || cur.side) r.push_back(cur);
  return r;
}

}  // namespace

bool readcoords(std::string_view text, double& lat, double& lon) {
  // Two angles, split by a comma or by their letters.
  std::vector<std::vector<token>> parts(1);
  for (const std::string& w : words(text)) {
    if (w == ",") {
      parts.emplace_back();
    } else if (!tokenize(w, parts.back())) {
      return false;
    }
  }
  std::vector<angle> a;
  if (parts.size() == 1) {
    a = angles(parts[0], 2);
  } else if (parts.size() == 2) {
    for (const auto& p : parts) {
      const std::vector<angle> one = angles(p, 1);
      if (one.size() != 1) return false;
      a.push_back(one[0]);
    }
  }
  if (a.size() != 2) return false;
  // Which is which: by the letters, else latitude first.
  const auto islat = [](const angle& x) { return x.side == 'N' || x.side == 'S'; };
  const auto islon = [](const angle& x) { return x.side == 'E' || x.side == 'W'; };
  if (islon(a[0]) || islat(a[1])) std::swap(a[0], a[1]);
  if (islon(a[0]) || islat(a[1])) return false;
  double y = 0, x = 0;
  if (!value(a[0], y) || !value(a[1], x) || std::fabs(y) > 90 || std::fabs(x) > 180) return false;
  lat = y;
  lon = x;
  return true;
}

bool coordslike(std::string_view text) {
  bool digit = false;
  for (size_t i = 0; i < text.size();) {
    size_t mark = 0;
    for (const char* m : marks)
      if (text.compare(i, std::strlen(m), m) == 0) mark = std::strlen(m);
    if (mark) {
      i += mark;
      continue;
    }
    const char c = text[i++];
    digit = digit || digitchar(c);
    if (!digitchar(c) && !isside(c) && (c == 0 || !std::strchr("+-., \t;", c))) return false;
  }
  return digit;
}
