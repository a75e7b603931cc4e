#!/usr/bin/python3
"""The PNG page against the window: the start-up chart in the real window
under a private Xvfb server, and the same chart's line written with
vornak-chart --png, have their dark line pixels in the same places.
Usage: pagewindow_test.py VORNAK VORNAK_CHART PAGELOG. Exits 77 without Xvfb."""
import os
import shutil
import subprocess
import sys
import tempfile
import time

from PIL import Image

vornak, prog, pagelog = sys.argv[1:4]
# The start-up chart at the fixed clock: the moment as Universal Time at 0, 0.
LINE = "Prasna                 Dec 05, 202612:22:00 PM    +00:00000W00'00 00N00'00 Nowhere                "
PAGE_X, PAGE_Y, WIDTH, HEIGHT = 8, 20, 736, 400  # the visible page in the window

if not shutil.which("Xvfb"):
    print("skipped: no Xvfb")
    sys.exit(77)
procs = []
try:
    for n in range(90, 120):
        if not os.path.exists("/tmp/.X11-unix/X%d" % n) and not os.path.exists("/tmp/.X%d-lock" % n):
            break
    env = dict(os.environ, DISPLAY=":%d" % n, TZ="UTC", ASAN_OPTIONS="detect_leaks=0")
    procs.append(subprocess.Popen(["Xvfb", ":%d" % n, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                                  stderr=subprocess.DEVNULL))
    for _ in range(50):
        if os.path.exists("/tmp/.X11-unix/X%d" % n):
            break
        time.sleep(0.1)
    else:
        print("skipped: Xvfb did not start")
        sys.exit(77)
    procs.append(subprocess.Popen(["faketime", "2026-12-05 12:22:00", vornak], env=env,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    wid = subprocess.run(["timeout", "20", "xdotool", "search", "--sync", "--name", "^Vornak$"],
                         env=env, capture_output=True, text=True).stdout.split()[0]
    with tempfile.TemporaryDirectory() as d:
        shot = os.path.join(d, "shot.png")
        for _ in range(50):  # until the chart's top-left corner is drawn
            subprocess.run(["import", "-window", wid, shot], env=env, check=True)
            win = Image.open(shot).convert("L")
            if win.getpixel((PAGE_X + 8, PAGE_Y + 52)) < 128:
                break
            time.sleep(0.1)
        png = os.path.join(d, "page.png")
        subprocess.run([prog, "--png", png, "-"], input=(LINE + "\n").encode(), check=True)
        page = Image.open(png).convert("L")
finally:
    for p in reversed(procs):
        p.kill()
        p.wait()

log = subprocess.run([pagelog, LINE], capture_output=True, text=True, check=True).stdout
segs = [tuple(map(int, l.split()[1:])) for l in log.splitlines() if l.startswith("line ")]
# Every pixel on a line and beside it, within the visible page.
band = set()
for x0, y0, x1, y1 in segs:
    n = max(abs(x1 - x0), abs(y1 - y0))
    for t in range(n + 1):
        x, y = x0 + round((x1 - x0) * t / n), y0 + round((y1 - y0) * t / n)
        band.update((x + dx, y + dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1))
band = [(x, y) for x, y in band if 0 <= x < WIDTH and 0 <= y < HEIGHT]
differ = [(x, y) for x, y in band
          if (win.getpixel((PAGE_X + x, PAGE_Y + y)) < 128) != (page.getpixel((x, y)) < 128)]
dark = sum(page.getpixel(p) < 128 for p in band)
print("%d line pixels compared, %d dark, %d differ %s" % (len(band), dark, len(differ), differ[:8]))
sys.exit(1 if differ or dark < 1000 else 0)
