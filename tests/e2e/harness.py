# Runs the window program vornak under a private Xvfb server for the
# end-to-end tests: xdotool types and clicks, python-xlib lists the windows
# and sends close requests, ImageMagick's import takes the screenshots (read
# with PIL), libfaketime sets the clock. A test script is started by CTest as
#     /usr/bin/python3 test_x.py PATH/TO/vornak
# and exits 77 (skipped) only when Xvfb cannot be started. The steps the
# tests share (a menu item, the chart data dialog, the list of charts, a
# message box, Save and the chart file) are the Session's methods.
#
#     python3 harness.py PATH/TO/vornak docs
# makes the README's screenshots docs/south.png and docs/north.png.
import glob
import io
import os
import subprocess
import sys
import tempfile
import time

from PIL import Image
from Xlib import X, display, error, protocol

CLOCK = "2026-12-05 12:22:00"  # UTC
TIMEOUT = 20
TOP = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
# Rows of the File menu and of the Chart Style submenu, in main window coordinates.
FILE = {"New": 31, "Edit": 52, "Open": 73, "Save": 94, "Export Page...": 115, "Quit": 136}
STYLE = {"North": 30, "South": 52}
# Centres of the chart data dialog's fields and buttons; a choice's items in order.
FIELD = {"name": (132, 22), "mon": (85, 52), "day": (132, 52), "year": (179, 52),
         "hour": (52, 84), "min": (84, 84), "zone": (167, 84), "zhour": (212, 84),
         "zmin": (244, 84), "place": (132, 120), "lond": (55, 156), "lonew": (92, 156),
         "lonm": (132, 156), "latd": (184, 156), "latns": (224, 156), "latm": (264, 156),
         "OK": (50, 212), "Cancel": (230, 212)}
CHOICE = {"mon": "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec".split(),
          "zone": ["+", "-"], "lonew": ["W", "E"], "latns": ["N", "S"]}
# The chart lines Save writes, by name ("start": the start-up chart under CLOCK).
with open(os.path.join(TOP, "tests", "data", "e2e-lines.txt"), "rb") as f:
    LINE = dict(l.decode().split("\t", 1) for l in f if not l.startswith(b"#"))
LINE = {k: v.encode() for k, v in LINE.items()}


def skip(why):
    print("skipped:", why)
    sys.exit(77)


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def wait(predicate, what):
    deadline = time.monotonic() + TIMEOUT
    while not (value := predicate()):
        check(time.monotonic() < deadline, "timed out waiting for " + what)
        time.sleep(0.02)
    return value


