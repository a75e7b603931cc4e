// The windows' class and icon, as the desktop reads them.
#include "gui/desktop.h"

#include <FL/Fl_PNG_Image.H>
#include <FL/Fl_Window.H>

#include "vornakpng.h"  // vornak_png: dist/vornak.png byte for byte, made by CMake

void setdesktopclass() {
  Fl_Window::default_xclass("vornak");
  Fl_PNG_Image icon("vornak.png", vornak_png, sizeof vornak_png);
  if (icon.fail() == 0) Fl_Window::default_icon(&icon);  // the toolkit keeps its own copy
}
