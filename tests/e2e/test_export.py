# File > Export Page...: the page that the window shows, in its style, written
# to the file named in the chooser equals what vornak-chart writes for the
# same chart line and style (a PDF but for its creation date); the kind comes
# from the name's extension, else from the chooser's filter, whose extension
# is then added; Cancel writes nothing; a file that cannot be written, or the
# chart file, gives the alert and leaves the chart file as it was.
#
# FLTK's own chooser is used, as where no GTK is installed: a private HOME
# holds the toolkit's preference that turns GTK's off. Where GTK 2 is
# installed its chooser is driven too.
import ctypes
import os
import re
import subprocess
import tempfile

import harness

SAMPLES = os.path.join(harness.TOP, "samples", "charts.vnk")
PREFS = ("; FLTK preferences file format 1.0\n; vendor: fltk.org\n; application: fltk\n\n"
         "[.]\n\n[./options]\nFNFCUsesGTK:0\n")
# FLTK's chooser, in its window's coordinates: the filter choice, the end of
# the file name field, Cancel.
SHOW, NAME, CANCEL = (166, 22), (470, 322), (443, 357)
KINDS = {"PNG": 0, "SVG": 1, "PDF": 2}


class Session(harness.Session):
    # A session with a HOME of its own (the choosers keep their recent files
    # there), which holds FLTK's preference against GTK's chooser unless gtk;
    # the sample file is the chart file, its line loaded through File > Open.
    def __init__(self, line, gtk=False):
        self.home, self.line = tempfile.TemporaryDirectory(prefix="vornak-home-"), line
        if not gtk:
            os.makedirs(os.path.join(self.home.name, ".fltk", "fltk.org"))
            with open(os.path.join(self.home.name, ".fltk", "fltk.org", "fltk.prefs"), "w") as f:
                f.write(PREFS)
        super().__init__(env={"HOME": self.home.name})

    def __enter__(self):
        super().__enter__()
        with open(SAMPLES, "rb") as f:
            self.put(f.read())
        self.pick(*["Down"] * self.line, "Return")
        return self


def chooser(s, name, kind=None, gtk=False):
    # File > Export Page..., the filter chosen, name typed after the folder
    # that the chooser shows; returns the chooser's window.
    s.menu("Export Page...")
    c = s.find("Export Page")
    if kind and not gtk:
        s.click(*SHOW, wid=c)
        harness.wait(lambda: s.windows(menus=True), "the filter menu")
        s.key(*(["Down"] * KINDS[kind] + ["Return"]), wid=c)
        harness.wait(lambda: not s.windows(menus=True), "the filter menu to close")
    if not gtk:
        s.click(*NAME, wid=c)
    s.xdo("windowfocus", "--sync", c, "type", "--delay", 20, name)
    return c


def export(s, name, kind=None, gtk=False, replace=None):
    # As chooser(), then Return; replace answers the question whether to
    # replace the file (Return for yes, Escape for no).
    c = chooser(s, name, kind, gtk)
    s.keyed(c, "Return")
    if replace:
        s.answer(replace)


def written(s, name):
    harness.wait(lambda: os.path.exists(s.path(name)), name + " to be written")
    with open(s.path(name), "rb") as f:
        return undated(f.read())


def reference(args, line, style):
    # What vornak-chart writes for the sample file's line (in the window's
    # zone, which gives a PDF's date its length).
    with tempfile.TemporaryDirectory() as d:
        subprocess.run([os.environ["VORNAK_CHART"], args, d + "/page", "--line", str(line)]
                       + (["--north"] if style == "North" else []) + [SAMPLES], check=True,
                       env=dict(os.environ, TZ="UTC"), timeout=harness.TIMEOUT)
        with open(d + "/page", "rb") as f:
            return undated(f.read())


def undated(page):
    # A PDF without the moment it was made (the same length either way).
    return re.sub(rb"/(CreationDate|ModDate) \(D:[^)]*\)", b"", page)


def test_kinds():
    # (name typed, filter, file written, vornak-chart's switch, style)
    cases = [("south.png", None, "south.png", "--png", "South"),
             ("north", "SVG", "north.svg", "--svg", "North"),
             ("Chart.PDF", "SVG", "Chart.PDF", "--pdf", "North"),  # the extension wins
             ("page", "PDF", "page.pdf", "--pdf", "South")]
    with Session(2) as s:
        for name, kind, path, switch, style in cases:
            s.menu(style)
            export(s, name, kind)
            harness.check(written(s, path) == reference(switch, 2, style),
                          "%s differs from vornak-chart %s" % (path, switch))
        harness.check(s.files() == sorted(["charts.vnk"] + [c[2] for c in cases]),
                      "files left: %s" % s.files())
        # page.pdf again, by its name without the extension: asked first,
        # kept with Escape, replaced with Return.
        os.truncate(s.path("page.pdf"), 0)
        for key, want in (("Escape", b""), ("Return", reference("--pdf", 2, "South"))):
            export(s, "page", "PDF", replace=key)
            harness.wait(lambda: written(s, "page.pdf") == want, "page.pdf after " + key)


def test_cancel_and_failures():
    # Cancel; a plain file where the folder should be, and the chart file by
    # another name, a hard link (the chooser first asks whether to replace
    # the file: yes), give the alert. (The chart file's other names, links to
    # where it would be and FIFOs: tests/page/pageexport_test.cpp.)
    with Session(1) as s:
        before, chart = s.files(), s.chartfile()
        s.key("ctrl+shift+e")  # File > Export Page... (not Ctrl+E's Edit)
        s.button(s.find("Export Page"), CANCEL)
        s.button(chooser(s, "cancelled.png"), CANCEL)
        harness.check(s.files() == before, "Cancel wrote %s" % s.files())
        open(s.path("plain"), "w").close()
        os.link(s.path(), s.path("link.png"))
        for name, replace in (("plain/page.png", None), ("link.png", "Return")):
            export(s, name, replace=replace)
            s.alert(name)
            harness.check(s.chartfile() == chart, "the chart file changed")
        harness.check(s.files() == sorted(before + ["plain", "link.png"]),
                      "files left: %s" % s.files())


def test_gtk_chooser():
    try:
        ctypes.CDLL("libgtk-x11-2.0.so.0")
    except OSError:
        print("GTK 2 is not installed; its chooser is not tried")
        return
    with Session(3, gtk=True) as s:
        s.menu("North")
        export(s, "gtk.svg", gtk=True)
        harness.check(written(s, "gtk.svg") == reference("--svg", 3, "North"),
                      "gtk.svg differs from vornak-chart --svg")


harness.run(test_kinds, test_cancel_and_failures, test_gtk_chooser)
