# Runs the window program vornak under a private Xvfb server for the
# end-to-end tests: xdotool types and clicks, python-xlib lists the windows
# and sends close requests, ImageMagick's import takes the screenshots (read
# with PIL), libfaketime sets the clock. A test script is started by CTest as
#     /usr/bin/python3 test_x.py PATH/TO/vornak
# and exits 77 (skipped) only when Xvfb cannot be started.
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
DOCS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "docs")
# Rows of the File menu and of the Chart Style submenu, in main window coordinates.
FILE = {"New": 31, "Edit": 52, "Open": 73, "Save": 94, "Export Page...": 115, "Quit": 136}
STYLE = {"North": 30, "South": 52}
# The start-up chart as Save writes it under CLOCK.
START_LINE = (b"Prasna                 Dec 05, 202612:22:00 PM    +00:00000W00'00 "
              b"00N00'00 Nowhere                 \n")


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


def golden(style):
    return Image.open(os.path.join(DOCS, style.lower() + ".png")).convert("RGB").tobytes()


class Session:
    # Xvfb, then vornak with args in a fresh working directory (cwd) and the
    # variables of env added; with a window name, waits until that window is
    # shown and drawn.

    def __init__(self, args=(), window="Vornak", env=None):
        self.args, self.window, self.extra = list(args), window, env or {}

    def __enter__(self):
        self.tmp = tempfile.TemporaryDirectory(prefix="vornak-e2e-")
        self.cwd, self.proc, self.x = self.tmp.name, None, None
        rfd, wfd = os.pipe()
        try:
            self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(wfd), "-screen", "0",
                                          "1024x768x24", "-nolisten", "tcp"], pass_fds=(wfd,),
                                         stderr=subprocess.DEVNULL, start_new_session=True)
        except OSError as e:
            skip(e)
        os.close(wfd)
        with os.fdopen(rfd, "rb") as f:  # the display number, once the server is up
            number = f.readline().strip().decode()
        if not number.isdigit():
            self.xvfb.kill()
            skip("Xvfb did not start")
        self.env = dict(os.environ, DISPLAY=":" + number, TZ="UTC",
                        FAKETIME="@" + CLOCK, LD_PRELOAD=glob.glob(
                            "/usr/lib/*/faketime/libfaketime.so.1")[0],
                        ASAN_OPTIONS="detect_leaks=0:verify_asan_link_order=0")
        self.env.update(self.extra)
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

    def box(self):
        # Waits for a message box and closes it; "message" for the
        # information box (its icon an "i"), "alert" for the alert ("!").
        wid = wait(lambda: next((w for w, n in self.windows().items() if n == ""), None),
                   "a message box")

        def kind():  # the "!" is heavier in the icon's upper half, the "i" in its lower
            icon = self.shot(wid).crop((10, 10, 60, 60))
            blue = [r < 80 and b > 180 for r, g, b in icon.getdata()]
            top, bottom = sum(blue[:1250]), sum(blue[1250:])
            return top + bottom > 100 and ("alert" if top > bottom else "message")
        shown = wait(kind, "the icon of the message box")
        self.key("Return", wid=wid)
        self.gone(wid)
        return shown

    def save(self, expect="message"):
        self.menu("Save")
        shown = self.box()
        check(shown == expect, "Save showed the %s box, not the %s box" % (shown, expect))

    def chartfile(self):
        path = os.path.join(self.cwd, "charts.vnk")
        return open(path, "rb").read() if os.path.isfile(path) else None

    def ended(self):
        # The exit status and what the program printed (stdout, stderr).
        out, err = self.proc.communicate(timeout=TIMEOUT)
        return self.proc.returncode, out.decode(), err.decode()

    def shows(self, style):
        # Waits until the main window looks as in docs/STYLE.png.
        try:
            wait(lambda: self.shot().tobytes() == golden(style),
                 "the page of docs/%s.png" % style.lower())
        except AssertionError:
            self.shot().save(style.lower() + "-shown.png")  # beside the test, for a look
            raise


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
