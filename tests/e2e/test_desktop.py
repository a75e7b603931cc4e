# What a desktop reads from the windows (xprop): WM_CLASS "vornak", "Vornak",
# whose class the desktop entry names as StartupWMClass, and as _NET_WM_ICON
# the pixels of the installed icon dist/vornak.png, on the main window and on
# a dialog; the toolkit's -name switch names the main window instead.
import os
import subprocess

from PIL import Image

import harness


def xprop(s, wid, *args):
    return subprocess.run(["xprop", "-notype", "-id", str(wid)] + list(args), env=s.env,
                          check=True, capture_output=True, text=True,
                          timeout=harness.TIMEOUT).stdout


def test_class_and_icon():
    # dist/vornak.png as _NET_WM_ICON holds it: width, height, then one ARGB
    # number a pixel, row by row.
    png = Image.open(os.path.join(harness.TOP, "dist", "vornak.png")).convert("RGBA")
    harness.check(png.size == (48, 48), "dist/vornak.png is %s" % (png.size,))
    icon = [*png.size] + [a << 24 | r << 16 | g << 8 | b for r, g, b, a in png.getdata()]
    entry = open(os.path.join(harness.TOP, "dist", "vornak.desktop")).read()
    harness.check("\nStartupWMClass=Vornak\n" in entry, "the desktop entry names another class")
    with harness.Session() as s:
        s.menu("New")
        for wid in (s.wid, s.find("Chart Data")):
            wmclass = xprop(s, wid, "WM_CLASS")
            harness.check(wmclass == 'WM_CLASS = "vornak", "Vornak"\n', wmclass)
            shown = xprop(s, wid, "-f", "_NET_WM_ICON", "32c", "_NET_WM_ICON")
            harness.check(shown == "_NET_WM_ICON = %s\n" % ", ".join(map(str, icon)),
                          "the icon is not dist/vornak.png: %s..." % shown[:80])


def test_name_switch():
    with harness.Session(["-name", "charts"]) as s:
        wmclass = xprop(s, s.wid, "WM_CLASS")
        harness.check(wmclass == 'WM_CLASS = "charts", "Charts"\n', wmclass)


harness.run(test_class_and_icon, test_name_switch)
