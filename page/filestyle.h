// What the file canvases share: the page's texts and its one font as the
// window shows them. The page is black on white.
#pragma once

#include <string>
#include <string_view>

// The text as valid UTF-8 with the characters the toolkit shows for it: a
// valid UTF-8 sequence stays; every other byte is read as Windows-1252, as
// FLTK 1.3 reads it (0xE9 is é, 0x80 is €). Control bytes and the five
// bytes that Windows-1252 leaves undefined become U+FFFD, since an SVG (XML)
// cannot hold them and a font has no glyph for them.
std::string drawntext(std::string_view text);

// The family that stands in for the page's one face, the toolkit's
// Helvetica, as the window's font configuration picks it on this system.
constexpr const char* pagefamily = "DejaVu Sans";
