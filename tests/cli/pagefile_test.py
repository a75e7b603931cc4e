#!/usr/bin/python3
# vornak-chart's page files against the recorder's log of the same page: the
# PNG's dark pixels, the SVG's elements, the PDF's pages and texts. (The runs
# that must write nothing are rows of tests/data/chartcmd.txt.)
# Usage: pagefile_test.py VORNAK_CHART PAGELOG SAMPLES_FILE
import io
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

from PIL import Image

from checks import check, done

prog, pagelog, samples = sys.argv[1:4]
lines = open(samples).read().splitlines()


def run(*args, stdin=None):
    return subprocess.run([prog, *args], input=stdin, capture_output=True, timeout=60)


def png(*args):
    r = run("--png", "-", *args, samples)
    check(r.returncode == 0 and not r.stderr, "png %s: %s" % (args, r.stderr[:300]))
    return Image.open(io.BytesIO(r.stdout)).convert("L")


def log(n, *north):
    out = subprocess.run([pagelog, lines[n], *north], capture_output=True, text=True).stdout
    segs = [tuple(map(int, l.split()[1:])) for l in out.splitlines() if l.startswith("line ")]
    return segs, [(t, int(x), int(y)) for t, x, y in re.findall(r'^text "(.*)" (\d+) (\d+)$', out, re.M)]


# PNG at 1x: every pixel along every logged line of the North chart is dark:
# its slanting lines, which the comparison with the window below takes to
# within a pixel, and the lines above and below the part that it compares
# (where it compares the South chart pixel for pixel). At 2x and 3x the top
# border fills exactly the K device rows under it.
img = png("--line", "1", "--north")
light = [(x0 + round((x1 - x0) * t / n), y0 + round((y1 - y0) * t / n))
         for x0, y0, x1, y1 in log(1, "north")[0] for n in [max(abs(x1 - x0), abs(y1 - y0))]
         for t in range(n + 1)]
light = [p for p in light if img.getpixel(p) > 100]
check(img.size == (760, 600) and not light, "png: light pixels on lines %s" % light[:5])
for k in (2, 3):
    img = png("--scale", str(k), "--line", "1")
    col = [img.getpixel((200 * k, 52 * k + d)) for d in range(-1, k + 1)]
    check(img.size == (760 * k, 600 * k) and col == [255] + [0] * k + [255], "scale %d: %s" % (k, col))

# Against the window: docs/south.png and docs/north.png are screenshots of the
# window (the end-to-end tests check that it still draws them pixel for pixel)
# with the start-up chart under their fixed clock. The window draws its page
# as the PNG does, so below the header, whose date line the window writes in
# its own form, the PNG of that chart holds the same pixels; the page is at
# (8, 20), 736 x 400 visible.
start = (b"Prasna                 Dec 05, 202612:22:00 PM    +00:00000W00'00 "
         b"00N00'00 Nowhere                 \n")
docs = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "docs")
for style in ("south", "north"):
    r = run("--png", "-", *(["--north"] if style == "north" else []), "-", stdin=start)
    page = Image.open(io.BytesIO(r.stdout)).convert("L").crop((0, 44, 736, 400))
    win = Image.open(os.path.join(docs, style + ".png")).convert("L").crop((8, 64, 744, 420))
    differ = [(x, y + 44) for y in range(356) for x in range(736)
              if win.getpixel((x, y)) != page.getpixel((x, y))]
    check(not differ, "%s: %d pixels differ from the window: %s" % (style, len(differ), differ[:5]))

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
    # chart, each holding the words of that chart's plain output; no other
    # file left.
    bad, pdf = os.path.join(d, "bad.vnk"), os.path.join(d, "all.pdf")
    open(bad, "w").write("\n".join(lines[:2] + ["not a chart"] + lines[2:]) + "\n")
    r = run("--pdf", pdf, bad)
    check(r.returncode == 1 and b"line 2" in r.stderr, "pdf bad line: %s" % r.stderr)
    # pdftotext ends every page with a form feed.
    pages = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True).stdout.split("\f")
    check(len(pages) == len(lines) + 1, "pdf pages: %d" % (len(pages) - 1))
    for n, page in enumerate(pages[:-1]):
        text = "".join(page.split())
        lacks = [w for w in run("--line", str(n), samples).stdout.decode().split() if w not in text]
        check(not lacks, "pdf page %d lacks %s" % (n + 1, lacks[:5]))
    # The page as large as fits the margins, centred on the A4 sheet: where its
    # first words stand (in points from the top left corner, to a thousandth:
    # the texts' advances are whole 1024ths of a page pixel).
    box = subprocess.run(["pdftotext", "-l", "1", "-bbox", pdf, "-"], capture_output=True, text=True)
    first = re.search(r'<word xMin="([\d.]+)" yMin="([\d.]+)"', box.stdout)
    check(first and abs(float(first[1]) - 438.3867) < 1e-3 and abs(float(first[2]) - 37.5620) < 1e-3,
          "pdf: the page is moved: %s" % (first and first.group(0)))
    # Two --line: a page for each, in the order given (the file written anew).
    r = run("--pdf", pdf, "--line", "3", "--line", "0", samples)
    pages = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True).stdout.split("\f")
    check(r.returncode == 0 and len(pages) == 3 and "Moon Landing" in pages[0] and "J2000" in pages[1],
          "pdf of two lines: %d pages" % (len(pages) - 1))
    check(sorted(os.listdir(d)) == ["all.pdf", "bad.vnk"], "files left: %s" % os.listdir(d))

    # Names in Devanagari (with a conjunct) and Tamil: the PDF embeds a font
    # of each script, and its text gives each name back as it was written.
    names = ["श्री राम", "முருகன்"]
    indic = os.path.join(d, "indic.vnk")
    open(indic, "wb").write(b"".join(
        n.encode() + b" " * (23 - len(n.encode())) + lines[1].encode()[23:] + b"\n" for n in names))
    r = run("--pdf", pdf, indic)
    fonts = subprocess.run(["pdffonts", pdf], capture_output=True, text=True).stdout
    check(r.returncode == 0 and "Devanagari" in fonts and "Tamil" in fonts, "pdf fonts:\n" + fonts)
    pages = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True).stdout.split("\f")
    got = [n for n, p in zip(names, pages) if n in p.split("\n")]
    check(len(pages) == 3 and got == names, "pdf names: %s" % [p[:40] for p in pages])

done()
