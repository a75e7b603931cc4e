# Names in Indian scripts: the window's page is, pixel for pixel, the PNG of
# vornak-chart at the same scale, and no letter of it is a box; in the chart
# list and in the dialog's fields no letter is a box, and the list's columns
# stand where they stand for a Latin name.
import harness

MIDDLE = b"Jan 01, 200005:30:00 PM    -05:30077E12'00 28N36'00 "
NAMES = ["Delhi Noon UT", "श्री राम", "முருகன்"]
PLACES = ["New Delhi", "दिल्ली", "சென்னை"]


def field(text, n):
    b = text.encode()
    return b + b" " * (n - len(b))


LINES = b"".join(field(n, 23) + MIDDLE + field(p, 23) + b"\n" for n, p in zip(NAMES, PLACES))


def boxes(img):
    # The hollow rectangles among the dark shapes of a grey image, as a font
    # draws a letter it lacks (the toolkit's box, Pango's box of hex digits).
    w, h = img.size
    px = img.load()
    seen, found = set(), []
    for y0 in range(h):
        for x0 in range(w):
            if px[x0, y0] >= 128 or (x0, y0) in seen:
                continue
            stack, part = [(x0, y0)], set()
            seen.add((x0, y0))
            while stack:
                x, y = stack.pop()
                part.add((x, y))
                for q in ((x + dx, y + dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                    if 0 <= q[0] < w and 0 <= q[1] < h and q not in seen and px[q] < 128:
                        seen.add(q)
                        stack.append(q)
            xs, ys = [p[0] for p in part], [p[1] for p in part]
            l, t, r, b = min(xs), min(ys), max(xs), max(ys)
            if r - l < 3 or b - t < 5:
                continue
            edge = [(x, y) for x in range(l, r + 1) for y in (t, b)] + \
                   [(x, y) for y in range(t, b + 1) for x in (l, r)]
            inside = [(x, y) for x in range(l + 2, r - 1) for y in range(t + 2, b - 1)]
            if sum(p in part for p in edge) >= 0.9 * len(edge) and \
               sum(p in part for p in inside) <= 0.2 * max(1, len(inside)):
                found.append((l, t, r, b))
    return found


def rows(img):
    # The bands of rows that hold dark pixels, top to bottom.
    dark = [any(img.getpixel((x, y)) < 128 for x in range(img.size[0])) for y in range(img.size[1])]
    bands, start = [], None
    for y, d in enumerate(dark + [False]):
        if d and start is None:
            start = y
        elif not d and start is not None:
            bands.append((start, y))
            start = None
    return bands


def test_list_and_page():
    with harness.Session() as s:
        s.put(LINES)
        s.menu("Open")
        q = s.find("Select Chart")
        # The list's inside, without its frame and scroll bar: an item per
        # name, the first chosen (its colours reversed).
        shot = s.shot(q).convert("L").crop((23, 23, 303, 217))
        items = rows(shot.point(lambda v: 255 - v if v < 60 else v))
        harness.check(len(items) >= 3 and not boxes(shot), "list: %d rows, boxes %s" % (
            len(items), boxes(shot)[:3]))
        # Beyond the name's column, every item shows the same middle as the
        # Latin one, in the same pixels.
        latin = rows(shot.crop((200, 0, 280, shot.size[1])))
        mids = [shot.crop((200, t, 280, b)).tobytes() for t, b in latin]
        harness.check(len(mids) == 3 and mids[1] == mids[2], "list: the columns slip")
        s.keyed(q, "Down", "Return")
        # The page as the window shows it (at (8, 20), 736 x 400) against the
        # PNG of the same chart.
        page = harness.chartpng(LINES, "--line", "1").crop((0, 0, 736, 400))
        win = harness.wait(lambda: (lambda w: w if w.tobytes() == page.tobytes() else None)(
            s.shot().convert("L").crop((8, 20, 744, 420))), "the page of the PNG")
        harness.check(not boxes(win.crop((0, 0, 300, 50))), "page: boxes in the header")
        # The dialog's name and place fields.
        s.menu("Edit")
        d = s.find("Chart Data")
        shot = s.shot(d).convert("L")
        for name, (x, y) in (("name", (42, 12)), ("place", (42, 110))):
            found = boxes(shot.crop((x, y, x + 180, y + 21)))
            harness.check(not found, "dialog: boxes in the %s field: %s" % (name, found[:3]))
        s.button(d, "Cancel")


harness.run(test_list_and_page)
