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

SAMPLES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "samples",
                       "charts.vnk")
PREFS = ("; FLTK preferences file format 1.0\n; vendor: fltk.org\n; application: fltk\n\n"
         "[.]\n\n[./options]\nFNFCUsesGTK:0\n")
# FLTK's chooser, in its window's coordinates: the filter choice, the end of
# the file name field, Cancel.
SHOW, NAME, CANCEL = (166, 22), (470, 322), (443, 357)
KINDS = {"PNG": 0, "SVG": 1, "PDF": 2}


def session(gtk=False):
    # A session with a HOME of its own (the choosers keep their recent files
    # there), which holds FLTK's preference against GTK's chooser unless gtk.
    home = tempfile.TemporaryDirectory(prefix="vornak-home-")
    if not gtk:
        os.makedirs(os.path.join(home.name, ".fltk", "fltk.org"))
        with open(os.path.join(home.name, ".fltk", "fltk.org", "fltk.prefs"), "w") as f:
            f.write(PREFS)
    s = harness.Session(env={"HOME": home.name})
    s.home = home  # removed with the session object
    return s


def load(s, line):
    # The sample file as the chart file, its line loaded through File > Open.
    with open(SAMPLES, "rb") as f, open(os.path.join(s.cwd, "charts.vnk"), "wb") as out:
        out.write(f.read())
    s.menu("Open")
    q = s.find("Select Chart")
    s.key(*(["Down"] * line + ["Return"]), wid=q)
    s.gone(q)


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


def export(s, name, kind=None, gtk=False):
    c = chooser(s, name, kind, gtk)
    s.key("Return", wid=c)
    s.gone(c)


def written(s, name):
    path = os.path.join(s.cwd, name)
    harness.wait(lambda: os.path.exists(path), name + " to be written")
    with open(path, "rb") as f:
        return f.read()


def reference(args, line, north):
    # What vornak-chart writes for the sample file's line (in the window's
    # zone, which gives a PDF's date its length).
    with tempfile.TemporaryDirectory() as d:
        out = os.path.join(d, "page")
        subprocess.run([os.environ["VORNAK_CHART"], args, out, "--line", str(line)]
                       + (["--north"] if north else []) + [SAMPLES], check=True,
                       env=dict(os.environ, TZ="UTC"), timeout=harness.TIMEOUT)
        with open(out, "rb") as f:
            return f.read()


def undated(pdf):
    # A PDF without the moment it was made (the same length either way).
    return re.sub(rb"/(CreationDate|ModDate) \(D:[^)]*\)", b"", pdf)


def files(s):
    return sorted(os.listdir(s.cwd))


def test_kinds():
    # (name typed, filter, file written, vornak-chart's switch, style)
    cases = [("south.png", None, "south.png", "--png", "South"),
             ("north", "SVG", "north.svg", "--svg", "North"),
             ("Chart.PDF", "SVG", "Chart.PDF", "--pdf", "North"),  # the extension wins
             ("page", "PDF", "page.pdf", "--pdf", "South")]
    with session() as s:
        load(s, 2)
        for name, kind, path, switch, style in cases:
            s.menu(style)
            export(s, name, kind)
            got, want = written(s, path), reference(switch, 2, style == "North")
            if switch == "--pdf":
                got, want = undated(got), undated(want)
            harness.check(got == want, "%s differs from vornak-chart %s" % (path, switch))
        harness.check(files(s) == sorted(["charts.vnk"] + [c[2] for c in cases]),
                      "files left: %s" % files(s))
        # page.pdf again, by its name without the extension: asked first,
        # kept with Escape, replaced with Return.
        path = os.path.join(s.cwd, "page.pdf")
        os.truncate(path, 0)
        for key, replaced in (("Escape", False), ("Return", True)):
            export(s, "page", "PDF")
            q = harness.wait(lambda: next((w for w, n in s.windows().items() if n == ""),
                                          None), "the question")
            s.key(key, wid=q)
            s.gone(q)
            if replaced:
                harness.wait(lambda: os.path.getsize(path) > 0, "page.pdf to be replaced")
            with open(path, "rb") as f:
                got = f.read()
            harness.check(undated(got) == (want if replaced else b""), "page.pdf after " + key)


def test_cancel_and_failures():
    with session() as s:
        load(s, 1)
        before = files(s)
        c = chooser(s, "cancelled.png")
        s.click(*CANCEL, wid=c)
        s.gone(c)
        harness.check(files(s) == before, "Cancel wrote %s" % files(s))

        # A plain file where the folder should be, and the chart file by
        # other names, a hard and a symbolic link (the chooser first asks
        # whether to replace the file: yes). The name charts.vnk itself would
        # be charts.vnk.png.
        with open(os.path.join(s.cwd, "plain"), "w"):
            pass
        os.link(os.path.join(s.cwd, "charts.vnk"), os.path.join(s.cwd, "link.png"))
        os.symlink("charts.vnk", os.path.join(s.cwd, "symlink.pdf"))
        chart = s.chartfile()
        for name, confirm in (("plain/page.png", False), ("link.png", True),
                              ("symlink.pdf", True)):
            export(s, name)
            if confirm:
                q = harness.wait(lambda: next((w for w, n in s.windows().items()
                                               if n == ""), None), "the question")
                s.key("Return", wid=q)
                s.gone(q)
            harness.check(s.box() == "alert", "no alert for %s" % name)
            harness.check(s.chartfile() == chart, "the chart file changed")
        harness.check(files(s) == sorted(before + ["plain", "link.png", "symlink.pdf"]),
                      "files left: %s" % files(s))


def test_gtk_chooser():
    try:
        ctypes.CDLL("libgtk-x11-2.0.so.0")
    except OSError:
        print("GTK 2 is not installed; its chooser is not tried")
        return
    with session(gtk=True) as s:
        load(s, 3)
        s.menu("North")
        export(s, "gtk.svg", gtk=True)
        harness.check(written(s, "gtk.svg") == reference("--svg", 3, True),
                      "gtk.svg differs from vornak-chart --svg")


harness.run(test_kinds, test_cancel_and_failures, test_gtk_chooser)
