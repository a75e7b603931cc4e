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
import resource
import shutil
import signal
import stat
import subprocess
import sys
import tempfile
import time
import tty

from checks import check, done

prog, samples = map(os.path.abspath, sys.argv[1:3])
chart = open(samples, "rb").read()
SIGNALS = (signal.SIGINT, signal.SIGTERM, signal.SIGHUP, signal.SIGQUIT, signal.SIGPIPE,
           signal.SIGALRM, signal.SIGUSR1, signal.SIGUSR2)
ERR = b"vornak-chart: "


def defaults():
    # Signals as a terminal would leave them, whatever the test runner ignores.
    for s in SIGNALS:
        signal.signal(s, signal.SIG_DFL)
    resource.setrlimit(resource.RLIMIT_CORE, (0, 0))  # SIGQUIT's core is no output


def run(*args, user=False, fsize=None, **kw):
    user = user and os.geteuid() == 0  # root may write anything: be nobody

    def start():
        defaults()
        if fsize:
            resource.setrlimit(resource.RLIMIT_FSIZE, (fsize, fsize))
        if user:
            os.setgid(65534)
            os.setuid(65534)
    kw = {"stdout": subprocess.PIPE, "stderr": subprocess.PIPE, **kw}
    return subprocess.run([userprog if user else prog, *args], timeout=60, preexec_fn=start, **kw)


def put(name, data=chart, mode=0o644):
    with open(name, "wb") as f:
        f.write(data)
    os.chmod(name, mode)


def read(name):
    return open(name, "rb").read() if os.path.isfile(name) else b""


