// Fonts for the toolkit's text fields and lists.
#include "gui/fieldfont.h"

#include <fontconfig/fontconfig.h>

#include <map>
#include <memory>
#include <string>

#include <FL/Fl.H>
#include <FL/fl_utf8.h>

namespace {

using charset = std::unique_ptr<FcCharSet, decltype(&FcCharSetDestroy)>;
using pattern = std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)>;

// The letters of text; bytes that are not UTF-8 are read as the toolkit
// reads them, one character each.
charset letters(std::string_view text) {
  charset cs(FcCharSetCreate(), FcCharSetDestroy);
  const char* p = text.data();
  const char* end = p + text.size();
  while (p < end) {
    int n = 0;
    unsigned u = fl_utf8decode(p, end, &n);
    if (u >= 0x20) FcCharSetAddChar(cs.get(), u);
    p += n > 0 ? n : 1;
  }
  return cs;
}

// The font that fontconfig picks for an Xft name as the toolkit holds it
// (a style letter, then the family): with cs, the one with most of cs.
pattern match(const char* xftname, const FcCharSet* cs) {
  pattern p(FcNameParse(reinterpret_cast<const FcChar8*>(xftname + 1)), FcPatternDestroy);
  if (!p) return pattern(nullptr, FcPatternDestroy);
  if (cs) FcPatternAddCharSet(p.get(), FC_CHARSET, cs);
  FcConfigSubstitute(nullptr, p.get(), FcMatchPattern);
  FcDefaultSubstitute(p.get());
  FcResult r;
  return pattern(FcFontMatch(nullptr, p.get(), &r), FcPatternDestroy);
}

// The toolkit's fonts made here, by family, and the next free number.
std::map<std::string, Fl_Font> made;
Fl_Font next = FL_FREE_FONT;

// The fonts of the toolkit's fonts, by number, as fontconfig picks them.
std::map<Fl_Font, pattern> own;

}  // namespace

// Every font the toolkit may pick has the ASCII letters: such a text keeps
// base without asking fontconfig.
Fl_Font fieldfont(std::string_view text, Fl_Font base) {
  bool ascii = true;
  for (char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) return base;
  charset cs = letters(text);
  if (FcCharSetCount(cs.get()) == 0 || !FcInit()) return base;
  const char* name = Fl::get_font(base);
  if (!name || !*name) return base;
  auto it = own.find(base);
  if (it == own.end()) it = own.emplace(base, match(name, nullptr)).first;
  FcCharSet* has = nullptr;
  if (it->second && FcPatternGetCharSet(it->second.get(), FC_CHARSET, 0, &has) == FcResultMatch &&
      FcCharSetIsSubset(cs.get(), has))
    return base;
  pattern best = match(name, cs.get());
  FcChar8* family = nullptr;
  if (!best || FcPatternGetString(best.get(), FC_FAMILY, 0, &family) != FcResultMatch) return base;
  // The style letter of base, then the family.
  std::string xft = name[0] + std::string(reinterpret_cast<const char*>(family));
  auto [at, added] = made.emplace(xft, next);
  if (added) {
    Fl::set_font(next, at->first.c_str());
    next = static_cast<Fl_Font>(next + 1);
  }
  return at->second;
}

void scriptinput::draw() {
  textfont(fieldfont(value(), base));
  Fl_Input::draw();
}
