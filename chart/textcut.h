// The cut of a name or place to the record's 23 bytes: at a boundary between
// the letters a reader sees (grapheme clusters, by utf8proc), never inside
// one, so that a Tamil letter keeps its virama and a Devanagari consonant its
// vowel sign. One cut for the dialog's commit, its fields as they are typed,
// Find and the import.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/zodiac.h"

// The length of the longest start of s, at most max bytes, that ends at a
// grapheme boundary. A byte that is not part of valid UTF-8 is a letter of
// its own, as the page draws it.
std::size_t cutlen(std::string_view s, std::size_t max = textmax);

// The first cutlen(s) bytes of s.
std::string cuttext(std::string_view s);

// A text field just edited, cursor (a byte offset) after what was typed or
// pasted: when text is longer than max bytes, what stands before the cursor
// is cut so that the text after it, which fitted before the edit, stays
// whole; cursor then moves to the end of the cut part. A typed letter that
// does not fit is so dropped, and a vowel sign or virama that does not fit
// takes its consonant with it.
std::string fittyped(std::string_view text, std::size_t& cursor, std::size_t max = textmax);
