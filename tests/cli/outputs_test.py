#!/usr/bin/python3
# vornak-chart's outputs and inputs as the built program meets them: the
# input never written over, outputs written as a shell redirect would write
# them (descriptors directly, links followed, a file the user could not write
# refused, only the permission bits kept) but atomically, nothing left behind
# by a signal, closed standard descriptors, and read errors of standard input.
# A case whose facility the machine lacks (pseudo-terminals, a private mount
# namespace) is skipped with a note.
# Usage: outputs_test.py VORNAK_CHART SAMPLES_FILE
import os
import pty
import re
import signal
import stat
import subprocess
import sys
import tempfile
import time
import tty

from checks import check, done

prog, samples = sys.argv[1:3]
chart = open(samples, "rb").read()
first = chart.split(b"\n")[0] + b"\n"
SIGNALS = (signal.SIGINT, signal.SIGTERM, signal.SIGHUP)


def defaults():
    # Signals as a terminal would leave them, whatever the test runner ignores.
    for s in SIGNALS:
        signal.signal(s, signal.SIG_DFL)


def run(*args, user=False, **kw):
    def start():
        defaults()
        if user and os.geteuid() == 0:  # root may write anything: be nobody
            os.setgid(65534)
            os.setuid(65534)
    kw = {"stdout": subprocess.PIPE, "stderr": subprocess.PIPE, "cwd": d, **kw}
    return subprocess.run([prog, *args], timeout=60, preexec_fn=start, **kw)


def files():
    return sorted(os.listdir(d))


def put(name, data=chart, mode=None):
    with open(os.path.join(d, name), "wb") as f:
        f.write(data)
    if mode is not None:
        os.chmod(os.path.join(d, name), mode)


def read(name):
    path = os.path.join(d, name)
    return open(path, "rb").read() if os.path.isfile(path) else None


def mode(name):
    return stat.S_IMODE(os.stat(os.path.join(d, name)).st_mode)


def cannot(sub, why):
    # A sub-case this machine cannot run: said, not failed.
    print("skipped %s: %s" % (sub, why))


