// Texts folded for the place search: case, accents and punctuation ignored.
#pragma once

#include <string>
#include <string_view>

// Appends s folded for searching to out: Unicode case folding and
// compatibility decomposition with the marks stripped (utf8proc), in every
// script ("São" sao, "ΘΕΣΣΑΛΟΝΙΚΗ" θεσσαλονικη, "ﬁ" fi); the Latin letters
// that have no decomposition to their base letters (ø o, ł l, đ d, þ th, æ
// ae, œ oe); periods, apostrophes and quotes dropped; other punctuation,
// symbols and blanks as one blank, none at either end. The usual
// abbreviations St, Ste, Sta, Sto, Mt and Ft become Saint, Sainte, Santa,
// Santo, Mount and Fort when a period or another word follows them, so that
// "St. Louis" and "Saint Louis" fold alike while "St" typed alone is still
// the start of "Stuttgart". Bytes that are not valid UTF-8 are kept.
void foldto(std::string& out, std::string_view s);

// s folded as foldto does.
std::string foldtext(std::string_view s);
