# File > Open loads the chosen line of the chart file (read back through
# File > Save, the file then put back); a line that is not a chart is refused
# with the alert and changes nothing; Open on what is not a chart file is
# refused and the window keeps answering; a Save that fails shows the alert.
import os

import subprocess
import time

import harness
from harness import LINE

LINES = LINE["example"] + LINE["second"] + LINE["third"]
OK, CANCEL = (60, 262), (270, 262)
CHOOSE = [  # in the list, and the line it loads (the first is chosen at start)
    (lambda s, q: s.click(*OK, wid=q), "example"),
    (lambda s, q: s.key("Down", "Down", "Return", wid=q), "third"),
    (lambda s, q: s.xdo("mousemove", "--sync", "--window", q, 100, 51, "click", "--repeat",
                        2, "--delay", 80, 1), "second"),
    # The empty item after the last line stands for no chart: nothing is
    # loaded, and no alert comes before Save's message.
    (lambda s, q: s.click(100, 91, wid=q) or s.click(*OK, wid=q), "second"),
]


def test_load():
    with harness.Session() as s:
        for choose, line in CHOOSE:
            s.put(LINES)
            s.menu("Open")
            q = s.find("Select Chart")
            choose(s, q)
            s.gone(q)
            s.saved(LINES + LINE[line])


def test_refusals():
    # A line that is no chart, shown as it stands ("@" codes give no red).
    # Then what is not a chart file, refused with the window still answering
    # (a FIFO would hold it, /dev/zero never ends); a file of 1 GiB of zero
    # bytes is an item per byte: the list stops at its limit with an alert,
    # in good time. Save to a directory or a full device: the alert.
    with harness.Session() as s:
        path = s.path()
        s.put(b"Not a chart line\n@B1@C1and no chart either\n")
        s.menu("Open")
        q = s.find("Select Chart")
        harness.check(all(r < 180 or g > 80 for r, g, b in s.shot(q).getdata()),
                      "an item's \"@\" was taken as a format code")
        s.key("Return", wid=q)
        s.alert("a line that is no chart")
        s.gone(q)
        os.remove(path)
        for make, undo in ((os.mkfifo, os.remove), (os.mkdir, os.rmdir),
                           (lambda p: os.symlink("/dev/zero", p), os.remove),
                           (lambda p: os.symlink(os.path.basename(p), p), os.remove)):
            make(path)
            s.menu("Open")
            s.alert("Open on %s" % make)
            harness.check("Select Chart" not in s.windows().values(), "a list was shown")
            if make == os.mkdir:
                s.saved(None, "alert")
            undo(path)
        os.symlink("/dev/full", path)
        s.saved(None, "alert")
        os.remove(path)
        with open(path, "wb") as f:
            f.truncate(1 << 30)
        s.menu("Open")
        s.alert("the list's limit")
        s.button(s.find("Select Chart"), CANCEL)
        os.remove(path)
        s.saved(LINE["start"])
        # Another program holds the chart file's lock: Save gives up after a
        # few seconds with its alert, the file as it was, the window free.
        with subprocess.Popen(["flock", path, "sleep", "30"]) as locker:
            harness.wait(lambda: subprocess.run(["flock", "-n", path, "true"]).returncode,
                         "the lock")
            start = time.monotonic()
            s.saved(LINE["start"], "alert")
            harness.check(time.monotonic() - start < 10, "Save waited for the lock")
            locker.kill()


harness.run(test_load, test_refusals)
