// The atlas: reading the GeoNames files on first use, the index of folded
// names, the search and the lookup.
#include "atlas/atlas.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <unordered_map>

#include "atlas/fold.h"
#include "atlas/geonames.h"
#include "atlas/nearest.h"
#include "atlas/statenames.h"
#include "atlas/zonefind.h"
#include "fileio/chunkreader.h"

const char* const atlasdir = "/usr/share/libtimezonemap/ui";

std::string placelabel(const place& p) {
  return p.state == p.name ? p.name + ", " + p.country : placetext(p);
}

std::string placetext(const place& p) {
  return p.name + (p.state.empty() ? "" : ", " + p.state) + ", " + p.country;
}

atlas::atlas(std::string dir) : dir_(std::move(dir)) {}

atlas& worldatlas() {
  static atlas a;
  return a;
}

const std::string& atlas::load() {
  if (!tried_) {
    tried_ = true;
    error_ = readfiles();
  }
  return error_;
}

bool atlas::ready() { return load().empty(); }

namespace {

const char* const citiesfile = "cities15000.txt";
const char* const admin1file = "admin1Codes.txt";
const char* const countryfile = "countryInfo.txt";
// The largest file the atlas reads; GeoNames' places of 15,000 people or
// more take about 5 MB.
constexpr size_t maxatlasfile = size_t(64) << 20;

// Why the file at path could not be read (errno), for the user.
std::string unreadable(const std::string& path) {
  if (errno == ENOENT)
    return "The place atlas cannot be read: " + path +
           " is missing. It comes with the Debian package libtimezonemap-data; "
           "until that is installed, enter the place by hand.";
  const std::string why = errno == EINVAL  ? "is not a regular file"
                          : errno == EFBIG ? "is larger than the atlas's files can be"
                                           : std::string("cannot be read: ") + std::strerror(errno);
  return "The place atlas cannot be read: " + path + " " + why +
         ". Reinstall the Debian package libtimezonemap-data; until then, enter the place by hand.";
}

std::string damaged(const std::string& path, size_t line) {
  return "The place atlas is damaged: line " + std::to_string(line) + " of " + path +
         " is not what the file should hold. Reinstall the Debian package "
         "libtimezonemap-data; until then, enter the place by hand.";
}

}  // namespace

// Reads and checks the three files, then builds the atlas from them; on a
// failure nothing is built. Returns "" or the message for the user.
std::string atlas::readfiles() {
  const std::string names[3] = {countryfile, admin1file, citiesfile};
  std::string text[3];
  for (int i = 0; i < 3; ++i)
    if (!readdatafile(dir_ + "/" + names[i], text[i], maxatlasfile))
      return unreadable(dir_ + "/" + names[i]);
  std::vector<arearow> countries, states;
  std::vector<cityrow> cities;
  if (size_t bad = parsecountries(text[0], countries)) return damaged(dir_ + "/" + names[0], bad);
  if (size_t bad = parseadmin1(text[1], states)) return damaged(dir_ + "/" + names[1], bad);
  if (size_t bad = parsecities(text[2], cities)) return damaged(dir_ + "/" + names[2], bad);
  build(countries, states, cities, text[2].size());
  return "";
}

