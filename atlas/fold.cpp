// Folding of place names and queries for the search, on utf8proc.
#include "atlas/fold.h"

#include <utf8proc.h>

#include <cstdint>
#include <iterator>

namespace {

// The Latin letters that Unicode gives no decomposition, as their base
// letters; utf8proc has already folded their case.
const struct {
  char32_t c;
  const char* base;
} nodecomp[] = {
    {U'ø', "o"}, {U'ł', "l"},  {U'đ', "d"},  {U'ð', "d"},  {U'ħ', "h"}, {U'ŧ', "t"},
    {U'ı', "i"}, {U'þ', "th"}, {U'æ', "ae"}, {U'œ', "oe"}, {U'ŀ', "l"},
};

// Abbreviations written before a name, and the words they stand for.
const struct {
  const char* abbr;
  const char* word;
} abbrs[] = {
    {"st", "saint"},  {"ste", "sainte"}, {"sta", "santa"},
    {"sto", "santo"}, {"mt", "mount"},   {"ft", "fort"},
};

// What a code point does to the folded text.
enum class role { letter, drop, blank };

role roleof(utf8proc_int32_t c) {
  if (c == '.' || c == '\'' || c == '`' || c == 0x2019 || c == 0x2018 || c == 0x02BC || c == 0x02BB)
    return role::drop;
  switch (utf8proc_category(c)) {
    case UTF8PROC_CATEGORY_MN:
    case UTF8PROC_CATEGORY_MC:
    case UTF8PROC_CATEGORY_ME:
    case UTF8PROC_CATEGORY_CF:
      return role::drop;
    case UTF8PROC_CATEGORY_LU:
    case UTF8PROC_CATEGORY_LL:
    case UTF8PROC_CATEGORY_LT:
    case UTF8PROC_CATEGORY_LM:
    case UTF8PROC_CATEGORY_LO:
    case UTF8PROC_CATEGORY_ND:
    case UTF8PROC_CATEGORY_NL:
    case UTF8PROC_CATEGORY_NO:
      return role::letter;
    default:
      return role::blank;
  }
}

// Appends code point c, folded, to out.
void putfolded(std::string& out, utf8proc_int32_t c) {
  utf8proc_int32_t d[32];
  const utf8proc_ssize_t n = utf8proc_decompose_char(
      c, d, utf8proc_ssize_t(std::size(d)),
      utf8proc_option_t(UTF8PROC_DECOMPOSE | UTF8PROC_COMPAT | UTF8PROC_CASEFOLD |
                        UTF8PROC_STRIPMARK | UTF8PROC_IGNORE),
      nullptr);
  if (n < 0 || n > utf8proc_ssize_t(std::size(d))) return;
  for (utf8proc_ssize_t i = 0; i < n; ++i) {
    const utf8proc_int32_t x = d[i];
    if (x < 0x80) {
      if (roleof(x) == role::letter) out += char(x);
      continue;
    }
    if (roleof(x) != role::letter) continue;
    const char* base = nullptr;
    for (const auto& l : nodecomp)
      if (utf8proc_int32_t(l.c) == x) base = l.base;
    if (base) {
      out += base;
    } else {
      utf8proc_uint8_t b[4];
      out.append(reinterpret_cast<const char*>(b), size_t(utf8proc_encode_char(x, b)));
    }
  }
}

// Replaces the word of out from at, when it is an abbreviation, by its
// word; false when it is none.
bool expand(std::string& out, size_t at) {
  if (out.size() - at < 2 || out.size() - at > 3) return false;  // as the abbreviations
  for (const auto& a : abbrs) {
    if (out.compare(at, std::string::npos, a.abbr) == 0) {
      out.replace(at, out.size() - at, a.word);
      return true;
    }
  }
  return false;
}

// A code point below the CJK ideographs as it folds, remembered at its
// first sight: reading the atlas folds some 200,000 names.
struct foldedcp {
  uint8_t state;  // 0 not yet seen, 1 remembered, 2 too long to keep
  role r;
  uint8_t n;  // the folded bytes' count
  char b[5];
};
constexpr utf8proc_int32_t remembered = 0x3400;
foldedcp memo[remembered];

// The role of code point c, with its folded bytes in [*bytes, *bytes + *n);
// big holds them when they are not remembered.
role foldcp(utf8proc_int32_t c, const char** bytes, size_t* n, std::string& big) {
  foldedcp* m = c < remembered ? &memo[c] : nullptr;
  if (m && m->state == 1) {
    *bytes = m->b;
    *n = m->n;
    return m->r;
  }
  big.clear();
  const role r = roleof(c);
  if (r == role::letter) putfolded(big, c);
  *bytes = big.data();
  *n = big.size();
  if (m && m->state == 0) {
    m->state = big.size() <= sizeof m->b ? 1 : 2;
    m->r = r;
    m->n = uint8_t(big.size());
    std::copy(big.begin(), big.begin() + long(std::min(big.size(), sizeof m->b)), m->b);
  }
  return r;
}

// Whether c is a CJK ideograph or a Hangul syllable: kept as it is, which
// saves their lookups (the syllables are not taken apart into letters).
bool ideograph(utf8proc_int32_t c) {
  return (c >= 0x3400 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7A3) ||
         (c >= 0x20000 && c <= 0x3FFFF);
}

// The code point of the UTF-8 sequence at p, of at most left bytes, and
// its length in n; -1 with n = 1 when the bytes are not UTF-8.
int32_t decode(const unsigned char* p, size_t left, size_t& n) {
  const unsigned char b = p[0];
  n = b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
  const bool ok = b >= 0xC2 && b <= 0xF4 && left >= n && (p[1] & 0xC0) == 0x80 &&
                  (n < 3 || (p[2] & 0xC0) == 0x80) && (n < 4 || (p[3] & 0xC0) == 0x80) &&
                  !(b == 0xE0 && p[1] < 0xA0) && !(b == 0xED && p[1] >= 0xA0) &&
                  !(b == 0xF0 && p[1] < 0x90) && !(b == 0xF4 && p[1] >= 0x90);
  if (!ok) {
    n = 1;
    return -1;
  }
  if (n == 2) return int32_t(b & 0x1F) << 6 | (p[1] & 0x3F);
  if (n == 3) return int32_t(b & 0x0F) << 12 | int32_t(p[1] & 0x3F) << 6 | (p[2] & 0x3F);
  return int32_t(b & 0x07) << 18 | int32_t(p[1] & 0x3F) << 12 | int32_t(p[2] & 0x3F) << 6 |
         (p[3] & 0x3F);
}

}  // namespace

