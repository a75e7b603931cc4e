"""The main window at start: its size and title, the South chart's grid where
the page puts it, the white page, the vertical scroll bar and scrolling."""

import harness
import pagelines as pl
from harness import check

vornak, _ = harness.programs()

with harness.session(vornak) as s:
    x, y, w, h = s.geometry()
    check((w, h) == (760, 420), "window size %dx%d, not 760x420" % (w, h))
    check(s.xdo("getwindowname", s.wid).strip() == "Vornak", "window title")
    check([n for _, n in s.windows()] == ["Vornak"], "other windows: %s" % s.windows())

    img = s.shot()
    # The South chart is drawn at start: its border and grid, nothing of the
    # North chart's diagonals, an open white centre.
    n = pl.assert_lines(img, pl.BORDER, what="border")
    n += pl.assert_lines(img, pl.SOUTH, what="South divider")
    check(n > 300, "too few samples checked: %d" % n)
    pl.assert_no_lines(img, pl.NORTH, what="North line")
    pl.assert_white(img, pl.SOUTH_CENTRE, what="open centre")
    # The square's bottom border (page y 412, window y 432) lies below the
    # visible area at start.
    check(not pl.samples(pl.BORDER[2]), "bottom border counted as visible")

    # The page is white up to the scroll bar, the menu bar is not.
    for px in (2, 6, 380, 390, 740):
        check(img.white(px, 30), "page background at (%d, 30): %s" % (px, img.pixel(px, 30)))
    check(not img.white(740, 10), "menu bar should not be white")
    # Nothing is drawn between the menu bar and the header's first line:
    # the view's outside label "chart" is never painted.
    for px in range(0, 740, 3):
        for py in range(20, 23):
            check(img.white(px, py), "stray pixel at (%d, %d): %s" % (px, py, img.pixel(px, py)))

    # A vertical scroll bar at the right edge, and none at the bottom.
    bar = [img.pixel(752, py) for py in range(24, 416, 8)]
    check(all(p != (255, 255, 255) for p in bar), "no vertical scroll bar at x 744..759")
    row = [img.white(px, 416) for px in range(0, 740, 4)]
    check(sum(row) * 2 > len(row), "a horizontal scroll bar at the bottom")

    # Scrolling with the wheel reaches the end of the 600-pixel page: the view
    # moves up by 200 pixels and the layout moves with it.
    s.focus()
    s.xdo("mousemove", "--window", s.wid, 200, 200)
    for _ in range(20):
        s.xdo("click", 5)

    def scrolled():
        shot = s.shot()
        try:
            pl.assert_lines(shot, pl.BORDER + pl.SOUTH, scroll=200)
        except AssertionError:
            return None
        return shot
    img = s.wait_until(scrolled, what="the page to scroll to its end")
    check(pl.samples(pl.BORDER[2], scroll=200), "bottom border should be visible now")
    pl.assert_no_lines(img, pl.NORTH, scroll=200, what="North line")
    pl.assert_white(img, pl.SOUTH_CENTRE, scroll=200, what="open centre")
    check(not img.white(740, 10), "menu bar should stay")

    # And back to the top.
    for _ in range(20):
        s.xdo("click", 4)

    def top():
        shot = s.shot()
        try:
            pl.assert_lines(shot, pl.BORDER[:2] + pl.SOUTH)
        except AssertionError:
            return None
        return shot
    s.wait_until(top, what="the page to scroll back to its top")

    # A taller window shows more of the page, laid out as before, and keeps
    # the vertical scroll bar (the page is 600 pixels, the area at most 580).
    s.xdo("windowsize", s.wid, 760, 600)

    def taller():
        shot = s.shot()
        if shot.height != 600:
            return None
        try:
            pl.assert_lines(shot, pl.BORDER + pl.SOUTH, bottom=600)
        except AssertionError:
            return None
        return shot
    img = s.wait_until(taller, what="the window to grow to 600 pixels")
    check(pl.samples(pl.BORDER[2], bottom=600), "bottom border should be visible")
    check(not img.white(752, 590) and not img.white(752, 30), "scroll bar at 760x600")

    check(s.running(), "the program ended")
print("ok")