// Fills places_, areas_ and the index of names from the rows of the files;
// size: the size of the places file.
void atlas::build(const std::vector<arearow>& countries, const std::vector<arearow>& states,
                  const std::vector<cityrow>& cities, size_t size) {
  // The areas: every country, then every state, by code ("IN", "IN.25").
  std::unordered_map<std::string_view, uint32_t> areaof;
  std::vector<std::string_view> areaname;
  for (const auto* rows : {&countries, &states}) {
    for (const arearow& r : *rows) {
      areaof.emplace(r.code, uint32_t(areas_.size()));
      const std::string_view code = r.code.size() > 3 ? r.code.substr(3) : r.code;
      area a;
      for (std::string_view n : {r.name, r.ascii, code, r.code3})
        if (!n.empty()) a.names.push_back(foldtext(n));
      areas_.push_back(std::move(a));
      areaname.push_back(r.name);
    }
  }
  for (size_t i = 0; i < statenamecount; ++i) {
    const auto a = areaof.find(statenames[i].code);
    if (a != areaof.end()) areas_[a->second].names.push_back(foldtext(statenames[i].name));
  }
  const uint32_t none = uint32_t(areas_.size());
  areas_.push_back({});
  areaname.push_back({});

  // Room for every name at once: growing would copy them. The folded names
  // mostly fit in the bytes of the file they come from.
  size_t names = 0;
  for (const cityrow& r : cities)
    names += 3 + size_t(std::count(r.alternates.begin(), r.alternates.end(), ','));
  places_.reserve(cities.size());
  keys_.reserve(size);
  index_.reserve(names);
  std::string statecode;
  for (const cityrow& r : cities) {
    const auto c = areaof.find(r.cc);
    statecode.assign(r.cc).append(".").append(r.admin1);
    const auto s = areaof.find(statecode);
    const uint32_t ci = c == areaof.end() ? none : c->second;
    const uint32_t si = s == areaof.end() ? none : s->second;
    const uint32_t where = uint32_t(places_.size());
    places_.push_back({std::string(r.name), std::string(areaname[si]),
                       ci == none ? std::string(r.cc) : std::string(areaname[ci]),
                       std::string(r.cc), r.lat, r.lon, std::string(r.tz), r.population});
    statei_.push_back(si);
    countryi_.push_back(ci);
    addnames(r, where);
  }
  seen_.assign(places_.size(), 0);
}

namespace {

// The set of letters in s, one bit each: a to z, 0 to 9, the blank, and the
// other bytes shared among the remaining bits. A name within two edits of
// another lacks at most two of the other's letters.
uint64_t letterset(std::string_view s) {
  static const auto bits = [] {
    std::array<uint8_t, 256> t{};
    for (int b = 0; b < 256; ++b)
      t[size_t(b)] = uint8_t(b >= 'a' && b <= 'z'   ? b - 'a'
                             : b >= '0' && b <= '9' ? 26 + (b - '0')
                             : b == ' '             ? 36
                                                    : 37 + b % 27);
    return t;
  }();
  uint64_t m = 0;
  for (unsigned char b : s) m |= uint64_t(1) << bits[b];
  return m;
}

int lacking(uint64_t a, uint64_t b) { return __builtin_popcountll(a & ~b); }

// The pairs of neighbouring bytes in s, each as one of 64 bits. An edit
// spoils at most two of a name's pairs, so a name within two edits of
// another keeps all but four of its pairs' bits in the other.
uint64_t pairset(std::string_view s) {
  uint64_t m = 0;
  for (size_t i = 1; i < s.size(); ++i)
    m |= uint64_t(1) << ((static_cast<unsigned char>(s[i - 1]) * 31u +
                          static_cast<unsigned char>(s[i])) &
                         63);
  return m;
}

// The edit distance (insertions, deletions, substitutions of bytes) from q
// to k, or to the closest start of k when prefix is set; any distance above
// 2 is given as 3. Only the cells within two of the diagonal can hold less.
int distance(std::string_view q, std::string_view k, bool prefix) {
  constexpr int most = 64;
  const int m = int(q.size());
  if (m + 2 >= most) return 3;
  int a[most], b[most];
  int *col = a, *next = b;
  for (int i = 0; i <= m + 2; ++i) a[i] = b[i] = std::min(i, 3);
  int best = col[m];
  for (int j = 1; j <= int(k.size()) && !(prefix && best <= 2); ++j) {
    const int lo = std::max(0, j - 2), hi = std::min(m, j + 2);
    if (lo > m) break;
    if (lo > 0) next[lo - 1] = 3;
    int low = 3;
    for (int i = lo; i <= hi; ++i) {
      int v = i == 0 ? j : std::min(col[i - 1] + (q[i - 1] != k[j - 1]), next[i - 1] + 1);
      v = std::min({v, col[i] + 1, 3});
      next[i] = v;
      low = std::min(low, v);
    }
    std::swap(col, next);
    if (low > 2) return 3;
    best = prefix ? std::min(best, hi == m ? col[m] : 3) : (hi == m ? col[m] : 3);
  }
  return std::min(best, 3);
}

}  // namespace

