#!/usr/bin/python3
"""vornak-chart's page files against the recorder's log of the same page: the
PNG's dark pixels, the SVG's elements, the PDF's pages and texts; and the
runs that must write nothing.
Usage: pagefile_test.py VORNAK_CHART PAGELOG SAMPLES_FILE"""
import io
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

from PIL import Image

prog, pagelog, samples = sys.argv[1:4]
lines = open(samples, "rb").read().decode().splitlines()
failed = 0


def check(cond, what):
    global failed
    if not cond:
        failed += 1
        print("FAILED:", what)


def run(*args, cwd=None):
    return subprocess.run([prog, *args], capture_output=True, timeout=60, cwd=cwd)


def log(n, north=False):
    out = subprocess.run([pagelog, lines[n]] + (["north"] if north else []),
                         capture_output=True, check=True).stdout.decode()
    segs = [tuple(map(int, l.split()[1:])) for l in out.splitlines() if l.startswith("line ")]
    texts = [(m[1], int(m[2]), int(m[3])) for m in re.finditer(r'^text "(.*)" (\d+) (\d+)$', out, re.M)]
    return segs, texts


def along(seg):
    x0, y0, x1, y1 = seg
    n = max(abs(x1 - x0), abs(y1 - y0))
    return [(x0 + round((x1 - x0) * t / n), y0 + round((y1 - y0) * t / n)) for t in range(n + 1)]


# PNG at 1x: every pixel of every logged line is dark; the South chart's open
# centre is white. At 2x and 3x a line fills whole device pixels: the K rows
# under the top border are black, the rows beside them white.
for north in (False, True):
    segs, _ = log(1, north)
    r = run("--png", "-", "--line", "1", *(["--north"] if north else []), samples)
    img = Image.open(io.BytesIO(r.stdout)).convert("L")
    check(r.returncode == 0 and img.size == (760, 600), "png north=%s: %s" % (north, r.stderr))
    light = [(s, p) for s in segs for p in along(s) if img.getpixel(p) > 100]
    check(not light, "png north=%s: light pixels on lines: %s" % (north, light[:5]))
img = Image.open(io.BytesIO(run("--png", "-", "--line", "1", samples).stdout)).convert("L")
check(all(img.getpixel((x, y)) == 255 for x in range(99, 278) for y in range(143, 322)),
      "png: the South chart's open centre is not white")
for k in (2, 3):
    img = Image.open(io.BytesIO(run("--png", "-", "--scale", str(k), "--line", "1", samples).stdout)).convert("L")
    col = [img.getpixel((200 * k, 52 * k + d)) for d in range(-1, k + 1)]
    check(img.size == (760 * k, 600 * k) and col == [255] + [0] * k + [255], "scale %d: %s" % (k, col))

# SVG: one line element per logged line, one text per logged text, in order.
segs, texts = log(2)
svg = ET.fromstring(run("--svg", "-", "--line", "2", samples).stdout)
ns = "{http://www.w3.org/2000/svg}"
got = [tuple(int(e.get(a)) for a in ("x1", "y1", "x2", "y2")) for e in svg.iter(ns + "line")]
check(got == segs, "svg lines: %s" % got[:3])
got = [(e.text, int(e.get("x")), int(e.get("y"))) for e in svg.iter(ns + "text")]
check(got == texts, "svg texts: %s" % [(a, b) for a, b in zip(got, texts) if a != b][:3])

with tempfile.TemporaryDirectory() as d:
    # PDF of the sample file with a bad line in it: status 1, a page per good
    # chart, each page holding the words of that chart's plain output.
    bad = os.path.join(d, "bad.vnk")
    open(bad, "w").write("\n".join(lines[:2] + ["not a chart"] + lines[2:]) + "\n")
    pdf = os.path.join(d, "all.pdf")
    r = run("--pdf", pdf, bad)
    check(r.returncode == 1 and b"line 2" in r.stderr, "pdf bad line: %s" % r.stderr)
    info = subprocess.run(["pdfinfo", pdf], capture_output=True).stdout.decode()
    check(re.search(r"Pages:\s+%d\n" % len(lines), info), "pdf pages: %s" % info)
    for page, n in enumerate(range(len(lines)), 1):
        text = subprocess.run(["pdftotext", "-f", str(page), "-l", str(page), pdf, "-"],
                              capture_output=True).stdout.decode()
        flat = "".join(text.split())
        words = run("--line", str(n), samples).stdout.decode().split()
        check(all(w in flat for w in words), "pdf page %d lacks %s" % (
            page, [w for w in words if w not in flat][:5]))

    # Failures write nothing and keep what was there: several charts for one
    # PNG, a directory where the file should go, a path in no directory.
    keep = os.path.join(d, "keep.png")
    open(keep, "w").write("old")
    os.mkdir(os.path.join(d, "dir.svg"))
    for args, say in [(["--png", keep, samples], b"--line N"),
                      (["--svg", os.path.join(d, "dir.svg"), "--line", "0", samples], b"dir.svg: cannot write"),
                      (["--pdf", os.path.join(d, "no", "x.pdf"), samples], b"x.pdf: cannot write")]:
        r = run(*args)
        check(r.returncode == 2 and say in r.stderr, "%s: %d %s" % (args, r.returncode, r.stderr))
    check(sorted(os.listdir(d)) == ["all.pdf", "bad.vnk", "dir.svg", "keep.png"]
          and open(keep).read() == "old", "files left: %s" % os.listdir(d))

print("failed" if failed else "passed")
sys.exit(1 if failed else 0)
