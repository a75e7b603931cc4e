"""The chart square's lines as the main window shows them, for screenshot checks.

Segments are in page pixels (the page's top-left corner is at window (8, 20)
before scrolling); only the part inside the visible scroll area is sampled.
"""

from harness import check

PAGE_X, PAGE_Y = 8, 20          # the page's corner in window coordinates
VIEW_TOP, VIEW_BOTTOM = 20, 420  # the scroll area's rows
VIEW_RIGHT = 744                 # the vertical scroll bar starts here

X, Y = 8, 52  # the chart square's corner on the page; side 360


def seg(x0, y0, x1, y1):
    return (X + x0, Y + y0, X + x1, Y + y1)


BORDER = [seg(0, 0, 360, 0), seg(0, 0, 0, 360), seg(0, 360, 360, 360), seg(360, 0, 360, 360)]

# The South grid: two full lines each way, the short dividers of the
# top and bottom rows and of the left and right columns; the centre stays open.
SOUTH = [seg(90, 0, 90, 360), seg(0, 90, 360, 90), seg(270, 0, 270, 360), seg(0, 270, 360, 270),
         seg(180, 0, 180, 90), seg(180, 270, 180, 360), seg(0, 180, 90, 180),
         seg(270, 180, 360, 180)]

# The North chart: the two diagonals and the diamond through the side midpoints.
NORTH = [seg(0, 0, 359, 359), seg(0, 359, 359, 0), seg(180, 0, 0, 180), seg(0, 180, 180, 359),
         seg(180, 359, 359, 180), seg(180, 0, 359, 180)]

# Points inside the South chart's open centre, away from every South line.
SOUTH_CENTRE = [(X + x, Y + y) for x in range(100, 270, 12) for y in range(100, 270, 12)]


def samples(segment, scroll=0, step=6, margin=4, bottom=VIEW_BOTTOM):
    """Window points along a segment, every step pixels, ends left out."""
    x0, y0, x1, y1 = segment
    n = max(abs(x1 - x0), abs(y1 - y0))
    points = []
    for t in range(margin, n - margin + 1, step):
        px = x0 + (x1 - x0) * t // n
        py = y0 + (y1 - y0) * t // n
        wx, wy = PAGE_X + px, PAGE_Y + py - scroll
        if VIEW_TOP <= wy < bottom and 0 <= wx < VIEW_RIGHT:
            points.append((wx, wy))
    return points


def dark_near(img, x, y, slack):
    return any(img.dark(x + dx, y + dy)
               for dx in range(-slack, slack + 1) for dy in range(-slack, slack + 1))


def assert_lines(img, segments, scroll=0, slack=0, what="line", bottom=VIEW_BOTTOM):
    """Every visible sample of every segment is dark; returns the number checked.
    bottom: the first window row below the visible scroll area."""
    checked = 0
    for s in segments:
        for x, y in samples(s, scroll, bottom=bottom):
            check(dark_near(img, x, y, slack),
                  "%s %s (page) scrolled by %d: no line at window (%d, %d), pixel %s" % (
                      what, s, scroll, x, y, img.pixel(x, y)))
            checked += 1
    return checked


def assert_no_lines(img, segments, scroll=0, what="line"):
    """No segment is drawn: fewer than half its visible samples are dark."""
    for s in segments:
        points = samples(s, scroll)
        dark = sum(1 for x, y in points if img.dark(x, y))
        check(not points or dark * 2 < len(points),
              "%s %s (page) is drawn but should not be: %d of %d samples dark" % (
                  what, s, dark, len(points)))


def assert_white(img, points, scroll=0, what="point"):
    for px, py in points:
        wx, wy = px + PAGE_X, py + PAGE_Y - scroll
        if VIEW_TOP <= wy < VIEW_BOTTOM:
            check(img.white(wx, wy), "%s (%d, %d) of the page is not white at window (%d, %d): %s" % (
                what, px, py, wx, wy, img.pixel(wx, wy)))