// Adds the folded names of city r, place number where, to keys_ and index_.
// A name that folds like the place's first name or like the one before it
// (most ASCII names and their plain spellings) is left out; the other
// repeats cost little, as search takes each place once.
void atlas::addnames(const cityrow& r, uint32_t where) {
  const size_t first = index_.size();
  const auto text = [this](const namekey& k) {
    return std::string_view(keys_).substr(k.off, k.len);
  };
  const auto add = [&](std::string_view name, bool main) {
    const size_t off = keys_.size();
    foldto(keys_, name);
    const std::string_view key = std::string_view(keys_).substr(off);
    if (key.empty() ||
        (index_.size() > first && (key == text(index_[first]) || key == text(index_.back())))) {
      keys_.resize(off);
      return;
    }
    index_.push_back(
        {uint32_t(off), uint32_t(key.size()), where, main, letterset(key), pairset(key)});
  };
  add(r.name, true);
  add(r.asciiname, true);
  for (std::string_view alt = r.alternates; !alt.empty();) {
    const size_t comma = alt.find(',');
    add(alt.substr(0, comma), false);
    alt.remove_prefix(comma == std::string_view::npos ? alt.size() : comma + 1);
  }
}

// Whether hit a comes before hit b: found the better way, then the more
// populous, then by name.
bool atlas::before(const hit& a, const hit& b) const {
  const place &pa = places_[a.where], &pb = places_[b.where];
  if (a.kind != b.kind) return a.kind < b.kind;
  if (pa.population != pb.population) return pa.population > pb.population;
  if (pa.name != pb.name) return pa.name < pb.name;
  return a.where < b.where;
}

// Whether area a is named folded: by its name, ASCII name, a code or
// another name.
bool atlas::inarea(uint32_t a, std::string_view folded) const {
  const std::vector<std::string>& n = areas_[a].names;
  return !folded.empty() && std::find(n.begin(), n.end(), folded) != n.end();
}

bool atlas::apart(const place& a, const place& b, const civiltime* at) const {
  if (kmapart(a.lat, a.lon, b.lat, b.lon) > degree_km) return true;
  if (a.tz == b.tz) return false;
  if (!at) return true;
  const zonefound za = findzone(a.tz, a.lon, at->year, at->mon, at->day, at->hour, at->min);
  const zonefound zb = findzone(b.tz, b.lon, at->year, at->mon, at->day, at->hour, at->min);
  if (za.kind != zonefound::unique || zb.kind != zonefound::unique) return true;
  const zoneoffset &oa = za.offsets[0], &ob = zb.offsets[0];
  return oa.zone != ob.zone && !(oa.abbr == "LMT" && ob.abbr == "LMT");
}

// The places with the name q (or a name that starts with q, when prefix is
// set), each once with the best way it was found, in the areas part: none,
// the area that second names, or a state and a country.
std::vector<atlas::hit> atlas::hits(std::string_view q, bool prefix,
                                    const std::vector<std::string>& part, areaof second) {
  std::vector<hit> found;
  const char* keys = keys_.data();
  for (const namekey& k : index_) {
    if (k.len < q.size() || (!prefix && k.len != q.size()) || keys[k.off] != q[0] ||
        keys_.compare(k.off, q.size(), q) != 0)
      continue;
    const uint32_t w = k.where;
    const uint8_t kind = uint8_t((k.len == q.size() ? 0 : 2) + (k.main ? 0 : 1));
    if (seen_[w]) {
      hit& h = found[seen_[w] - 1];
      h.kind = std::min(h.kind, kind);
      continue;
    }
    if ((part.size() == 1 && !inarea((this->*second)[w], part[0])) ||
        (part.size() == 2 && !(inarea(statei_[w], part[0]) && inarea(countryi_[w], part[1]))))
      continue;
    found.push_back({w, kind});
    seen_[w] = uint32_t(found.size());
  }
  for (const hit& h : found) seen_[h.where] = 0;
  return found;
}

