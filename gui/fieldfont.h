// Fonts for the toolkit's text fields and lists, whatever the script.
#pragma once

#include <string_view>

#include <FL/Enumerations.H>
#include <FL/Fl_Input.H>

// The toolkit's font for showing text in a field or a list item, whose own
// font is base: base itself when its font has every letter of text;
// otherwise the installed font that fontconfig finds to have the most of
// them (Lohit Devanagari for a name in Devanagari), registered with the
// toolkit on first use. FLTK 1.3 draws a field in one font, with no
// fallback and no shaping: a letter that font lacks shows as a box, and an
// Indian script's letters stand side by side as typed, unjoined.
Fl_Font fieldfont(std::string_view text, Fl_Font base);

// A one-line field that shows its text in the font fieldfont chooses for
// it, chosen anew each time it is drawn (as it is after every change).
class scriptinput : public Fl_Input {
 public:
  scriptinput(int x, int y, int w, int h, const char* label = nullptr)
      : Fl_Input(x, y, w, h, label), base(textfont()) {}
  void draw() override;

 private:
  Fl_Font base;  // the field's own font, for texts that it covers
};
