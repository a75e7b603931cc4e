"""Runs the window program vornak under a private Xvfb server for end-to-end tests.

Each test script is started by CTest as

    python3 test_x.py PATH/TO/vornak [PATH/TO/vornak-chart]

and uses this module like this:

    import harness

    vornak, chartcmd = harness.programs()       # from sys.argv; chartcmd may be None
    with harness.session(vornak) as s:          # Xvfb + vornak, main window found
        s.focus()
        s.click(20, 10)                         # window coordinates of the main window
        s.key("Escape")
        assert s.wait_exit() == 0

API

  programs() -> (vornak, chartcmd)
      The program paths given on the command line (chartcmd is None when absent).
      Exits 77 (skipped) when the vornak path is missing or not executable.

  run(*tests)
      Calls each test function with the vornak path, in order, printing its name.

  skip(reason)
      Prints "skipped: REASON" and exits with status 77 (CTest's SKIP_RETURN_CODE).

  check(condition, message)
      Raises AssertionError(message) when condition is false (works under python3 -O).

  session(program, args=(), cwd=None, faketime=FAKETIME, window="Vornak",
          timeout=TIMEOUT) -> Session           (context manager)
      Starts Xvfb on a free display (skips with 77 when Xvfb cannot be started),
      then the program with the given arguments in the working directory cwd
      (default: a fresh temporary directory, removed afterwards) under
      libfaketime with the clock starting at FAKETIME (None: the real clock) with TZ=UTC, and waits for its
      top-level window named exactly `window` (None: do not wait, e.g. when the
      program is expected to fail) and then until the window has been drawn
      (wait_drawn). On leaving, kills the program and Xvfb,
      also after a failure. Under AddressSanitizer the leak check is switched
      off (X and font libraries leak at exit) unless ASAN_OPTIONS is set.

  Session attributes
      display   the X display name, ":N"
      cwd       the program's working directory
      proc      the subprocess.Popen of the program (stdout and stderr are
                collected into files; see output())
      wid       the main window's id (a decimal string), or None

  Session methods (every step has a timeout and raises on expiry)
      xdo(*args, timeout=TIMEOUT) -> str     runs `xdotool ARGS` on this display
      find_window(name, timeout=TIMEOUT) -> wid
                                             waits for a visible window whose
                                             name matches the regular expression
                                             `name` (anchor it: "^Chart Data$")
      windows() -> [(wid, name)]             the visible named windows now
      window_gone(wid, timeout=TIMEOUT) -> bool
                                             waits until the window is unmapped
                                             or destroyed; False on timeout
      geometry(wid=None) -> (x, y, w, h)     position on the screen and size
      close(wid=None)                        asks the window to close as a window
                                             manager would (WM_DELETE_WINDOW)
      focus(wid=None)                        `windowfocus --sync` (there is no
                                             window manager: windowactivate fails)
      click(x, y, wid=None, button=1)        moves the pointer to (x, y) relative
                                             to the window and clicks
      type(text, wid=None)                   types text into the focused widget
                                             (of window wid, focused first if given)
      key(*keys, wid=None)                   e.g. key("Return"), key("ctrl+a"),
                                             to the focused window likewise
      screenshot() -> Image                  the whole screen (`import -window root`)
      shot(wid=None) -> Image                the window only, cropped to its size
      wait_drawn(wid=None, timeout=TIMEOUT) -> Image
                                             waits until the window shows a drawn
                                             frame (most of it no longer black, as
                                             a freshly mapped window is) and
                                             returns that shot
      wait_until(predicate, timeout=TIMEOUT, interval=0.05) -> value
                                             polls until predicate() is truthy;
                                             raises AssertionError on timeout,
                                             after saving the screen as
                                             TEST-failed-N.png in the current
                                             directory
      wait_exit(timeout=TIMEOUT) -> int      the program's exit status
      running() -> bool                      the program has not ended yet
      output() -> (stdout, stderr)           what the program printed so far

  Image (a tiny PPM reader)
      width, height
      pixel(x, y) -> (r, g, b)               0..255 each
      dark(x, y, limit=100) -> bool          every channel below limit (black text/lines)
      white(x, y, limit=240) -> bool         every channel at or above limit
      crop(x, y, w, h) -> Image
      save_png(path)                         writes an RGB PNG (zlib, no other tool)

No window manager runs. FLTK then keeps room for a border it assumes, so the
main window sits at (1, 20) on the screen, not at (0, 0); dialogs appear where
the toolkit puts them. Use window coordinates (click, shot) or geometry(), not
screen positions.
"""

