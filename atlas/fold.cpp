// Folding of place names and queries for the search, on utf8proc.
#include "atlas/fold.h"

#include <utf8proc.h>

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
  for (const auto& a : abbrs) {
    if (out.compare(at, std::string::npos, a.abbr) == 0) {
      out.replace(at, out.size() - at, a.word);
      return true;
    }
  }
  return false;
}

}  // namespace

void foldto(std::string& out, std::string_view s) {
  const size_t begin = out.size();
  size_t word = begin;   // where the last word starts
  bool pending = false;  // a blank is due before the next letter
  const auto* p = reinterpret_cast<const utf8proc_uint8_t*>(s.data());
  utf8proc_ssize_t left = utf8proc_ssize_t(s.size());
  while (left > 0) {
    utf8proc_int32_t c;
    utf8proc_ssize_t n = utf8proc_iterate(p, left, &c);
    if (n < 1) {  // not UTF-8: the byte kept as it is
      n = 1;
      c = -1;
    }
    const role r = c < 0 ? role::letter : roleof(c);
    if (r == role::letter) {
      if (pending) {
        expand(out, word);  // another word follows
        out += ' ';
        word = out.size();
        pending = false;
      }
      if (c < 0)
        out += char(*p);
      else if (c < 0x80)
        out += c >= 'A' && c <= 'Z' ? char(c + 32) : char(c);
      else
        putfolded(out, c);
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
