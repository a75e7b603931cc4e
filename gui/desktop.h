// How the desktop knows Vornak's windows.
#pragma once

// Gives every window created afterwards the X class "vornak" (WM_CLASS
// "vornak", "vornak"), which the desktop entry names as its
// StartupWMClass, and the installed icon's pixels (dist/vornak.png). Call
// before the first window is shown.
void setdesktopclass();