import contextlib
import os
import re
import shutil
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import time
import zlib

FAKETIME = "2026-12-05 12:22:00"
TIMEOUT = 10.0
SCREEN = "1024x768x24"


def skip(reason):
    print("skipped: " + reason, flush=True)
    sys.exit(77)


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def run(*tests):
    """Runs each test function with the vornak path, in order, printing its name."""
    vornak, _ = programs()
    for test in tests:
        test(vornak)
        print("ok", test.__name__, flush=True)


def programs():
    if len(sys.argv) < 2:
        skip("no path of the vornak program given")
    vornak = os.path.abspath(sys.argv[1])
    if not os.access(vornak, os.X_OK):
        skip("vornak is not built: " + vornak)
    chartcmd = None
    if len(sys.argv) > 2 and os.access(sys.argv[2], os.X_OK):
        chartcmd = os.path.abspath(sys.argv[2])
    return vornak, chartcmd


class Image:
    def __init__(self, width, height, data):
        self.width = width
        self.height = height
        self.data = data  # RGB, 3 bytes per pixel, rows top to bottom

    @staticmethod
    def from_ppm(raw):
        """Reads a binary PPM (P6), 8 or 16 bits per sample."""
        fields = []
        pos = 0
        while len(fields) < 4:
            while raw[pos:pos + 1].isspace():
                pos += 1
            if raw[pos:pos + 1] == b"#":
                pos = raw.index(b"\n", pos) + 1
                continue
            end = pos
            while not raw[end:end + 1].isspace():
                end += 1
            fields.append(raw[pos:end])
            pos = end
        pos += 1  # the one whitespace byte after maxval
        check(fields[0] == b"P6", "not a binary PPM: %r" % fields[0])
        width, height, maxval = int(fields[1]), int(fields[2]), int(fields[3])
        body = raw[pos:]
        if maxval > 255:
            samples = struct.unpack(">%dH" % (width * height * 3), body[:width * height * 6])
            body = bytes(s * 255 // maxval for s in samples)
        elif maxval != 255:
            body = bytes(b * 255 // maxval for b in body[:width * height * 3])
        check(len(body) >= width * height * 3, "short PPM data")
        return Image(width, height, bytes(body[:width * height * 3]))

    def pixel(self, x, y):
        check(0 <= x < self.width and 0 <= y < self.height,
              "pixel (%d, %d) outside the %dx%d image" % (x, y, self.width, self.height))
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def dark(self, x, y, limit=100):
        return all(c < limit for c in self.pixel(x, y))

    def white(self, x, y, limit=240):
        return all(c >= limit for c in self.pixel(x, y))

    def crop(self, x, y, w, h):
        w = min(w, self.width - x)
        h = min(h, self.height - y)
        rows = [self.data[((y + r) * self.width + x) * 3:((y + r) * self.width + x + w) * 3]
                for r in range(h)]
        return Image(w, h, b"".join(rows))

    def save_png(self, path):
        def chunk(kind, payload):
            body = kind + payload
            return struct.pack(">I", len(payload)) + body + struct.pack(">I", zlib.crc32(body))
        stride = self.width * 3
        raw = b"".join(b"\0" + self.data[r * stride:(r + 1) * stride] for r in range(self.height))
        png = (b"\x89PNG\r\n\x1a\n"
               + chunk(b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0))
               + chunk(b"IDAT", zlib.compress(raw, 9))
               + chunk(b"IEND", b""))
        with open(path, "wb") as f:
            f.write(png)


def _faketimelib():
    """The path of libfaketime (Debian package libfaketime, with faketime)."""
    for d in ("/usr/lib/x86_64-linux-gnu", "/usr/lib/aarch64-linux-gnu", "/usr/lib64", "/usr/lib"):
        path = os.path.join(d, "faketime", "libfaketime.so.1")
        if os.path.exists(path):
            return path
    raise AssertionError("libfaketime.so.1 not found: install the Debian package faketime")


def _need(tool):
    if shutil.which(tool) is None:
        skip(tool + " is not installed")


def _start_xvfb():
    """Starts Xvfb on a display it picks itself; returns (process, ":N")."""
    _need("Xvfb")
    rfd, wfd = os.pipe()
    try:
        proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(wfd), "-screen", "0", SCREEN, "-nolisten", "tcp",
             "-noreset"],
            pass_fds=(wfd,), stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
            start_new_session=True)
    except OSError as e:
        os.close(rfd)
        os.close(wfd)
        skip("Xvfb cannot be started: %s" % e)
    os.close(wfd)
    number = b""
    deadline = time.monotonic() + TIMEOUT
    os.set_blocking(rfd, False)
    while time.monotonic() < deadline:
        try:
            chunk = os.read(rfd, 64)
        except BlockingIOError:
            chunk = None
        if chunk:
            number += chunk
            if number.endswith(b"\n"):
                break
        elif chunk == b"" or proc.poll() is not None:
            break
        time.sleep(0.02)
    os.close(rfd)
    number = number.strip()
    if not number.isdigit():
        err = b""
        if proc.poll() is None:
            proc.kill()
        try:
            err = proc.communicate(timeout=5)[1] or b""
        except subprocess.TimeoutExpired:
            pass
        skip("Xvfb did not start: %s" % err.decode(errors="replace").strip()[-300:])
    display = ":" + number.decode()
    # Ready when its socket accepts a connection.
    path = "/tmp/.X11-unix/X" + number.decode()
    while time.monotonic() < deadline:
        try:
            with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as s:
                s.connect(path)
            return proc, display
        except OSError:
            time.sleep(0.02)
    _stop(proc)
    skip("Xvfb on %s does not accept connections" % display)


