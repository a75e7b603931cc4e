// The atlas: reading the GeoNames files on first use, the index of folded
// names, the search and the lookup.
#include "atlas/atlas.h"

#include <algorithm>
#include <unordered_map>

#include "atlas/fold.h"
#include "atlas/geonames.h"

const char* const atlasdir = "/usr/share/libtimezonemap/ui";

std::string placelabel(const place& p) {
  std::string s = p.name;
  if (!p.state.empty() && p.state != p.name) s += ", " + p.state;
  return s + ", " + p.country;
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

const std::vector<place>& atlas::all() {
  load();
  return places_;
}

namespace {

const char* const citiesfile = "cities15000.txt";
const char* const admin1file = "admin1Codes.txt";
const char* const countryfile = "countryInfo.txt";

std::string missing(const std::string& path) {
  return "The place atlas cannot be read: " + path +
         " is missing. It comes with the Debian package libtimezonemap-data; "
         "until that is installed, enter the place by hand.";
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
    if (!readfile(dir_ + "/" + names[i], text[i])) return missing(dir_ + "/" + names[i]);
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
      areas_.push_back({foldtext(r.name), foldtext(r.ascii), foldtext(code), foldtext(r.code3)});
      areaname.push_back(r.name);
    }
  }
  const uint32_t none = uint32_t(areas_.size());
  areas_.push_back({});
  areaname.push_back({});

  // The folded names fit in the bytes of the file they come from.
  places_.reserve(cities.size());
  keys_.resize(size);
  index_.reserve(cities.size() * 8);
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
  keys_.resize(keysend_);
  keys_.shrink_to_fit();
  index_.shrink_to_fit();
  seen_.assign(places_.size(), 0);
}

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
    const namekey k{uint32_t(keysend_),
                    uint32_t(foldraw(&keys_[keysend_], name) - &keys_[keysend_]), where, main};
    if (k.len == 0 || (index_.size() > first &&
                       (text(k) == text(index_[first]) || text(k) == text(index_.back()))))
      return;
    keysend_ += k.len;
    index_.push_back(k);
  };
  add(r.name, true);
  add(r.asciiname, true);
  for (std::string_view alt = r.alternates; !alt.empty();) {
    const size_t comma = alt.find(',');
    add(alt.substr(0, comma), false);
    alt.remove_prefix(comma == std::string_view::npos ? alt.size() : comma + 1);
  }
}

// Whether hit a comes before hit b: the more populous first; of equal
// populations, one found by its own name, then by name.
bool atlas::before(const hit& a, const hit& b) const {
  const place &pa = places_[a.where], &pb = places_[b.where];
  if (pa.population != pb.population) return pa.population > pb.population;
  if (a.main != b.main) return a.main;
  return pa.name < pb.name;
}

std::vector<const place*> atlas::search(std::string_view text, size_t limit) {
  std::vector<const place*> found;
  const std::string q = foldtext(text);
  if (q.empty() || !ready()) return found;
  // A place's own names come first among its keys, so its first match
  // tells whether it was found by them.
  std::vector<hit> hits;
  const char* keys = keys_.data();
  for (const namekey& k : index_) {
    if (k.len >= q.size() && !seen_[k.where] && keys[k.off] == q[0] &&
        keys_.compare(k.off, q.size(), q) == 0) {
      seen_[k.where] = 1;
      hits.push_back({k.where, k.main});
    }
  }
  for (const hit& h : hits) seen_[h.where] = 0;
  const size_t n = std::min(limit, hits.size());
  std::partial_sort(hits.begin(), hits.begin() + n, hits.end(),
                    [this](const hit& a, const hit& b) { return before(a, b); });
  for (size_t i = 0; i < n; ++i) found.push_back(&places_[hits[i].where]);
  return found;
}

// Whether area a is named folded: by its name, ASCII name or a code.
bool atlas::inarea(uint32_t a, std::string_view folded) const {
  const area& r = areas_[a];
  return !folded.empty() &&
         (folded == r.name || folded == r.ascii || folded == r.code || folded == r.code3);
}

const place* atlas::lookup(std::string_view text) {
  // Up to three parts: the name, then a state and/or a country.
  std::vector<std::string> part;
  for (;;) {
    const size_t comma = text.find(',');
    part.push_back(foldtext(text.substr(0, comma)));
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  if (part.size() > 3 || part[0].empty() || !ready()) return nullptr;
  bool any = false;
  hit best{};
  for (const namekey& k : index_) {
    if (k.len != part[0].size() || keys_.compare(k.off, k.len, part[0]) != 0) continue;
    const uint32_t w = k.where;
    bool ok = true;
    if (part.size() == 2)
      ok = inarea(statei_[w], part[1]) || inarea(countryi_[w], part[1]);
    else if (part.size() == 3)
      ok = inarea(statei_[w], part[1]) && inarea(countryi_[w], part[2]);
    const hit h{w, k.main};
    if (ok && (!any || before(h, best))) best = h;
    any = any || ok;
  }
  return any ? &places_[best.where] : nullptr;
}