// Up to five places with a name within two edits of q (of a start of a name,
// when prefix is set), the most populous first.
std::vector<const place*> atlas::close(std::string_view q, bool prefix) const {
  std::vector<const place*> found;
  if (q.empty()) return found;
  const uint64_t letters = letterset(q), pairs = pairset(q);
  const int keptpairs = __builtin_popcountll(pairs) - 4;
  std::vector<uint8_t> taken(places_.size());
  for (const namekey& k : index_) {
    if (taken[k.where] || lacking(letters, k.letters) > 2 || k.len + 2 < q.size() ||
        __builtin_popcountll(pairs & k.pairs) < keptpairs || (!prefix && k.len > q.size() + 2) ||
        distance(q, std::string_view(keys_).substr(k.off, k.len), prefix) > 2)
      continue;
    taken[k.where] = 1;
    found.push_back(&places_[k.where]);
  }
  const size_t n = std::min<size_t>(5, found.size());
  std::partial_sort(found.begin(), found.begin() + n, found.end(),
                    [](const place* a, const place* b) {
                      if (a->population != b->population) return a->population > b->population;
                      return a->name < b->name;
                    });
  found.resize(n);
  return found;
}

placesfound atlas::find(std::string_view text, bool prefix, size_t limit, const civiltime* at) {
  placesfound r;
  // Up to three parts: the name, then a state and/or a country.
  std::vector<std::string> part;
  for (;;) {
    const size_t comma = text.find(',');
    part.push_back(foldtext(text.substr(0, comma)));
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  if (part.size() > 3 || part[0].empty() || !ready()) return r;
  const std::string name = part[0];
  part.erase(part.begin());
  if (prefix)  // a state or country not typed yet
    part.erase(std::remove(part.begin(), part.end(), ""), part.end());
  prefix = prefix && part.empty();

  // A second part may name a state or a country; the places of the better
  // way found under each reading are the candidates, and when both readings
  // find places but not the same first, the text is ambiguous.
  std::vector<hit> found = hits(name, prefix, part, &atlas::statei_);
  std::vector<uint8_t> candidate;
  const auto best = [this](const std::vector<hit>& h) {
    return std::min_element(h.begin(), h.end(),
                            [this](const hit& a, const hit& b) { return before(a, b); });
  };
  const auto mark = [&](const std::vector<hit>& h) {
    if (h.empty()) return;
    const uint8_t kind = best(h)->kind;
    for (const hit& x : h)
      if (x.kind == kind) candidate[x.where] = 1;
  };
  candidate.assign(places_.size(), 0);
  if (part.size() == 1) {
    const std::vector<hit> other = hits(name, prefix, part, &atlas::countryi_);
    r.ambiguous = !found.empty() && !other.empty() && best(found)->where != best(other)->where;
    mark(other);
    for (const hit& h : found) seen_[h.where] = 1;
    for (const hit& h : other)
      if (!seen_[h.where]) found.push_back(h);
    for (const hit& h : found) seen_[h.where] = 0;
  }
  mark(found);  // (the state reading's, or the one reading's)
  if (found.empty()) {
    r.close = close(name, prefix);
    return r;
  }

  const auto order = [&](const hit& a, const hit& b) {
    if (candidate[a.where] != candidate[b.where]) return candidate[a.where] > candidate[b.where];
    return before(a, b);
  };
  const size_t n = std::min(limit, found.size());
  std::partial_sort(found.begin(), found.begin() + n, found.end(), order);
  for (const hit& h : found) r.candidates += candidate[h.where];
  const place& first = places_[found[0].where];
  for (size_t i = 1; i < found.size() && !r.ambiguous; ++i)
    r.ambiguous = candidate[found[i].where] && apart(first, places_[found[i].where], at);
  r.candidates = std::min(r.candidates, n);
  for (size_t i = 0; i < n; ++i) r.places.push_back(&places_[found[i].where]);
  return r;
}

placesfound atlas::search(std::string_view text, size_t limit, const civiltime* at) {
  return find(text, true, limit, at);
}

placesfound atlas::resolve(std::string_view text, const civiltime* at) {
  return find(text, false, SIZE_MAX, at);
}

const place* atlas::lookup(std::string_view text) {
  const placesfound r = resolve(text);
  return r.candidates > 0 && !r.ambiguous ? r.places[0] : nullptr;
}

const place* nearest(const placesfound& r, double lat, double lon) {
  const place* best = nullptr;
  double least = degree_km;
  for (size_t i = 0; i < r.candidates; ++i) {
    const double d = kmapart(lat, lon, r.places[i]->lat, r.places[i]->lon);
    if (d <= least) {
      least = d;
      best = r.places[i];
    }
  }
  return best;
}