class Session:
    # Xvfb with a screen of that size, then vornak with args in a fresh
    # working directory (cwd) and the variables of env added; with a window
    # name, waits until that window is shown and drawn.

    def __init__(self, args=(), window="Vornak", env=None, screen="1024x768"):
        self.args, self.window, self.extra = list(args), window, env or {}
        self.screen = screen

    def __enter__(self):
        self.tmp = tempfile.TemporaryDirectory(prefix="vornak-e2e-")
        self.cwd, self.proc, self.x = self.tmp.name, None, None
        rfd, wfd = os.pipe()
        try:
            self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(wfd), "-screen", "0",
                                          self.screen + "x24", "-nolisten", "tcp"], pass_fds=(wfd,),
                                         stderr=subprocess.DEVNULL, start_new_session=True)
        except OSError as e:
            skip(e)
        os.close(wfd)
        with os.fdopen(rfd, "rb") as f:  # the display number, once the server is up
            number = f.readline().strip().decode()
        if not number.isdigit():
            self.xvfb.kill()
            skip("Xvfb did not start")
        self.env = dict(os.environ, DISPLAY=":" + number, TZ="UTC", FAKETIME="@" + CLOCK,
                        LD_PRELOAD=glob.glob("/usr/lib/*/faketime/libfaketime.so.1")[0],
                        ASAN_OPTIONS="detect_leaks=0:verify_asan_link_order=0", **self.extra)
        try:
            self.x = display.Display(self.env["DISPLAY"])
            self.proc = subprocess.Popen([os.path.abspath(sys.argv[1])] + self.args,
                                         cwd=self.cwd, env=self.env,
                                         stdout=subprocess.PIPE, stderr=subprocess.PIPE)
            if self.window:
                self.wid = self.find(self.window)
                wait(lambda: self.shot().getextrema() != ((0, 0),) * 3, "the window to be drawn")
        except BaseException:
            self.__exit__()
            raise
        return self

    def __exit__(self, *exc):
        if self.proc:
            self.proc.kill()
            self.proc.communicate()
        if self.x:
            self.x.close()
        self.xvfb.terminate()
        self.xvfb.wait()
        self.tmp.cleanup()

    def windows(self, menus=False):
        # The shown top-level windows, {id: name}: the menus, or all others.
        shown = {}
        for w in self.x.screen().root.query_tree().children:
            try:
                a = w.get_attributes()
                if a.map_state == X.IsViewable and bool(a.override_redirect) == menus:
                    shown[w.id] = w.get_wm_name() or ""
            except error.BadWindow:
                pass  # gone meanwhile
        return shown

    def find(self, name):
        return wait(lambda: next((w for w, n in self.windows().items() if n == name), None),
                    "a window named " + name)

    def gone(self, wid):
        wait(lambda: wid not in self.windows(), "window %d to close" % wid)

    def xdo(self, *args):
        subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env, check=True,
                       timeout=TIMEOUT)

    def click(self, x, y, wid=None):
        self.xdo("mousemove", "--sync", "--window", wid or self.wid, x, y, "click", 1)

    def key(self, *keys, wid=None):
        self.xdo("windowfocus", "--sync", wid or self.wid, "key", *keys)

    def keyed(self, window, *keys):
        # keys in the window (its id, or the name of a shown one), which then closes.
        wid = self.find(window) if isinstance(window, str) else window
        self.key(*keys, wid=wid)
        self.gone(wid)

    def close(self):
        # Asks the main window to close, as a window manager's close button does.
        w, atom = self.x.create_resource_object("window", self.wid), self.x.intern_atom
        w.send_event(protocol.event.ClientMessage(window=w, client_type=atom("WM_PROTOCOLS"),
                     data=(32, [atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])))
        self.x.sync()

    def shot(self, wid=None):
        g = self.x.create_resource_object("window", wid or self.wid).get_geometry()
        png = subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (
            g.width, g.height, g.x, g.y), "png:-"], env=self.env, check=True,
            capture_output=True, timeout=TIMEOUT).stdout
        return Image.open(io.BytesIO(png)).convert("RGB")

    def menu(self, item):
        # File > item, or Options > Chart Style... > North or South.
        style = item in STYLE
        self.click(77 if style else 20, 10)
        shown = len(wait(lambda: self.windows(menus=True), "a menu"))
        if style:  # pointing at "Chart Style..." opens its submenu; a click might close it
            self.xdo("mousemove", "--sync", "--window", self.wid, 100, 32)
            wait(lambda: len(self.windows(menus=True)) > shown, "the Chart Style submenu")
        self.click(*((204, STYLE[item]) if style else (23, FILE[item])))
        wait(lambda: not self.windows(menus=True), "the menus to close")

    def box(self, key="Return", click=None, question=False):
        # Waits for a message or question box and answers it with a key, or
        # with a click at (x, y) from its bottom right corner. Returns, for a
        # message box, "message" for the information box (its icon an "i")
        # or "alert" for the alert ("!").
        wid = self.find("")

        def kind():  # the "!" is heavier in the icon's upper half, the "i" in its lower
            icon = self.shot(wid).crop((10, 10, 60, 60))
            blue = [r < 80 and b > 180 for r, g, b in icon.getdata()]
            top, bottom = sum(blue[:1250]), sum(blue[1250:])
            return top + bottom > 100 and ("alert" if top > bottom else "message")
        shown = question or wait(kind, "the icon of the message box")
        if click:
            g = self.x.create_resource_object("window", wid).get_geometry()
            self.click(g.width - click[0], g.height - click[1], wid=wid)
        else:
            self.key(key, wid=wid)
        self.gone(wid)
        return shown

    def alert(self, what):
        check(self.box() == "alert", "no alert: " + what)

    def answer(self, key="Return", click=None):
        self.box(key, click, question=True)

    def saved(self, data, expect="message"):
        # File > Save shows the box expect; the chart file then holds data.
        self.menu("Save")
        shown = self.box()
        check(shown == expect, "Save showed the %s box, not the %s box" % (shown, expect))
        check(data is None or self.chartfile() == data, "saved %r" % self.chartfile())

    def path(self, name="charts.vnk"):
        return os.path.join(self.cwd, name)

    def chartfile(self):
        return open(self.path(), "rb").read() if os.path.isfile(self.path()) else None

    def put(self, data):
        with open(self.path(), "wb") as f:
            f.write(data)

    def files(self):
        return sorted(os.listdir(self.cwd))

    def pick(self, *keys):
        # File > Open, then keys in the list of charts.
        self.menu("Open")
        self.keyed("Select Chart", *keys)

    def choose(self, d, field, value):
        # An item of one of the dialog's choices, from the top of its menu.
        self.click(*FIELD[field], wid=d)
        wait(lambda: self.windows(menus=True), "the %s choice" % field)
        self.xdo("key", *["Up"] * 12, *["Down"] * CHOICE[field].index(value), "Return")
        wait(lambda: not self.windows(menus=True), "the %s choice to close" % field)

    def type(self, d, field, value):
        # xdotool types a letter that no key has by remapping a spare key for it,
        # which a loaded server can overtake: such letters go slowly.
        self.xdo("mousemove", "--sync", "--window", d, *FIELD[field], "click", 1,
                 "type", "--delay", 2 if value.isascii() else 60, value)

    def dialog(self, item, values):
        # File > item (New or Edit) with the values entered into empty fields;
        # returns the dialog's window.
        self.menu(item)
        d = self.find("Chart Data")
        self.xdo("windowfocus", "--sync", d)
        for field, value in values.items():
            (self.choose if field in CHOICE else self.type)(d, field, value)
        return d

    def button(self, d, name):
        # OK or Cancel of the dialog, or a point (x, y) of another window,
        # which then closes.
        self.click(*FIELD.get(name, name), wid=d)
        self.gone(d)

    def ended(self):
        # The exit status and what the program printed (stdout, stderr).
        out, err = self.proc.communicate(timeout=TIMEOUT)
        return self.proc.returncode, out.decode(), err.decode()

    def shows(self, style):
        # Waits until the main window looks as in docs/STYLE.png.
        png = os.path.join(TOP, "docs", style.lower() + ".png")
        want = Image.open(png).convert("RGB").tobytes()
        try:
            wait(lambda: self.shot().tobytes() == want, "the page of " + png)
        except AssertionError:
            self.shot().save(style.lower() + "-shown.png")  # beside the test, for a look
            raise

def chartpng(lines, *args):
    # vornak-chart's PNG of the chart file of lines, with args, as a grey image.
    png = subprocess.run([os.environ["VORNAK_CHART"], "--png", "-", *args, "-"], input=lines,
                         check=True, capture_output=True, timeout=TIMEOUT).stdout
    return Image.open(io.BytesIO(png)).convert("L")


def run(*tests):
    for test in tests:
        test()
        print("ok", test.__name__, flush=True)


if __name__ == "__main__":
    out = sys.argv.pop()
    with Session() as s:
        south = s.shot()
        south.save(os.path.join(out, "south.png"))
        s.menu("North")
        wait(lambda: s.shot().tobytes() != south.tobytes(), "the North chart")
        s.shot().save(os.path.join(out, "north.png"))
