"""The command line: only the toolkit's window switches are taken. Anything
else, or a missing display, ends the program with status 1 and a message on
standard error before any window is shown."""

import os
import subprocess
import tempfile

import harness
from harness import check

vornak, _ = harness.programs()


def refused(s, how):
    status = s.wait_exit()
    err = s.output()[1]
    check(status == 1, "%s: exit status %d, not 1" % (how, status))
    check(s.windows() == [], "%s: a window was shown: %s" % (how, s.windows()))
    return err


# A file name, an unknown switch, a switch without its value.
for args in (["charts.vnk"], ["-verbose"], ["-geometry"], ["-title", "x", "extra"]):
    with harness.session(vornak, args, window=None) as s:
        err = refused(s, " ".join(args))
        check("usage:" in err and "-g[eometry] WxH+X+Y" in err and "-ti[tle] windowtitle" in err,
              "%s: no usage text on stderr: %r" % (args, err))

# A colour the toolkit does not know ends the program as well.
for args in (["-bg", "nosuchcolour"], ["-fg", "nosuchcolour"], ["-background2", "#12345"]):
    with harness.session(vornak, args, window=None) as s:
        err = refused(s, " ".join(args))
        check(err == "Unknown color: %s\n" % args[1], "%s: stderr %r" % (args, err))

# Known colours are taken.
with harness.session(vornak, ["-bg", "white", "-fg", "black", "-bg2", "#ffffff"]) as s:
    s.close()
    check(s.wait_exit() == 0, "close after colour switches")

# The toolkit's own switches are applied.
with harness.session(vornak, ["-geometry", "+50+60", "-title", "Chart"], window="Chart") as s:
    x, y, w, h = s.geometry()
    check((x, y, w, h) == (50, 60, 760, 420), "-geometry +50+60 gave %s" % ((x, y, w, h),))
    s.close()
    check(s.wait_exit() == 0, "close after switches")

# No display: the toolkit's message and status 1.
with tempfile.TemporaryDirectory() as cwd:
    env = dict(os.environ, DISPLAY=":99999")
    env.setdefault("ASAN_OPTIONS", "detect_leaks=0")
    r = subprocess.run([vornak], cwd=cwd, env=env, capture_output=True, timeout=harness.TIMEOUT)
    err = r.stderr.decode(errors="replace")
    check(r.returncode == 1, "no display: exit status %d" % r.returncode)
    check("Can't open display" in err and ":99999" in err, "no display: stderr %r" % err)
    check(os.listdir(cwd) == [], "no display: files were written: %s" % os.listdir(cwd))
print("ok")
