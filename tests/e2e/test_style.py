"""Options > Chart Style...: North and South charts chosen with the mouse.
Only the chart square changes; the radio mark follows the choice."""

import harness
import pagelines as pl
from harness import check

OPTIONS = (77, 10)        # the menu bar's "Options" title
CHART_STYLE = (100, 32)   # its one entry, "Chart Style..."
ENTRY = {"North": (204, 30), "South": (204, 52)}
RADIO = {"North": (169, 31), "South": (169, 52)}  # centre of each radio mark


def open_submenu(s):
    s.click(*OPTIONS)
    s.wait_until(lambda: not s.shot().white(140, 32), what="the Options menu")
    # Pointing at the entry opens its submenu; a click there as well would
    # race with the toolkit's own opening and may close the menus again.
    s.xdo("mousemove", "--window", s.wid, *CHART_STYLE)
    s.wait_until(lambda: not s.shot().white(250, 40), what="the Chart Style submenu")


def closed(img):
    return img.white(140, 32) and img.white(250, 40)


def close_menus(s):
    s.key("Escape")
    s.wait_until(lambda: closed(s.shot()), what="the menus to close")


def marked(img, style):
    x, y = RADIO[style]
    return pl.dark_near(img, x, y, 1)


def choose(s, style):
    open_submenu(s)
    s.click(*ENTRY[style])
    segments = pl.NORTH if style == "North" else pl.SOUTH

    def shown():
        img = s.shot()
        # The menus have closed and the chosen chart is drawn.
        if not closed(img):
            return None
        try:
            pl.assert_lines(img, pl.BORDER, what="border")
            pl.assert_lines(img, segments, slack=1, what=style + " line")
        except AssertionError:
            return None
        return img
    return s.wait_until(shown, what="the %s chart" % style)


def outside_square(img):
    """Every pixel of the page outside the chart square: the header rows above
    it and the dasha column right of it, up to the scroll bar."""
    rows = [img.data[(y * img.width) * 3:(y * img.width + 744) * 3] for y in range(20, 70)]
    column = [img.data[(y * img.width + 380) * 3:(y * img.width + 744) * 3] for y in range(20, 420)]
    return b"".join(rows + column)


def main():
    vornak, _ = harness.programs()
    with harness.session(vornak) as s:
        s.focus()
        south = s.shot()
        open_submenu(s)
        img = s.shot()
        check(marked(img, "South") and not marked(img, "North"), "South Chart should be marked at start")
        close_menus(s)
        check(s.running(), "Escape in a menu must not end the program")

        north = choose(s, "North")
        pl.assert_no_lines(north, pl.SOUTH[:4], what="South divider")
        check(outside_square(north) == outside_square(south),
              "the header or the dasha list changed with the chart style")

        open_submenu(s)
        img = s.shot()
        check(marked(img, "North") and not marked(img, "South"), "the mark should move to North Chart")
        close_menus(s)

        # North again keeps the North chart.
        again = choose(s, "North")
        check(again.data == north.data, "choosing North twice changed the page")

        back = choose(s, "South")
        pl.assert_no_lines(back, pl.NORTH, what="North line")
        pl.assert_white(back, pl.SOUTH_CENTRE, what="open centre")
        check(back.data == south.data, "South again should give the start page back")
        check(s.running(), "the program ended")
    print("ok")


if __name__ == "__main__":
    main()