def _stop(proc):
    if proc is None or proc.poll() is not None:
        return
    try:
        os.killpg(proc.pid, signal.SIGTERM)
    except ProcessLookupError:
        return
    try:
        proc.wait(timeout=5)
    except subprocess.TimeoutExpired:
        os.killpg(proc.pid, signal.SIGKILL)
        proc.wait(timeout=5)


def _close_request(display, wid):
    """Sends WM_DELETE_WINDOW to a window, as a window manager's close button
    does, speaking the X protocol directly (xdotool only destroys windows)."""
    def recv(sock, n):
        data = b""
        while len(data) < n:
            chunk = sock.recv(n - len(data))
            check(chunk, "X server closed the connection")
            data += chunk
        return data

    def intern(sock, name):
        pad = (4 - len(name) % 4) % 4
        sock.sendall(struct.pack("<BBHHxx", 16, 0, 2 + (len(name) + pad) // 4, len(name))
                     + name + b"\0" * pad)
        reply = recv(sock, 32)
        check(reply[0] == 1, "InternAtom %s failed" % name.decode())
        return struct.unpack("<I", reply[8:12])[0]

    number = display.lstrip(":").split(".")[0]
    with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as sock:
        sock.settimeout(TIMEOUT)
        sock.connect("/tmp/.X11-unix/X" + number)
        sock.sendall(struct.pack("<BxHHHHxx", 0x6C, 11, 0, 0, 0))
        head = recv(sock, 8)
        check(head[0] == 1, "X server refused the connection")
        recv(sock, struct.unpack("<H", head[6:8])[0] * 4)
        protocols = intern(sock, b"WM_PROTOCOLS")
        delete = intern(sock, b"WM_DELETE_WINDOW")
        event = struct.pack("<BBHII5I", 33, 32, 0, wid, protocols, delete, 0, 0, 0, 0)
        sock.sendall(struct.pack("<BBHII", 25, 0, 11, wid, 0) + event)
        # GetInputFocus: its reply shows that the request was handled.
        sock.sendall(struct.pack("<BxH", 43, 1))
        reply = recv(sock, 32)
        check(reply[0] == 1, "SendEvent to window %d failed (X error %d)" % (wid, reply[1]))


class Session:
    def __init__(self, display, cwd):
        self.display = display
        self.cwd = cwd
        self.proc = None
        self.wid = None
        self._out = None
        self._err = None

    def env(self):
        env = dict(os.environ)
        env["DISPLAY"] = self.display
        env["TZ"] = "UTC"
        env.pop("XAUTHORITY", None)
        asan = env.get("ASAN_OPTIONS")
        if asan is None:
            env["ASAN_OPTIONS"] = "detect_leaks=0:verify_asan_link_order=0"
        elif "verify_asan_link_order" not in asan:
            # faketime is preloaded ahead of the sanitizer's runtime.
            env["ASAN_OPTIONS"] = asan + ":verify_asan_link_order=0"
        return env

    def start(self, program, args=(), faketime=FAKETIME):
        cmd = [program] + list(args)
        env = self.env()
        if faketime is not None:
            # libfaketime preloaded directly, with the clock starting at the
            # given moment and running on. (The faketime wrapper keeps a
            # semaphore named after its process id, which a killed run leaves
            # behind and a later process with the same id then fails on.)
            lib = _faketimelib()
            env["LD_PRELOAD"] = (lib + " " + env["LD_PRELOAD"]) if env.get("LD_PRELOAD") else lib
            env["FAKETIME"] = "@" + faketime
        self._out = tempfile.TemporaryFile()
        self._err = tempfile.TemporaryFile()
        self.proc = subprocess.Popen(cmd, cwd=self.cwd, env=env,
                                     stdin=subprocess.DEVNULL, stdout=self._out,
                                     stderr=self._err, start_new_session=True)

    def stop(self):
        _stop(self.proc)

    def xdo(self, *args, timeout=TIMEOUT):
        try:
            r = subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env(),
                               capture_output=True, timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError("xdotool %s: no answer in %gs" % (" ".join(map(str, args)), timeout))
        if r.returncode != 0:
            raise AssertionError("xdotool %s failed (%d): %s" % (
                " ".join(map(str, args)), r.returncode, r.stderr.decode(errors="replace").strip()))
        return r.stdout.decode(errors="replace")

    def windows(self):
        try:
            r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", ""],
                               env=self.env(), capture_output=True, timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            raise AssertionError("xdotool search: no answer")
        found = []
        for wid in r.stdout.decode().split():
            try:
                name = self.xdo("getwindowname", wid).rstrip("\n")
            except AssertionError:
                continue  # gone meanwhile
            if name:
                found.append((wid, name))
        return found

    def find_window(self, name, timeout=TIMEOUT):
        pattern = re.compile(name)

        def look():
            for wid, title in self.windows():
                if pattern.search(title):
                    return wid
            if self.proc is not None and self.proc.poll() is not None:
                raise AssertionError("the program ended with status %d before a window "
                                     "named %r appeared; stderr: %s" % (
                                         self.proc.returncode, name, self.output()[1][-500:]))
            return None
        return self.wait_until(look, timeout, interval=0.05,
                               what="a window named %r" % name)

    def window_gone(self, wid, timeout=TIMEOUT):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if wid not in [w for w, _ in self.windows()]:
                return True
            time.sleep(0.05)
        return False

    def geometry(self, wid=None):
        out = self.xdo("getwindowgeometry", "--shell", wid or self.wid)
        v = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(v["X"]), int(v["Y"]), int(v["WIDTH"]), int(v["HEIGHT"])

    def close(self, wid=None):
        _close_request(self.display, int(wid or self.wid))

    def focus(self, wid=None):
        self.xdo("windowfocus", "--sync", wid or self.wid)

    def click(self, x, y, wid=None, button=1):
        self.xdo("mousemove", "--window", wid or self.wid, x, y, "click", button)

    # Keys go through XTEST to the window that has the focus, as a user's
    # would; when wid is given it gets the focus first. (xdotool's --window
    # sends synthetic events and fails when the window goes away between a
    # key's press and its release, as on Escape.)
    def type(self, text, wid=None):
        if wid is not None:
            self.focus(wid)
        self.xdo("type", "--delay", 5, text)

    def key(self, *keys, wid=None):
        if wid is not None:
            self.focus(wid)
        self.xdo("key", *keys)

    def screenshot(self):
        try:
            r = subprocess.run(["import", "-display", self.display, "-window", "root", "ppm:-"],
                               env=self.env(), capture_output=True, timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            raise AssertionError("import: no screenshot in %gs" % TIMEOUT)
        if r.returncode != 0:
            raise AssertionError("import failed: " + r.stderr.decode(errors="replace"))
        return Image.from_ppm(r.stdout)

    def shot(self, wid=None):
        x, y, w, h = self.geometry(wid)
        return self.screenshot().crop(x, y, w, h)

    def wait_drawn(self, wid=None, timeout=TIMEOUT):
        def drawn():
            img = self.shot(wid)
            samples = [img.pixel(x, y) for y in range(2, img.height, 7)
                       for x in range(3, img.width, 11)]
            black = sum(1 for p in samples if p == (0, 0, 0))
            return img if black * 2 < len(samples) else None
        return self.wait_until(drawn, timeout, interval=0.02, what="the window to be drawn")

    def wait_until(self, predicate, timeout=TIMEOUT, interval=0.05, what="the condition"):
        deadline = time.monotonic() + timeout
        while True:
            value = predicate()
            if value:
                return value
            if time.monotonic() >= deadline:
                raise AssertionError("timed out after %gs waiting for %s%s" % (
                    timeout, what, self._evidence()))
            time.sleep(interval)

    def _evidence(self):
        """Saves the screen next to the test (its working directory) and
        says where, for the failure message."""
        name = "%s-failed-%d.png" % (
            os.path.splitext(os.path.basename(sys.argv[0]))[0], int(time.time() * 1000) % 100000)
        try:
            self.screenshot().save_png(name)
        except Exception:  # the evidence must not hide the failure
            return ""
        return "; screen saved in " + os.path.abspath(name)

    def running(self):
        return self.proc is not None and self.proc.poll() is None

    def wait_exit(self, timeout=TIMEOUT):
        try:
            return self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError("the program did not end within %gs" % timeout)

    def output(self):
        def read(f):
            f.seek(0)
            return f.read().decode(errors="replace")
        return read(self._out), read(self._err)


@contextlib.contextmanager
def session(program, args=(), cwd=None, faketime=FAKETIME, window="Vornak", timeout=TIMEOUT):
    _need("xdotool")
    tmp = None
    if cwd is None:
        tmp = tempfile.TemporaryDirectory(prefix="vornak-e2e-")
        cwd = tmp.name
    xvfb = None
    s = None
    try:
        xvfb, display = _start_xvfb()
        s = Session(display, cwd)
        s.start(program, args, faketime)
        if window is not None:
            s.wid = s.find_window("^%s$" % re.escape(window), timeout)
            s.wait_drawn(timeout=timeout)
        yield s
    finally:
        if s is not None:
            s.stop()
        _stop(xvfb)
        if tmp is not None:
            tmp.cleanup()
