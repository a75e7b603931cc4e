# File > Open loads the chosen line of the chart file (read back through
# File > Save, the file then put back); a line that is not a chart is refused
# with the alert and changes nothing; a Save that fails shows the alert.
import os

import harness

LINES = [b"Example Person         Mar 14, 198706:05:00 PM    -01:00012E30'00 "
         b"41N54'00 Sample Town             \n",
         b"Second Chart           Jan 05, 200007:30:00 AM    -05:30077E12'00 28N38'00 "
         b"Delhi                   \n",
         b"A Third One            Dec 31, 199912:15:00 AM    +08:00122W40'00 45S03'00 "
         b"Somewhere South         \n"]
OK, CANCEL = (60, 262), (270, 262)
CHOOSE = [  # in the list, and the line it loads (the first is chosen at start)
    (lambda s, q: s.click(*OK, wid=q), 0),
    (lambda s, q: s.key("Down", "Down", "Return", wid=q), 2),
    (lambda s, q: s.xdo("mousemove", "--sync", "--window", q, 100, 51, "click", "--repeat",
                        2, "--delay", 80, 1), 1),
    # The empty item after the last line stands for no chart: nothing is
    # loaded, and no alert comes before Save's message.
    (lambda s, q: s.click(100, 91, wid=q) or s.click(*OK, wid=q), 1),
]


def write(s, data):
    with open(os.path.join(s.cwd, "charts.vnk"), "wb") as f:
        f.write(data)


def test_load():
    with harness.Session() as s:
        for choose, n in CHOOSE:
            write(s, b"".join(LINES))
            s.menu("Open")
            q = s.find("Select Chart")
            choose(s, q)
            s.gone(q)
            s.save()
            harness.check(s.chartfile() == b"".join(LINES) + LINES[n],
                          "loaded %r" % s.chartfile())


def test_refusals():
    with harness.Session() as s:
        path = os.path.join(s.cwd, "charts.vnk")
        write(s, b"Not a chart line\n@B1@C1and no chart either\n")
        s.menu("Open")
        q = s.find("Select Chart")  # its item as it stands: "@" codes give no red
        harness.check(all(r < 180 or g > 80 for r, g, b in s.shot(q).getdata()),
                      "an item's \"@\" was taken as a format code")
        s.key("Return", wid=q)
        harness.check(s.box() == "alert", "a line that is no chart was not refused")
        s.gone(q)
        os.remove(path)  # Save to a directory, then to a full device
        full = lambda p: os.symlink("/dev/full", p)  # noqa: E731
        for make, undo in ((os.mkdir, os.rmdir), (full, os.remove)):
            make(path)
            s.save("alert")
            undo(path)
        s.save()
        harness.check(s.chartfile() == harness.START_LINE,
                      "the chart changed: %r" % s.chartfile())


def test_unsafe_files():
    # Open on what is not a chart file: refused with the alert, the window
    # still answering (a FIFO would hold it, /dev/zero never ends). A file of
    # 1 GiB of zero bytes is an item per byte: the list stops at its limit
    # with an alert, in good time.
    with harness.Session() as s:
        path = os.path.join(s.cwd, "charts.vnk")
        for make, undo in ((os.mkfifo, os.remove), (lambda p: os.symlink("/dev/zero", p), os.remove),
                           (os.mkdir, os.rmdir)):
            make(path)
            s.menu("Open")
            harness.check(s.box() == "alert", "%s was not refused" % make)
            harness.check("Select Chart" not in s.windows().values(), "a list was shown")
            undo(path)
        with open(path, "wb") as f:
            f.truncate(1 << 30)
        s.menu("Open")
        harness.check(s.box() == "alert", "the list's limit was not told")
        q = s.find("Select Chart")
        s.click(*CANCEL, wid=q)
        s.gone(q)
        os.remove(path)
        s.save()
        harness.check(s.chartfile() == harness.START_LINE, "the chart changed: %r" % s.chartfile())


harness.run(test_load, test_refusals, test_unsafe_files)
