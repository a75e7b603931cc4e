#!/usr/bin/python3
"""vornak-chart's outputs and inputs as the built program meets them: the
input never written over, outputs written as a shell redirect would write
them (descriptors directly, links followed, a file the user could not write
refused, only the permission bits kept) but atomically, nothing left behind
by a signal, closed standard descriptors, and read errors of standard input.
Usage: outputs_test.py VORNAK_CHART SAMPLES_FILE"""
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

prog, samples = sys.argv[1:3]
chart = open(samples, "rb").read()
first = chart.split(b"\n")[0] + b"\n"
failed = 0


def check(cond, what):
    global failed
    failed += not cond
    if not cond:
        print("FAILED:", what)


def defaults():
    # Signals as a terminal would leave them, whatever the test runner ignores.
    for s in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        signal.signal(s, signal.SIG_DFL)


def run(*args, cwd=None, stdin=None, user=False, **kw):
    def start():
        defaults()
        if user and os.geteuid() == 0:  # root may write anything: be nobody
            os.setgid(65534)
            os.setuid(65534)
    return subprocess.run([prog, *args], cwd=cwd, stdin=stdin, stderr=subprocess.PIPE,
                          stdout=kw.pop("stdout", subprocess.PIPE), timeout=60,
                          preexec_fn=start, **kw)


def files(d):
    return sorted(os.listdir(d))


def put(path, data=chart):
    with open(path, "wb") as f:
        f.write(data)


