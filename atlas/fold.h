// Texts folded for the place search: case, accents and punctuation ignored.
#pragma once

#include <string>
#include <string_view>

// Writes s folded for searching at o, which has room for s.size() bytes
// (folding never makes a text longer); returns the end of what it wrote.
// ASCII letters to lower case; Latin letters with accents to their base
// letters (São to sao, ß to ss, ł to l); Greek and Cyrillic capitals to
// small letters; combining accents dropped; hyphens and underscores to
// blanks; periods and apostrophes dropped; runs of blanks to one, none at
// either end. Other bytes are kept as they are, so a text in another script
// matches the same text.
char* foldraw(char* o, std::string_view s);

// s folded as foldraw does.
std::string foldtext(std::string_view s);