# The user nobody may be unable to enter the build tree or TMPDIR: the test
# works in a folder under /tmp, and nobody runs a copy of the program from
# another.
with tempfile.TemporaryDirectory(dir="/tmp") as d, tempfile.TemporaryDirectory(dir="/tmp") as b:
    os.chmod(b, 0o755)
    userprog = shutil.copy(prog, b)
    os.chdir(d)
    os.chmod(d, 0o777)
    put("charts.vnk")

    # The input is never written over: the default input, a descriptor's
    # name, standard input and output. (Links and ".." go through the same
    # check in the window's export, tests/page/pageexport_test.cpp.)
    with open("charts.vnk", "ab") as log:
        for args, kw, shown in [
                (["--pdf", "charts.vnk"], {}, "charts.vnk"),
                (["--pdf", "/dev/stdout", "charts.vnk"], {"stdout": log}, "/dev/stdout"),
                (["--pdf", "-", "-"], {"stdin": open("charts.vnk", "rb"), "stdout": log},
                 "standard output"),
                (["-"], {"stdin": open("charts.vnk", "rb"), "stdout": log}, "standard output")]:
            r = run(*args, **kw)
            check((r.returncode, r.stderr) == (2, ERR + b"%s: is the input file; nothing "
                                                     b"written\n" % shown.encode()),
                  "%s: %d %r" % (args, r.returncode, r.stderr))
    check(read("charts.vnk") == chart and os.listdir() == ["charts.vnk"], os.listdir())

    # Descriptors are written directly: appended to where the shell appends.
    # (A number of two digits: a nine and a zero; and descriptor 0 as
    # /dev/stdin.)
    put("log.txt", b"before\n")
    with open("log.txt", "ab") as f:
        r = run("--svg", "/dev/stdout", "--line", "0", samples, stdout=f)
        os.dup2(f.fileno(), 90)
        r2 = run("--svg", "/dev/fd/90", "--line", "1", samples, pass_fds=(90,))
        os.close(90)
        r3 = run("--svg", "/dev/stdin", "--line", "2", samples, stdin=f)
    text = read("log.txt")
    check({x.returncode for x in (r, r2, r3)} == {0}, [x.stderr for x in (r, r2, r3)])
    check(text.startswith(b"before\n<?xml") and text.count(b"</svg>") == 3, text[:40])

    # One SVG each: a dangling link is written through to its target; a
    # replaced file keeps only its permission bits, a new file gets the
    # umask's; a read-only file (here another user's) is refused, as a
    # redirect would refuse it, though the folder is writable; any name that
    # fits the folder works (the temporary name is short). (A device and its
    # failure: tests/data/chartcmd.txt.)
    os.symlink("target.svg", "link.svg")
    put("old.svg", b"old", 0o6755 | stat.S_ISVTX)
    put("ro.svg", b"keep", 0o444)
    os.mkdir("fd")  # a folder of that name is no descriptor's
    mask = os.umask(0o027)
    for out, user, status, err, after in [
            ("link.svg", False, 0, b"", lambda: os.path.islink("link.svg")
             and read("target.svg").startswith(b"<?xml")),
            ("old.svg", False, 0, b"", lambda: stat.S_IMODE(os.stat("old.svg").st_mode) == 0o755),
            ("new.svg", False, 0, b"", lambda: stat.S_IMODE(os.stat("new.svg").st_mode) == 0o640),
            ("ro.svg", True, 2, ERR + b"ro.svg: cannot write: Permission denied\n",
             lambda: read("ro.svg") == b"keep"),
            ("x" * 251 + ".svg", False, 0, b"", lambda: read("x" * 251 + ".svg")),
            ("fd/1", False, 0, b"", lambda: read("fd/1").startswith(b"<?xml"))]:
        r = run("--svg", out, "--line", "0", "charts.vnk", user=user)
        check((r.returncode, r.stderr) == (status, err) and after(),
              "%s: %d %r" % (out[:20], r.returncode, r.stderr))
    os.umask(mask)
    # A name through 40 links is written where they lead; through 41, refused.
    for i in range(41):
        os.symlink("l%d" % (i - 1) if i else "chain.svg", "l%d" % i)
    check([run("--svg", "l%d" % i, "--line", "0", samples).returncode for i in (39, 40)] == [0, 2]
          and read("chain.svg").startswith(b"<?xml"), "links")

    # A write to a full disk says why, naming the temporary file, and leaves
    # nothing: a full tmpfs (root only, in a mount namespace of its own).
    if subprocess.run(["unshare", "-m", "true"], capture_output=True).returncode:
        print("skipped the full tmpfs: no private mount namespace here (needs root)")
    else:
        os.mkdir("mnt")
        r = subprocess.run(["unshare", "-m", "sh", "-c", 'mount -t tmpfs -o size=16k tmpfs "$1" '
                            '|| exit 77; "$0" --pdf "$1/full.pdf" "$2"; s=$?; ls -A "$1"; exit $s',
                            prog, os.path.abspath("mnt"), samples], capture_output=True, timeout=60)
        if r.returncode == 77:
            print("skipped the full tmpfs: no tmpfs mounted")
        check(r.returncode == 77 or (r.returncode == 2 and r.stdout == b"" and re.fullmatch(
              rb"vornak-chart: \S*/full.pdf: cannot write: No space left on device \(writing the "
              rb"temporary file \S*/mnt/\.vnk\w{6}\)\n", r.stderr)), "full disk: %r" % (r,))
        os.rmdir("mnt")

    # With standard error closed, a message does not land in the PDF.
    put("bad.vnk", chart + b"not a chart\n")
    r = subprocess.run(["sh", "-c", 'exec 2>&-; exec "$0" --pdf closed.pdf - < bad.vnk', prog],
                       timeout=60)
    pdf = read("closed.pdf")
    check(r.returncode == 1 and pdf.startswith(b"%PDF") and ERR not in pdf,
          "stderr closed: %d %r" % (r.returncode, pdf[:20]))
    # With standard input closed, "-" is read as empty.
    r = subprocess.run(["sh", "-c", 'exec 0<&-; exec "$0" -', prog], capture_output=True, timeout=60)
    check((r.returncode, r.stdout, r.stderr) == (0, b"", b""), "stdin closed: %r" % (r,))

    # A signal during a long PDF leaves neither the file nor its temporary file.
    put("many.vnk", chart * 600)
    for sig in SIGNALS:
        before = sorted(os.listdir())
        p = subprocess.Popen([prog, "--pdf", "sig.pdf", "many.vnk"], preexec_fn=defaults,
                             stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 20
        while sorted(os.listdir()) == before and time.monotonic() < deadline:  # the temporary file
            time.sleep(0.01)
        p.send_signal(sig)
        check(p.wait(timeout=60) == -sig and sorted(os.listdir()) == before,
              "signal %d: status %d, files %s" % (sig, p.returncode, os.listdir()))

    # A write past the file-size limit fails like any other: a message, status
    # 2, no temporary file left.
    before = sorted(os.listdir())
    r = run("--pdf", "big.pdf", "many.vnk", fsize=200 << 10)
    check(r.returncode == 2 and re.fullmatch(rb"vornak-chart: big.pdf: cannot write: File too large "
                                             rb"\(writing the temporary file \.vnk\w{6}\)\n", r.stderr)
          and sorted(os.listdir()) == before, "file-size limit: %d %r" % (r.returncode, r.stderr))

    # Standard input that is a directory, or that fails part way (a terminal
    # whose other side is gone), is an error, and no page file is written.
    # (Text output reads standard input the same way.)
    dirfd = os.open(d, os.O_RDONLY)
    r = run("--pdf", "in.pdf", "-", stdin=dirfd)
    os.close(dirfd)
    check(r.returncode == 2 and r.stderr == ERR + b"standard input: cannot read: Is a directory\n"
          and not os.path.exists("in.pdf"), "stdin a directory: %r" % r.stderr)
    try:
        master, slave = pty.openpty()
    except OSError as e:
        print("skipped the read error of a terminal:", e)
    else:
        tty.setraw(slave)
        p = subprocess.Popen([prog, "--pdf", "tty.pdf", "-"], stdin=slave, stderr=subprocess.PIPE)
        os.close(slave)
        os.write(master, chart)
        time.sleep(0.3)
        os.close(master)
        err = p.stderr.read()
        check(p.wait(timeout=60) == 2 and err == ERR + b"standard input: cannot read: "
              b"Input/output error\n" and not os.path.exists("tty.pdf"), "read error: %r" % err)
    os.chdir("/")

done()