with tempfile.TemporaryDirectory() as d:
    os.chmod(d, 0o777)
    vnk = os.path.join(d, "charts.vnk")
    one = os.path.join(d, "one.vnk")
    put(vnk)
    put(one, first)
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
            check(r.returncode == 2 and r.stderr.decode() ==
                  "vornak-chart: %s: is the input file; nothing written\n" % shown,
                  "%s: %d %r" % (args, r.returncode, r.stderr))
    check(open(vnk, "rb").read() == chart and open(one, "rb").read() == first,
          "the input was changed")
    check(files(d) == ["charts.vnk", "hard.vnk", "one.vnk", "soft.vnk", "sub"], files(d))
    put(vnk)  # whatever happened to it, for the cases below

    # Descriptors are written directly: appended to where the shell appends.
    log = os.path.join(d, "log.txt")
    put(log, b"before\n")
    with open(log, "ab") as f:
        r = run("--svg", "/dev/stdout", "--line", "0", vnk, stdout=f)
    with open(log, "ab") as f:
        r2 = subprocess.run([prog, "--svg", "/dev/fd/%d" % f.fileno(), "--line", "1", vnk],
                            pass_fds=(f.fileno(),), capture_output=True, timeout=60)
    text = open(log, "rb").read()
    check(r.returncode == 0 and r2.returncode == 0 and text.startswith(b"before\n<?xml")
          and text.count(b"</svg>") == 2, "descriptor outputs: %r" % text[:40])

    # A dangling link is written through to its target; a replaced file keeps
    # only its permission bits; a new file gets the umask's.
    os.symlink("target.svg", os.path.join(d, "link.svg"))
    r = run("--svg", "link.svg", "--line", "0", vnk, cwd=d)
    check(r.returncode == 0 and os.path.islink(os.path.join(d, "link.svg"))
          and open(os.path.join(d, "target.svg"), "rb").read().startswith(b"<?xml"),
          "dangling link: %d %r %s" % (r.returncode, r.stderr, files(d)))
    old = os.path.join(d, "old.svg")
    put(old, b"old")
    os.chmod(old, 0o6755 | stat.S_ISVTX)
    r = run("--svg", old, "--line", "0", vnk)
    check(r.returncode == 0 and stat.S_IMODE(os.stat(old).st_mode) == 0o755,
          "replaced mode %o" % stat.S_IMODE(os.stat(old).st_mode))
    mask = os.umask(0o027)
    r = run("--svg", os.path.join(d, "new.svg"), "--line", "0", vnk)
    os.umask(mask)
    new = os.path.join(d, "new.svg")
    check(os.path.exists(new) and stat.S_IMODE(os.stat(new).st_mode) == 0o640, "new file's mode")

    # A read-only file (here another user's) is refused, as a redirect would
    # refuse it, though the folder is writable.
    ro = os.path.join(d, "ro.svg")
    put(ro, b"keep")
    os.chmod(ro, 0o444)
    r = run("--svg", ro, "--line", "0", vnk, user=True)
    check(r.returncode == 2 and r.stderr.endswith(b"ro.svg: cannot write: Permission denied\n")
          and open(ro, "rb").read() == b"keep", "read-only: %d %r" % (r.returncode, r.stderr))

    # Any name that fits the folder: the temporary name is short.
    long = "x" * 251 + ".svg"
    r = run("--svg", long, "--line", "0", vnk, cwd=d)
    check(r.returncode == 0 and os.path.isfile(os.path.join(d, long)), "long name: %r" % r.stderr)

    # A write that fails says why, naming the temporary file when that is
    # where it failed, and leaves nothing: a full tmpfs (root only, in a
    # mount namespace of its own), and a device written directly.
    if os.geteuid() == 0:
        mnt = os.path.join(d, "mnt")
        os.mkdir(mnt)
        r = subprocess.run(["unshare", "-m", "sh", "-c", 'mount -t tmpfs -o size=16k tmpfs "$1" || exit 77;'
                            '"$0" --pdf "$1/full.pdf" "$2"; s=$?; ls -A "$1"; exit $s', prog, mnt, vnk],
                           capture_output=True, timeout=60)
        check(r.returncode == 77 or (r.returncode == 2 and r.stdout == b"" and re.fullmatch(
              rb"vornak-chart: \S*/full.pdf: cannot write: No space left on device \(writing the "
              rb"temporary file \S*/mnt/\.vnk\w{6}\)\n", r.stderr)), "full disk: %r" % (r,))
        os.rmdir(mnt)
    r = run("--svg", "/dev/full", "--line", "0", vnk)
    check(r.returncode == 2 and r.stderr == b"vornak-chart: /dev/full: cannot write: No space left on "
          b"device\n", "/dev/full: %r" % r.stderr)

    # With standard error closed, a message does not land in the PDF.
    bad = os.path.join(d, "bad.vnk")
    put(bad, first + b"not a chart\n")
    r = subprocess.run(["sh", "-c", 'exec 2>&-; exec "$0" --pdf closed.pdf - < bad.vnk', prog],
                       cwd=d, timeout=60)
    pdf = open(os.path.join(d, "closed.pdf"), "rb").read() if "closed.pdf" in files(d) else b""
    check(r.returncode == 1 and pdf.startswith(b"%PDF") and b"vornak-chart: " not in pdf,
          "stderr closed: %d %r" % (r.returncode, pdf[:20]))

    # A signal during a long PDF leaves neither the file nor its temporary file.
    many = os.path.join(d, "many.vnk")
    put(many, chart * 600)
    for sig in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP):
        before = files(d)
        p = subprocess.Popen([prog, "--pdf", "sig.pdf", "many.vnk"], cwd=d, preexec_fn=defaults,
                             stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 20
        while files(d) == before and time.monotonic() < deadline:  # the temporary file
            time.sleep(0.01)
        p.send_signal(sig)
        p.wait(timeout=60)
        check(p.returncode == -sig and files(d) == before,
              "signal %d: status %d, files %s" % (sig, p.returncode, files(d)))

    # Standard input that is a directory, or that fails part way (a terminal
    # whose other side is gone), is an error, and no page file is written.
    for args in (["-"], ["--pdf", "in.pdf", "-"]):
        dirfd = os.open(d, os.O_RDONLY)
        r = run(*args, stdin=dirfd, cwd=d)
        os.close(dirfd)
        check(r.returncode == 2 and r.stderr == b"vornak-chart: standard input: cannot read: "
              b"Is a directory\n" and "in.pdf" not in files(d), "%s < dir: %d %r" % (args, r.returncode, r.stderr))
    master, slave = pty.openpty()
    tty.setraw(slave)
    p = subprocess.Popen([prog, "--pdf", "tty.pdf", "-"], cwd=d, stdin=slave,
                         stderr=subprocess.PIPE)
    os.close(slave)
    os.write(master, chart)
    time.sleep(0.3)
    os.close(master)
    err = p.stderr.read()
    check(p.wait(timeout=60) == 2 and err == b"vornak-chart: standard input: cannot read: "
          b"Input/output error\n" and "tty.pdf" not in files(d), "read error: %d %r" % (p.returncode, err))

print("failed" if failed else "passed")
sys.exit(1 if failed else 0)
