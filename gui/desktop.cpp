// The windows' class and icon, as the desktop reads them.
#include "gui/desktop.h"

#include <dlfcn.h>

#include <cctype>
#include <string>

#include <FL/Fl_PNG_Image.H>
#include <FL/Fl_Window.H>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include "vornakpng.h"  // vornak_png: dist/vornak.png byte for byte, made by CMake

void setdesktopclass() {
  Fl_Window::default_xclass("vornak");
  Fl_PNG_Image icon("vornak.png", vornak_png, sizeof vornak_png);
  if (icon.fail() == 0) Fl_Window::default_icon(&icon);  // the toolkit keeps its own copy
}

namespace {

// The WM_CLASS value "name\0class\0" with the class made the name again,
// when the class is the name as FLTK capitalises it: its first letter in
// upper case, and the second too when the first is an X ("vornak" gives
// "Vornak", "xterm" "XTerm"). Otherwise "".
std::string sameclass(const unsigned char* data, int n) {
  std::string v(reinterpret_cast<const char*>(data), static_cast<std::size_t>(n));
  std::size_t end = v.find('\0');
  if (end == 0 || end == std::string::npos || v.size() != 2 * end + 2 || v.back() != '\0')
    return "";
  std::string name = v.substr(0, end), cls = name;
  cls[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(cls[0])));
  if (cls[0] == 'X' && cls.size() > 1)
    cls[1] = static_cast<char>(std::toupper(static_cast<unsigned char>(cls[1])));
  if (cls == name || v.compare(end + 1, end, cls) != 0) return "";
  return name + '\0' + name + '\0';
}

}  // namespace

// FLTK 1.3 writes a window's WM_CLASS itself, just before it maps the
// window, as the window's class and that class capitalised ("vornak",
// "Vornak"), and offers no way to write it otherwise; but the desktop entry's
// StartupWMClass names "vornak", and both halves are to be "vornak" (with
// -name charts, "charts" both). So the program defines Xlib's
// XChangeProperty itself: the dynamic linker binds the toolkit's calls (and
// Xlib's own) to this one before the library's, and it passes every call on
// to the library's unchanged except that value of WM_CLASS, which goes out in
// the same request with the class written as the name. Rewriting the
// property after the window is mapped would race the window manager, which
// reads it when the window maps.
extern "C" int XChangeProperty(Display* d, Window w, Atom property, Atom type, int format, int mode,
                               const unsigned char* data, int n) {
  using changeproperty = int (*)(Display*, Window, Atom, Atom, int, int, const unsigned char*, int);
  static const auto xlib = reinterpret_cast<changeproperty>(dlsym(RTLD_NEXT, "XChangeProperty"));
  if (!xlib) return BadImplementation;
  std::string v;
  if (property == XA_WM_CLASS && format == 8 && data && n > 0 && !(v = sameclass(data, n)).empty())
    return xlib(d, w, property, type, format, mode,
                reinterpret_cast<const unsigned char*>(v.data()), static_cast<int>(v.size()));
  return xlib(d, w, property, type, format, mode, data, n);
}
