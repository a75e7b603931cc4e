"""The chart data dialog, driven as a person would: File > New or Edit, typing,
OK, Now! and Cancel; what was committed is read back through File > Save.

The helpers at the top are shared with test_save.py and test_open.py.
"""

import os
import subprocess
import sys
import time

# No bytecode cache beside the sources.
sys.dont_write_bytecode = True

import harness  # noqa: E402

# Rows of the File menu, in main window coordinates.
MENU = {"New": 31, "Edit": 52, "Open": 73, "Save": 94}

# Centres of the dialog's widgets, in dialog coordinates.
FIELD = {
    "name": (132, 22), "mon": (85, 52), "day": (132, 52), "year": (179, 52),
    "hour": (52, 84), "min": (84, 84), "zone": (167, 84), "zhour": (212, 84),
    "zmin": (244, 84), "place": (132, 120), "lond": (55, 156), "lonew": (92, 156),
    "lonm": (132, 156), "latd": (184, 156), "latns": (224, 156), "latm": (264, 156),
    "OK": (50, 212), "Now!": (140, 212), "Cancel": (230, 212),
}
CHOICES = {
    "mon": ["Jan", "Feb", "Mar", "Apr", "May", "Jun",
            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"],
    "zone": ["+", "-"], "lonew": ["W", "E"], "latns": ["N", "S"],
}

LINE_FORMAT = "%-23s%s %02d, %4d%02d:%02d:00 %s    %c%02d:%02d%03d%c%02d'00 %02d%c%02d'00 %-24s\n"


def chartline(name, mon, day, year, hour, minute, zsign, zhour, zmin,
              londg, ew, lonmn, latdg, ns, latmn, place):
    """The chart file line of a record, as the program writes it."""
    clock = hour - 12 if hour > 12 else (12 if hour == 0 else hour)
    return (LINE_FORMAT % (name, CHOICES["mon"][mon - 1], day, year, clock, minute,
                           "AM" if hour < 12 else "PM", zsign, zhour, zmin,
                           londg, ew, lonmn, latdg, ns, latmn, place)).encode()


# The Example Person's record as typed, and the line Save must write for it.
EXAMPLE = {"name": "Example Person", "mon": "Mar", "day": "14", "year": "1987",
           "hour": "18", "min": "5", "zone": "-", "zhour": "1", "zmin": "0",
           "lond": "12", "lonew": "E", "lonm": "30", "latd": "41", "latns": "N",
           "latm": "54", "place": "Sample Town"}
EXAMPLE_LINE = (b"Example Person         Mar 14, 198706:05:00 PM    -01:00012E30'00 "
                b"41N54'00 Sample Town             \n")

# The start-up chart under the harness's clock (2026-12-05 12:22, UTC).
START_LINE_PREFIX = b"Prasna                 Dec 05, 202612:2"
START_LINE_SUFFIX = (b":00 PM    +00:00000W00'00 00N00'00 Nowhere                 \n")


def is_start_line(line):
    return (len(line) == 100 and line.startswith(START_LINE_PREFIX)
            and line.endswith(START_LINE_SUFFIX))


def visible(s, *only):
    """The ids of the visible windows (only those of WM_CLASS FLTK with
    "--classname", "FLTK"); popup menus have neither a name nor a class."""
    args = list(only) or ["--name", ""]
    try:
        r = subprocess.run(["xdotool", "search", "--onlyvisible"] + args,
                           env=s.env(), capture_output=True, timeout=harness.TIMEOUT)
    except subprocess.TimeoutExpired:
        raise AssertionError("xdotool search: no answer")
    return r.stdout.decode().split()


def unnamed(s):
    """The program's visible windows without a title: the message boxes."""
    found = []
    for wid in visible(s, "--classname", "FLTK"):
        try:
            if s.xdo("getwindowname", wid).rstrip("\n") == "":
                found.append(wid)
        except AssertionError:
            pass  # gone meanwhile
    return found


def popup(s, x, y, wid, what):
    """Clicks at (x, y) of window wid and waits for the popup it opens; returns
    the ids of its windows."""
    before = set(visible(s))
    s.click(x, y, wid=wid)
    return s.wait_until(lambda: set(visible(s)) - before, what=what)


def popup_closed(s, windows, what):
    s.wait_until(lambda: not (windows & set(visible(s))), what=what + " to close")


def menu(s, item):
    """Chooses File > item in the main window."""
    s.focus()
    windows = popup(s, 20, 10, s.wid, "the File menu")
    s.click(20, MENU[item])
    popup_closed(s, windows, "the File menu")


def box(s):
    """Waits for a message or alert box; returns (wid, kind): "message" for
    the information box, whose icon is an "i" (dot above the stem), "alert"
    for the alert box, whose icon is an "!" (dot below the stem)."""
    wid = s.wait_until(lambda: (unnamed(s) or [None])[0], what="a message box")
    time.sleep(0.2)  # drawn

    def glyph():
        shot = s.shot(wid)
        columns = [[y for y in range(10, 62) if shot.pixel(x, y)[2] > 180
                    and shot.pixel(x, y)[0] < 80] for x in range(10, 62)]
        rows = max(columns, key=len)
        if len(rows) < 10:
            return None
        gaps = [a for a, b in zip(rows, rows[1:]) if b - a > 1]
        if len(gaps) != 1:
            return None
        return "message" if gaps[0] - rows[0] < rows[-1] - gaps[0] else "alert"
    return wid, s.wait_until(glyph, what="the icon of the message box")


def dismiss(s, wid):
    s.focus(wid)
    s.key("Return", wid=wid)
    harness.check(s.window_gone(wid), "the message box did not close")


def chartfile(s):
    path = os.path.join(s.cwd, "charts.vnk")
    if not os.path.exists(path):
        return None
    with open(path, "rb") as f:
        return f.read()


def save(s, expect="message"):
    """File > Save; checks the kind of box it shows and dismisses it."""
    menu(s, "Save")
    wid, kind = box(s)
    harness.check(kind == expect, "Save showed an %s box, expected %s" % (kind, expect))
    dismiss(s, wid)


def lastline(s):
    data = chartfile(s)
    harness.check(data is not None and data.endswith(b"\n"), "no chart line was saved")
    return data.splitlines(keepends=True)[-1]


def open_dialog(s, item):
    """File > New or Edit; returns the dialog's window id, focused."""
    menu(s, item)
    d = s.find_window("^Chart Data$")
    s.focus(d)
    return d


def pick(s, d, field, label):
    """Chooses an item of a choice from its popup, with the arrow keys."""
    items = CHOICES[field]
    windows = popup(s, *FIELD[field], d, "the %s choice" % field)
    # The popup opens with the current item under the pointer; from the top.
    s.key(*(["Up"] * len(items)), wid=d)
    s.key(*(["Down"] * items.index(label)), "Return", wid=d)
    popup_closed(s, windows, "the %s choice" % field)


def fill(s, d, values):
    """Types each value into its empty field (or picks it from its choice)."""
    for field, value in values.items():
        if field in CHOICES:
            pick(s, d, field, value)
        else:
            s.click(*FIELD[field], wid=d)
            s.key("ctrl+a", "BackSpace", wid=d)
            if value:
                s.type(value, wid=d)


def button(s, d, label):
    s.click(*FIELD[label], wid=d)


def enter_example(s):
    d = open_dialog(s, "New")
    fill(s, d, EXAMPLE)
    button(s, d, "OK")
    harness.check(s.window_gone(d), "OK with valid entries did not close the dialog")


def test_new_ok_save(vornak):
    """New, the Example Person typed in, OK, Save: the 100-byte line. Edit then
    OK without a change commits the same record again."""
    with harness.session(vornak) as s:
        enter_example(s)
        save(s)
        harness.check(chartfile(s) == EXAMPLE_LINE,
                      "charts.vnk after one save: %r" % chartfile(s))
        d = open_dialog(s, "Edit")
        button(s, d, "OK")
        harness.check(s.window_gone(d), "Edit, OK did not close the dialog")
        save(s)
        harness.check(chartfile(s) == EXAMPLE_LINE * 2, "Edit, OK changed the record: %r"
                      % chartfile(s))
        # Edit shows the minute 5 and the zone hour 1 without leading zeros: a
        # digit typed in front gives 15 and 11 (from "05" and "01" it would
        # give 105 and 101, which OK refuses).
        d = open_dialog(s, "Edit")
        for field in ("min", "zhour"):
            s.click(*FIELD[field], wid=d)
            s.key("Home", wid=d)
            s.type("1", wid=d)
        button(s, d, "OK")
        harness.check(s.window_gone(d), "Edit showed leading zeros: OK refused the entries")
        save(s)
        harness.check(lastline(s) == EXAMPLE_LINE.replace(b"06:05:00 PM    -01:00",
                                                          b"06:15:00 PM    -11:00"),
                      "Edit with digits typed in front: %r" % lastline(s))


def test_invalid_entry(vornak):
    """A bad entry: an alert, the dialog stays with its entries, nothing is
    committed; once corrected, OK commits."""
    with harness.session(vornak) as s:
        d = open_dialog(s, "New")
        bad = dict(EXAMPLE, year="1500", day="40")
        fill(s, d, bad)
        for attempt in range(2):
            button(s, d, "OK")
            wid, kind = box(s)
            harness.check(kind == "alert", "a bad year gave a %s box" % kind)
            dismiss(s, wid)
            harness.check(d in [w for w, _ in s.windows()], "the dialog closed after an alert")
        # February 29 of a year that is not a leap year.
        fill(s, d, {"mon": "Feb", "day": "29", "year": "1900"})
        button(s, d, "OK")
        wid, kind = box(s)
        harness.check(kind == "alert", "29 February 1900 gave a %s box" % kind)
        dismiss(s, wid)
        button(s, d, "Cancel")
        harness.check(s.window_gone(d), "Cancel did not close the dialog")
        save(s)
        harness.check(is_start_line(lastline(s)),
                      "a refused entry was committed: %r" % lastline(s))
        # The same dialog again, corrected: the entries typed are taken.
        d = open_dialog(s, "New")
        fill(s, d, dict(EXAMPLE, day="40"))
        button(s, d, "OK")
        wid, kind = box(s)
        harness.check(kind == "alert", "day 40 gave a %s box" % kind)
        dismiss(s, wid)
        fill(s, d, {"day": "14"})
        button(s, d, "OK")
        harness.check(s.window_gone(d), "OK after the correction did not close the dialog")
        save(s)
        harness.check(lastline(s) == EXAMPLE_LINE, "corrected entry: %r" % lastline(s))


def test_cancel_escape_now(vornak):
    """Cancel, Escape, and Now! followed by Cancel commit nothing; Now! then OK
    commits the present date and time with the other entries kept."""
    with harness.session(vornak) as s:
        enter_example(s)
        for how in ("Cancel", "Escape", "Now!"):
            d = open_dialog(s, "Edit" if how == "Now!" else "New")
            if how == "Now!":
                button(s, d, "Now!")
                time.sleep(0.3)
                button(s, d, "Cancel")
            else:
                fill(s, d, {"name": "Somebody Else", "year": "2000", "day": "1"})
                if how == "Cancel":
                    button(s, d, "Cancel")
                else:
                    s.key("Escape", wid=d)
            harness.check(s.window_gone(d), "%s did not close the dialog" % how)
            save(s)
            harness.check(lastline(s) == EXAMPLE_LINE,
                          "after %s the saved chart changed: %r" % (how, lastline(s)))
        d = open_dialog(s, "Edit")
        button(s, d, "Now!")
        button(s, d, "OK")
        harness.check(s.window_gone(d), "Now!, OK did not close the dialog")
        save(s)
        line = lastline(s)
        harness.check(line[:38] == b"Example Person         Dec 05, 202612:"
                      and line[40:46] == b":00 PM" and line[46:] == EXAMPLE_LINE[46:],
                      "Now!, OK: %r" % line)
        harness.check(len(chartfile(s)) == 400, "four saves: %d bytes" % len(chartfile(s)))


def main():
    harness.run(test_new_ok_save, test_invalid_entry, test_cancel_escape_now)


if __name__ == "__main__":
    main()
