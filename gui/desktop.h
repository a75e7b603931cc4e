// How the desktop knows Vornak's windows.
#pragma once

// Gives every window created afterwards the X class "vornak", which the
// toolkit writes as WM_CLASS "vornak", "Vornak" (the desktop entry's
// StartupWMClass names the second), and the installed icon's pixels
// (dist/vornak.png). Call before the first window is shown.
void setdesktopclass();
