#!/usr/bin/python3
"""The PNG page against the window: the start-up chart in the real window
under a private Xvfb server, and the same chart written by vornak-chart --png,
have their dark pixels (lines, and texts too) in the same places below the
header, whose date line the window writes in its own form.
Usage: pagewindow_test.py VORNAK VORNAK_CHART. Exits 77 without Xvfb."""
import glob
import io
import os
import subprocess
import sys
import time

from PIL import Image

vornak, prog = sys.argv[1:3]
# The start-up chart at the fixed clock: the moment as Universal Time at 0, 0.
LINE = b"Prasna                 Dec 05, 202612:22:00 PM    +00:00000W00'00 00N00'00 Nowhere                \n"
PAGE_X, PAGE_Y, WIDTH, HEIGHT, BELOW_HEADER = 8, 20, 736, 400, 44  # the visible page in the window

try:
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    display = xvfb.stdout.readline().decode().strip()
except OSError:
    display = ""
if not display:
    print("skipped: Xvfb cannot be started")
    sys.exit(77)
# libfaketime preloaded directly (its wrapper leaves a semaphore behind when
# killed); under AddressSanitizer it comes before the sanitizer's runtime.
env = dict(os.environ, DISPLAY=":" + display, TZ="UTC", FAKETIME="@2026-12-05 12:22:00",
           LD_PRELOAD=glob.glob("/usr/lib/*/faketime/libfaketime.so.1")[0],
           ASAN_OPTIONS="detect_leaks=0:verify_asan_link_order=0")
app = subprocess.Popen([vornak], env=env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
try:
    wid = subprocess.run(["timeout", "20", "xdotool", "search", "--sync", "--name", "^Vornak$"],
                         env=env, capture_output=True, text=True).stdout.split()[0]
    for _ in range(50):  # until the chart's top-left corner is drawn
        shot = subprocess.run(["import", "-window", wid, "png:-"], env=env, capture_output=True).stdout
        win = Image.open(io.BytesIO(shot)).convert("L")
        if win.getpixel((PAGE_X + 8, PAGE_Y + 52)) < 128:
            break
        time.sleep(0.1)
finally:
    app.kill()
    xvfb.kill()
png = subprocess.run([prog, "--png", "-", "-"], input=LINE, capture_output=True, check=True).stdout
page = Image.open(io.BytesIO(png)).convert("L")

differ = [(x, y) for y in range(BELOW_HEADER, HEIGHT) for x in range(WIDTH)
          if (win.getpixel((PAGE_X + x, PAGE_Y + y)) < 128) != (page.getpixel((x, y)) < 128)]
dark = sum(page.getpixel((x, y)) < 128 for y in range(BELOW_HEADER, HEIGHT) for x in range(WIDTH))
print("%d dark pixels in the PNG, %d differ from the window: %s" % (dark, len(differ), differ[:8]))
sys.exit(1 if differ or dark < 3000 else 0)