void foldto(std::string& out, std::string_view s) {
  const size_t begin = out.size();
  size_t word = begin;   // where the last word starts
  bool pending = false;  // a blank is due before the next letter
  const auto* p = reinterpret_cast<const unsigned char*>(s.data());
  size_t left = s.size();
  std::string big;
  while (left > 0) {
    int32_t c = *p;
    size_t n = 1;
    char ascii = char(c);
    const char* bytes = &ascii;
    size_t count = 1;
    role r = role::letter;
    if (c < 0x80) {
      if (c >= 'A' && c <= 'Z')
        ascii = char(c + 32);
      else if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
        r = c == '.' || c == '\'' || c == '`' ? role::drop : role::blank;
    } else if ((c = decode(p, left, n)) < 0) {
      // not UTF-8: the byte kept as it is
    } else if (ideograph(c)) {
      bytes = reinterpret_cast<const char*>(p);
      count = n;
    } else {
      r = foldcp(c, &bytes, &count, big);
    }
    if (r == role::letter) {
      if (pending) {
        expand(out, word);  // another word follows
        out += ' ';
        word = out.size();
        pending = false;
      }
      if (count == 1)
        out += *bytes;
      else
        out.append(bytes, count);
    } else if (out.size() > word && (r == role::blank || (c == '.' && expand(out, word)))) {
      pending = true;
    }
    p += n;
    left -= n;
  }
}

std::string foldtext(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  foldto(out, s);
  return out;
}
