"""File > Open: the chart list, its keys and clicks, and what a load commits
(read back through File > Save, then the file is put back as it was)."""

import os
import sys
import time

# No bytecode cache beside the sources for the shared helpers.
sys.dont_write_bytecode = True

import harness  # noqa: E402
from test_dialog import (EXAMPLE_LINE, box, chartfile, chartline, dismiss, is_start_line,
                         lastline, menu, save, unnamed)

SECOND = chartline("Second Chart", 1, 5, 2000, 7, 30, "-", 5, 30, 77, "E", 12, 28, "N", 38,
                   "Delhi")
THIRD = chartline("A Third One", 12, 31, 1999, 0, 15, "+", 8, 0, 122, "W", 40, 45, "S", 3,
                  "Somewhere South")
THREE = EXAMPLE_LINE + SECOND + THIRD


def item_y(i):
    """Centre of item i of the browser, in list window coordinates."""
    return 31 + 20 * i


def write(s, data):
    with open(os.path.join(s.cwd, "charts.vnk"), "wb") as f:
        f.write(data)


def open_list(s):
    menu(s, "Open")
    q = s.find_window("^Select Chart$")
    s.focus(q)
    return q


def current(s, restore):
    """The current chart's line: Save, the appended line, the file put back."""
    save(s)
    line = lastline(s)
    write(s, restore)
    return line


def still_open(s, q, what):
    time.sleep(0.5)
    harness.check(q in [w for w, _ in s.windows()], what + " closed the list")
    harness.check(not unnamed(s), what + " showed a message box")


def closed(s, q, what):
    harness.check(s.window_gone(q), what + " did not close the list")
    time.sleep(0.3)
    harness.check(not unnamed(s), what + " showed a message box")


def has_ok(s, q):
    """Whether the list shows its OK button: its label's dark pixels."""
    shot = s.shot(q)
    return any(shot.dark(x, y) for x in range(44, 78) for y in range(254, 272))


def test_choosing(vornak):
    with harness.session(vornak) as s:
        write(s, THREE)
        # OK without touching the list loads the first line.
        q = open_list(s)
        harness.check(has_ok(s, q), "no OK button with a readable chart file")
        s.click(60, 262, wid=q)
        closed(s, q, "OK")
        harness.check(current(s, THREE) == EXAMPLE_LINE, "OK did not load the first line")
        # A single click only selects; Return loads the selected line.
        q = open_list(s)
        s.click(100, item_y(1), wid=q)
        still_open(s, q, "a single click")
        s.key("Return", wid=q)
        closed(s, q, "Return")
        harness.check(current(s, THREE) == SECOND, "Return did not load the clicked line")
        # A double-click loads at once.
        q = open_list(s)
        s.xdo("mousemove", "--window", q, 100, item_y(2), "click", "--repeat", 2,
              "--delay", 80, 1)
        closed(s, q, "a double-click")
        harness.check(current(s, THREE) == THIRD, "a double-click did not load its line")
        # The arrow keys move the selection without loading; keypad Enter loads.
        q = open_list(s)
        s.key("Down", wid=q)
        still_open(s, q, "the Down key")
        s.key("KP_Enter", wid=q)
        closed(s, q, "keypad Enter")
        harness.check(current(s, THREE) == SECOND, "Down, keypad Enter: not the second line")
        # A click below the items clears the selection: Return and OK load nothing.
        q = open_list(s)
        s.click(100, 190, wid=q)
        s.key("Return", wid=q)
        still_open(s, q, "Return with nothing selected")
        s.click(60, 262, wid=q)
        closed(s, q, "OK with nothing selected")
        harness.check(current(s, THREE) == SECOND, "OK with nothing selected loaded a chart")
        # The empty item after the last line stands for no chart.
        q = open_list(s)
        s.click(100, item_y(3), wid=q)
        s.click(60, 262, wid=q)
        closed(s, q, "OK on the empty item")
        harness.check(current(s, THREE) == SECOND, "the empty item loaded a chart")
        # Escape and Cancel close the list without loading.
        q = open_list(s)
        s.click(100, item_y(0), wid=q)
        s.key("Escape", wid=q)
        closed(s, q, "Escape")
        q = open_list(s)
        s.click(100, item_y(2), wid=q)
        s.click(270, 262, wid=q)
        closed(s, q, "Cancel")
        harness.check(current(s, THREE) == SECOND, "Escape or Cancel loaded a chart")
        # The file removed while the list is shown: an alert, nothing loaded.
        q = open_list(s)
        os.remove(os.path.join(s.cwd, "charts.vnk"))
        s.click(60, 262, wid=q)
        wid, kind = box(s)
        harness.check(kind == "alert", "a vanished chart file gave a %s box" % kind)
        dismiss(s, wid)
        harness.check(s.window_gone(q), "the list stayed after a failed load")
        harness.check(current(s, b"") == SECOND, "a failed load changed the chart")


def test_bad_lines(vornak):
    """Items show their bytes as they stand; a line that is no chart is refused
    with an alert and changes nothing."""
    with harness.session(vornak) as s:
        bad = b"Not a chart line\n@B1Red\tand no chart either\n" + EXAMPLE_LINE
        write(s, bad)
        q = open_list(s)
        time.sleep(0.3)
        shot = s.shot(q)
        red = [(x, y) for x in range(22, 318) for y in range(22, 218)
               if shot.pixel(x, y)[0] > 180 and shot.pixel(x, y)[1] < 80]
        harness.check(not red, "an '@' in a line was taken as a format: red at %s" % red[:3])
        s.key("Return", wid=q)
        wid, kind = box(s)
        harness.check(kind == "alert", "a line that is no chart gave a %s box" % kind)
        dismiss(s, wid)
        harness.check(s.window_gone(q), "the list stayed after a refused line")
        line = current(s, bad)
        harness.check(is_start_line(line), "a refused line changed the chart: %r" % line)
        harness.check(chartfile(s) == bad, "the chart file changed")


def test_no_file(vornak):
    """No chart file: the list offers only Cancel. An empty file: OK loads
    nothing, without an alert."""
    with harness.session(vornak) as s:
        q = open_list(s)
        harness.check(not has_ok(s, q), "an OK button without a chart file")
        s.click(270, 262, wid=q)
        closed(s, q, "Cancel")
        harness.check(chartfile(s) is None, "Open created a chart file")
        write(s, b"")
        q = open_list(s)
        harness.check(has_ok(s, q), "no OK button with an empty chart file")
        s.click(60, 262, wid=q)
        closed(s, q, "OK on an empty file")
        line = current(s, b"")
        harness.check(is_start_line(line), "an empty file loaded something: %r" % line)


def main():
    harness.run(test_choosing, test_bad_lines, test_no_file)


if __name__ == "__main__":
    main()
