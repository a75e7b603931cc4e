#include "gui/desktop.h"

#include <FL/Fl_PNG_Image.H>
#include <FL/Fl_Window.H>

#include "vornakpng.h"  // vornak_png: dist/vornak.png byte for byte, made by CMake

void setdesktopclass() {
  // FLTK writes WM_CLASS as the name and the name with its first letter
  // capitalised: "vornak", "Vornak".
  Fl_Window::default_xclass("vornak");
  Fl_PNG_Image icon("vornak.png", vornak_png, sizeof vornak_png);
  if (icon.fail() == 0) Fl_Window::default_icon(&icon);  // the toolkit keeps its own copy
}
