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
  // accents and punctuation ignored ("sao paulo" finds São Paulo), most
  // populous first (of equal populations, those found by their own name
  // first, then by name), at most limit of them. Empty when text is blank
  // or the atlas cannot be read (load() says why).
  std::vector<const place*> search(std::string_view text, size_t limit = 100);

  // The place named text that search would list first, or nullptr when
  // none is. text: "place[, state][, country]", the place by its name or an
  // alternate name in full, the state by name or code ("Tamil Nadu", "NY"),
  // the country by name or ISO code ("India", "IN", "IND").
  const place* lookup(std::string_view text);

  // Every place, in the files' order; none when the atlas cannot be read.
  const std::vector<place>& all();

 private:
  struct namekey {  // one folded name of a place
    uint32_t off;   // its bytes in keys
    uint32_t len;
    uint32_t where;  // index in places
    bool main;       // the place's name or its ASCII spelling
  };
  struct hit {  // a place found, and whether by its main name
    uint32_t where;
    bool main;
  };
  struct area {  // a state or a country, folded, as lookup matches it
    std::string name, ascii, code, code3;
  };

  bool ready();
  void addnames(const cityrow& r, uint32_t where);
  std::string readfiles();
  void build(const std::vector<arearow>& countries, const std::vector<arearow>& states,
             const std::vector<cityrow>& cities, size_t size);
  bool inarea(uint32_t a, std::string_view folded) const;
  bool before(const hit& a, const hit& b) const;

  std::string dir_;
  bool tried_ = false;
  std::string error_;
  std::vector<place> places_;
  std::vector<area> areas_;                  // the states and countries
  std::vector<uint32_t> statei_, countryi_;  // per place: its areas_
  std::string keys_;                         // all folded names, end to end
  size_t keysend_ = 0;                       // their length while reading
  std::vector<namekey> index_;
  std::vector<uint8_t> seen_;  // scratch of search, per place
};

// The program's one atlas, of atlasdir, read on its first use.
atlas& worldatlas();
