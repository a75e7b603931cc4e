// Folding of place names and queries for the search.
#include "atlas/fold.h"

namespace {

// Base letters of U+00C0 to U+017F, from their Unicode decompositions, with
// the letters that have none spelt out (ø o, ł l, þ th, ß ss, æ ae, œ oe);
// "" keeps the character (the signs × and ÷).
// clang-format off
const char* const latinbase[192] = {
  "a","a","a","a","a","a","ae","c","e","e","e","e","i","i","i","i",
  "d","n","o","o","o","o","o","","o","u","u","u","u","y","th","ss",
  "a","a","a","a","a","a","ae","c","e","e","e","e","i","i","i","i",
  "d","n","o","o","o","o","o","","o","u","u","u","u","y","th","y",
  "a","a","a","a","a","a","c","c","c","c","c","c","c","c","d","d",
  "d","d","e","e","e","e","e","e","e","e","e","e","g","g","g","g",
  "g","g","g","g","h","h","h","h","i","i","i","i","i","i","i","i",
  "i","i","ij","ij","j","j","k","k","k","l","l","l","l","l","l","l",
  "l","l","l","n","n","n","n","n","n","n","n","n","o","o","o","o",
  "o","o","oe","oe","r","r","r","r","r","r","s","s","s","s","s","s",
  "s","s","t","t","t","t","t","t","u","u","u","u","u","u","u","u",
  "u","u","u","u","w","w","y","y","y","z","z","z","z","z","z","s",
};
// clang-format on

// Writes code point c (U+0080 to U+07FF) as UTF-8 at o; returns the end.
char* pututf8(char* o, char32_t c) {
  *o++ = char(0xC0 | (c >> 6));
  *o++ = char(0x80 | (c & 0x3F));
  return o;
}

// Writes the folded form of the two-byte character c (U+0080 to U+07FF) at
// o, never more than two bytes; returns the end.
char* foldtwo(char* o, char32_t c) {
  if (c >= 0xC0 && c < 0x180 && latinbase[c - 0xC0][0] != 0) {
    for (const char* b = latinbase[c - 0xC0]; *b; ++b) *o++ = *b;
    return o;
  }
  if (c >= 0x218 && c <= 0x21B) {  // Romanian s and t with comma
    *o++ = c < 0x21A ? 's' : 't';
    return o;
  }
  if (c >= 0x300 && c < 0x370) return o;  // combining accents
  if ((c >= 0x391 && c <= 0x3A9) || (c >= 0x410 && c <= 0x42F)) return pututf8(o, c + 0x20);
  if (c >= 0x400 && c <= 0x40F) return pututf8(o, c + 0x50);  // Cyrillic Ѐ to Џ
  return pututf8(o, c);
}

}  // namespace

char* foldraw(char* o, std::string_view s) {
  char* const begin = o;
  const auto blank = [&] {
    if (o > begin && o[-1] != ' ') *o++ = ' ';
  };
  for (size_t i = 0; i < s.size(); ++i) {
    const unsigned char b = s[i];
    if ((b >= 'a' && b <= 'z') || (b >= 0x80 && b < 0xC0) || b >= 0xE3) {
      *o++ = char(b);  // kept: small letters, and the bytes of 3- and 4-byte characters
    } else if (b < 0x80) {
      if (b >= 'A' && b <= 'Z')
        *o++ = char(b + 32);
      else if (b == ' ' || b == '-' || b == '_' || b == '\t')
        blank();
      else if (b != '.' && b != '\'' && b != '`')
        *o++ = char(b);
    } else if ((b & 0xE0) == 0xC0 && i + 1 < s.size() && (s[i + 1] & 0xC0) == 0x80) {
      o = foldtwo(o, char32_t(b & 0x1F) << 6 | (s[i + 1] & 0x3F));
      ++i;
    } else if (b == 0xE2 && s.substr(i, 3) == "\xE2\x80\x99") {  // ’
      i += 2;
    } else {
      *o++ = char(b);
    }
  }
  if (o > begin && o[-1] == ' ') --o;
  return o;
}

std::string foldtext(std::string_view s) {
  std::string out(s.size(), '\0');
  out.resize(foldraw(&out[0], s) - &out[0]);
  return out;
}
