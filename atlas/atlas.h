// The world atlas: the GeoNames places of 15,000 people or more from the
// Debian package libtimezonemap-data, read on first use and searched by
// name and alternate name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct cityrow;  // lines of the GeoNames files (atlas/geonames.h)
struct arearow;

// The folder where libtimezonemap-data puts the GeoNames files.
extern const char* const atlasdir;

// One place of the atlas.
struct place {
  std::string name;     // "Chennai"
  std::string state;    // first-level division, "Tamil Nadu"; may be empty
  std::string country;  // "India"
  std::string cc;       // ISO 3166 country code, "IN"
  double lat = 0;       // decimal degrees, north positive
  double lon = 0;       // decimal degrees, east positive
  std::string tz;       // IANA zone, "Asia/Kolkata"
  long population = 0;
};

// "Chennai, Tamil Nadu, India": name, state (when there is one) and country.
std::string placelabel(const place& p);

// "Salem, Tamil Nadu, India": name, state (when there is one) and country,
// the text by which the import and lookup name this place and no other.
std::string placetext(const place& p);

// A local date and time, for the zones that places keep on it.
struct civiltime {
  int year, mon, day, hour, min;
};

// What a text names in the atlas.
struct placesfound {
  // The places named, most likely first: the places of the text's own name
  // before those of an alternate name, then the most populous.
  std::vector<const place*> places;
  // How many of places the text may mean: those found the best way (by the
  // whole of their own name, else the whole of an alternate, else the start
  // of their own name, else the start of an alternate).
  size_t candidates = 0;
  // Whether the candidates lie more than 1 degree apart or in zones of
  // different offsets, so that the text alone does not tell which is meant.
  // A state's code that is also a country's, and that gives other places
  // read as the one than as the other ("Windsor, CA"), is ambiguous too.
  bool ambiguous = false;
  // When no place is found: up to five places whose names are within two
  // edits of the text, the most populous first.
  std::vector<const place*> close;
};

class atlas {
 public:
  // An atlas of the files in folder dir; nothing is read until first use.
  // The places that search and lookup return live as long as the atlas.
  explicit atlas(std::string dir = atlasdir);

  // Reads the files when not yet done. Returns "" when the atlas is usable,
  // else the message for the user (a missing or damaged file, naming the
  // package); the files are not read again after a failure.
  const std::string& load();

  // The places having a name or alternate name that starts with text, case,
  // accents, punctuation and the usual abbreviations ignored ("sao paulo"
  // finds São Paulo, "st louis" Saint Louis), at most limit of them. The
  // text may go on with a state and a country as lookup takes them ("Salem,
  // TN"); the name is then matched whole. The zones are compared at at when
  // given, else by their names. Nothing when text is blank or the atlas
  // cannot be read (load() says why).
  placesfound search(std::string_view text, size_t limit = 100, const civiltime* at = nullptr);

  // The places named by text: "place[, state][, country]", the place by its
  // name or an alternate name in full, the state by name, code or former
  // name ("Tamil Nadu", "TN", "Madras State"), the country by name or ISO
  // code ("India", "IN", "IND"); a second part may be a state or a country.
  // The zones are compared at at when given.
  placesfound resolve(std::string_view text, const civiltime* at = nullptr);

  // The place that text names, as resolve finds it, or nullptr when it
  // names none or is ambiguous.
  const place* lookup(std::string_view text);

  // Whether places a and b lie more than 1 degree apart, or keep zones of
  // different offsets at the local time at (when given; else zones of
  // different names). Two places on their own mean times are taken to agree.
  bool apart(const place& a, const place& b, const civiltime* at) const;

 private:
  struct namekey {  // one folded name of a place
    uint32_t off;   // its bytes in keys
    uint32_t len;
    uint32_t where;    // index in places
    bool main;         // the place's name or its ASCII spelling
    uint64_t letters;  // the letters it holds, as letterset gives them
    uint64_t pairs;    // its pairs of neighbouring letters, as pairset gives them
  };
  struct hit {  // a place found, and how (see placesfound::candidates)
    uint32_t where;
    uint8_t kind;  // 0 own name, 1 alternate, 2 start of own, 3 of alternate
  };
  struct area {                      // a state or a country, folded, as lookup matches it
    std::vector<std::string> names;  // names, ASCII name, codes, other names
  };
  using areaof = std::vector<uint32_t> atlas::*;  // statei_ or countryi_

  bool ready();
  void addnames(const cityrow& r, uint32_t where);
  std::string readfiles();
  void build(const std::vector<arearow>& countries, const std::vector<arearow>& states,
             const std::vector<cityrow>& cities, size_t size);
  bool inarea(uint32_t a, std::string_view folded) const;
  bool before(const hit& a, const hit& b) const;
  std::vector<hit> hits(std::string_view q, bool prefix, const std::vector<std::string>& part,
                        areaof second);
  placesfound find(std::string_view text, bool prefix, size_t limit, const civiltime* at);
  std::vector<const place*> close(std::string_view q, bool prefix) const;

  std::string dir_;
  bool tried_ = false;
  std::string error_;
  std::vector<place> places_;
  std::vector<area> areas_;                  // the states and countries
  std::vector<uint32_t> statei_, countryi_;  // per place: its areas_
  std::string keys_;                         // all folded names, end to end
  std::vector<namekey> index_;
  std::vector<uint32_t> seen_;  // scratch of search, per place: its hit + 1
};

// Of the candidates of r, the one nearest to lat and lon (decimal degrees,
// north and east positive) when it lies within 1 degree of them, else
// nullptr: coordinates given with a name tell which of its places is meant.
const place* nearest(const placesfound& r, double lat, double lon);

// The program's one atlas, of atlasdir, read on its first use.
atlas& worldatlas();