with tempfile.TemporaryDirectory() as d:
    os.chmod(d, 0o777)
    vnk = os.path.join(d, "charts.vnk")
    put("charts.vnk")
    put("one.vnk", first)
    os.link(vnk, os.path.join(d, "hard.vnk"))
    os.symlink("charts.vnk", os.path.join(d, "soft.vnk"))
    os.mkdir(os.path.join(d, "sub"))

    # The input is never written over: the default input, "..", links, a
    # descriptor's name, standard input and output.
    with open(vnk, "ab") as log:
        for args, kw, shown in [
                (["--pdf", "charts.vnk"], {}, "charts.vnk"),
                (["--svg", "sub/../charts.vnk", "--line", "2"], {}, "sub/../charts.vnk"),
                (["--png", "one.vnk", "one.vnk"], {}, "one.vnk"),
                (["--pdf", "hard.vnk", "charts.vnk"], {}, "hard.vnk"),
                (["--pdf", "soft.vnk"], {}, "soft.vnk"),
                (["--pdf", "/dev/stdout", "charts.vnk"], {"stdout": log}, "/dev/stdout"),
                (["--pdf", "-", "-"], {"stdin": open(vnk, "rb"), "stdout": log}, "standard output"),
                (["-"], {"stdin": open(vnk, "rb"), "stdout": log}, "standard output")]:
            r = subprocess.run([prog, *args], cwd=d, stderr=subprocess.PIPE, timeout=60,
                               **{"stdout": subprocess.PIPE, **kw})
            check((r.returncode, r.stderr.decode()) == (
                2, "vornak-chart: %s: is the input file; nothing written\n" % shown),
                "%s: %d %r" % (args, r.returncode, r.stderr))
    check(read("charts.vnk") == chart, "the input was changed")
    check(read("one.vnk") == first, "one.vnk was changed")
    check(files() == ["charts.vnk", "hard.vnk", "one.vnk", "soft.vnk", "sub"], files())

    # Descriptors are written directly: appended to where the shell appends.
    put("log.txt", b"before\n")
    with open(os.path.join(d, "log.txt"), "ab") as f:
        r = run("--svg", "/dev/stdout", "--line", "0", vnk, stdout=f)
        r2 = run("--svg", "/dev/fd/%d" % f.fileno(), "--line", "1", vnk, pass_fds=(f.fileno(),))
    text = read("log.txt")
    check(r.returncode == r2.returncode == 0, "descriptor outputs: %r %r" % (r.stderr, r2.stderr))
    check(text.startswith(b"before\n<?xml") and text.count(b"</svg>") == 2, text[:40])

    # A dangling link is written through to its target; a replaced file keeps
    # only its permission bits; a new file gets the umask's.
    os.symlink("target.svg", os.path.join(d, "link.svg"))
    r = run("--svg", "link.svg", "--line", "0", vnk)
    check(r.returncode == 0 and os.path.islink(os.path.join(d, "link.svg"))
          and (read("target.svg") or b"").startswith(b"<?xml"), "dangling link: %s" % files())
    put("old.svg", b"old", 0o6755 | stat.S_ISVTX)
    r = run("--svg", "old.svg", "--line", "0", vnk)
    check(r.returncode == 0 and mode("old.svg") == 0o755, "replaced mode %o" % mode("old.svg"))
    mask = os.umask(0o027)
    run("--svg", "new.svg", "--line", "0", vnk)
    os.umask(mask)
    check(read("new.svg") and mode("new.svg") == 0o640, "new file's mode")

    # A read-only file (here another user's) is refused, as a redirect would
    # refuse it, though the folder is writable.
    put("ro.svg", b"keep", 0o444)
    r = run("--svg", "ro.svg", "--line", "0", vnk, user=True)
    check(r.returncode == 2 and r.stderr.endswith(b"ro.svg: cannot write: Permission denied\n")
          and read("ro.svg") == b"keep", "read-only: %d %r" % (r.returncode, r.stderr))

    # Any name that fits the folder: the temporary name is short.
    r = run("--svg", "x" * 251 + ".svg", "--line", "0", vnk)
    check(r.returncode == 0 and read("x" * 251 + ".svg"), "long name: %r" % r.stderr)

    # A write that fails says why, naming the temporary file when that is
    # where it failed, and leaves nothing: a full tmpfs (root only, in a
    # mount namespace of its own), and a device written directly.
    if os.geteuid() != 0:
        cannot("the full tmpfs", "not root")
    elif subprocess.run(["unshare", "-m", "true"], capture_output=True).returncode:
        cannot("the full tmpfs", "no private mount namespace here")
    else:
        os.mkdir(os.path.join(d, "mnt"))
        r = subprocess.run(["unshare", "-m", "sh", "-c", 'mount -t tmpfs -o size=16k tmpfs "$1" '
                            '|| exit 77; "$0" --pdf "$1/full.pdf" "$2"; s=$?; ls -A "$1"; exit $s',
                            prog, os.path.join(d, "mnt"), vnk], capture_output=True, timeout=60)
        check(r.returncode == 77 or (r.returncode == 2 and r.stdout == b"" and re.fullmatch(
              rb"vornak-chart: \S*/full.pdf: cannot write: No space left on device \(writing the "
              rb"temporary file \S*/mnt/\.vnk\w{6}\)\n", r.stderr)), "full disk: %r" % (r,))
        os.rmdir(os.path.join(d, "mnt"))
    r = run("--svg", "/dev/full", "--line", "0", vnk)
    check(r.returncode == 2 and r.stderr == b"vornak-chart: /dev/full: cannot write: No space "
          b"left on device\n", "/dev/full: %r" % r.stderr)

    # With standard error closed, a message does not land in the PDF.
    put("bad.vnk", first + b"not a chart\n")
    r = subprocess.run(["sh", "-c", 'exec 2>&-; exec "$0" --pdf closed.pdf - < bad.vnk', prog],
                       cwd=d, timeout=60)
    pdf = read("closed.pdf") or b""
    check(r.returncode == 1 and pdf.startswith(b"%PDF") and b"vornak-chart: " not in pdf,
          "stderr closed: %d %r" % (r.returncode, pdf[:20]))

    # A signal during a long PDF leaves neither the file nor its temporary file.
    put("many.vnk", chart * 600)
    for sig in SIGNALS:
        before = files()
        p = subprocess.Popen([prog, "--pdf", "sig.pdf", "many.vnk"], cwd=d, preexec_fn=defaults,
                             stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 20
        while files() == before and time.monotonic() < deadline:  # the temporary file
            time.sleep(0.01)
        p.send_signal(sig)
        p.wait(timeout=60)
        check(p.returncode == -sig and files() == before,
              "signal %d: status %d, files %s" % (sig, p.returncode, files()))

    # Standard input that is a directory, or that fails part way (a terminal
    # whose other side is gone), is an error, and no page file is written.
    for args in (["-"], ["--pdf", "in.pdf", "-"]):
        dirfd = os.open(d, os.O_RDONLY)
        r = run(*args, stdin=dirfd)
        os.close(dirfd)
        check(r.returncode == 2 and r.stderr == b"vornak-chart: standard input: cannot read: "
              b"Is a directory\n" and not read("in.pdf"), "%s < dir: %r" % (args, r.stderr))
    try:
        master, slave = pty.openpty()
    except OSError as e:
        cannot("the read error of a terminal", e)
    else:
        tty.setraw(slave)
        p = subprocess.Popen([prog, "--pdf", "tty.pdf", "-"], cwd=d, stdin=slave,
                             stderr=subprocess.PIPE)
        os.close(slave)
        os.write(master, chart)
        time.sleep(0.3)
        os.close(master)
        err = p.stderr.read()
        check(p.wait(timeout=60) == 2 and err == b"vornak-chart: standard input: cannot read: "
              b"Input/output error\n" and not read("tty.pdf"), "read error: %r" % err)

done()
