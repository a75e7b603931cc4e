#!/usr/bin/python3
# vornak-chart's inputs besides chart files, as the built program meets them:
# CSV to import (peak memory flat whatever a record holds, a spreadsheet's
# byte-order mark skipped before a quoted header), tzdata's zone files and
# the atlas's files, damaged or not files at all.
# Usage: inputs_test.py VORNAK_CHART
import fcntl
import os
import subprocess
import sys
import tempfile
import time

from checks import check, done

prog = os.path.abspath(sys.argv[1])


def run(csv, env=None):
    # Imports the CSV text from a file: status, output, messages and peak memory in MB.
    with tempfile.TemporaryDirectory() as d:
        name = os.path.join(d, "in.csv")
        with open(name, "wb") as f:
            f.write(csv)
        with open(os.path.join(d, "out"), "w+b") as out, open(os.path.join(d, "err"), "w+b") as err:
            # (timeout's peak memory is its child's, which it waits for.)
            p = subprocess.Popen(["timeout", "60", prog, "--import", name], stdout=out, stderr=err,
                                 env=env)
            _, status, usage = os.wait4(p.pid, 0)
            out.seek(0)
            err.seek(0)
            return (os.waitstatus_to_exitcode(status), out.read(),
                    err.read().replace(name.encode(), b"IN"), usage.ru_maxrss / 1024)


# A record of nothing but commas is bounded like one long field.
status, out, err, mb = run(b"," * (4 << 20) + b"\n")
check(status == 1 and out == b"" and
      err == b"vornak-chart: IN: row 1: the record is longer than 65536 bytes\n" and mb < 100,
      "4 MiB of commas: %d %r %.0f MB" % (status, err[:200], mb))

# A byte-order mark before a quoted header, as spreadsheets write it.
status, out, err, _ = run(b'\xef\xbb\xbf"name","date","time","place"\nA,1990-01-01,12:00,Pune\n')
check((status, err) == (0, b"") and out.startswith(b"A      ") and b"Pune" in out,
      "byte-order mark: %d %r" % (status, err))
# A zone whose file is damaged or cannot be read is never a zone: a rule for
# later years that does not parse (New York 2100 would be standard time),
# and a FIFO in place of the file.
with tempfile.TemporaryDirectory() as tz:
    ny = open("/usr/share/zoneinfo/America/New_York", "rb").read()
    os.makedirs(os.path.join(tz, "America"))
    os.makedirs(os.path.join(tz, "Asia"))
    with open(os.path.join(tz, "America", "New_York"), "wb") as f:
        f.write(ny[:ny.rindex(b"\n", 0, len(ny) - 1) + 1] + b"EST5EDT,M3.2.0,M13.1.0\n")
    os.mkfifo(os.path.join(tz, "Asia", "Kolkata"))
    for place, why in [("New York", b"America/New_York is damaged (its rule for later years "
                                    b"cannot be read)"),
                       ("Pune", b"Asia/Kolkata cannot be read")]:
        status, out, err, _ = run(b"name,date,time,place\nA,2100-07-01,12:00,%s\n" % place.encode(),
                                  dict(os.environ, TZDIR=tz))
        check((status, out, err) == (1, b"", b"vornak-chart: IN: row 2: The time zone data of " +
                                     why + b": reinstall the Debian package tzdata; until then, "
                                     b"enter the zone by hand.\n"), "%s: %d %r" % (place, status, err))
# An import appended to a chart file, by >> or by --append, beside a writer
# that locks as Save does (and adds a line feed when the last byte is not
# one): every line stays whole, and --append adds all its lines or none.
def saves(path, p):
    # Appends chart lines to path as Save does, each under the file's lock,
    # while p runs; returns how many.
    line, n = b"Saved" + chart_line[5:], 0
    while p.poll() is None:
        n += 1
        fd = os.open(path, os.O_RDWR | os.O_APPEND | os.O_CREAT, 0o644)
        fcntl.flock(fd, fcntl.LOCK_EX)
        size = os.fstat(fd).st_size
        os.write(fd, (b"\n" if size and os.pread(fd, 1, size - 1) != b"\n" else b"") + line)
        os.close(fd)
        time.sleep(0.001)
    return n


rows = 5000
chart_line = run(b"name,date,time,place\nA,1990-01-01,12:00,Pune\n")[1]
with tempfile.TemporaryDirectory() as d:
    births = os.path.join(d, "births.csv")
    with open(births, "wb") as f:
        f.write(b"name,date,time,place\n" + b"A,1990-01-01,12:00,Pune\n" * rows)
    charts = os.path.join(d, "charts.vnk")
    for how in [">>", "--append"]:
        open(charts, "wb").close()
        with open(charts, "ab") as out:
            p = subprocess.Popen([prog, "--import", births] +
                                 (["--append", charts] if how == "--append" else []),
                                 stdout=out, stderr=subprocess.PIPE)
            saved = saves(charts, p)
            err = p.communicate(timeout=120)[1]
        lines = open(charts, "rb").read().split(b"\n")
        check(p.returncode == 0 and lines.pop() == b"" and len(lines) == rows + saved and
              set(lines) == {chart_line[:-1], b"Saved" + chart_line[5:-1]} and
              (how == ">>" or err == b"vornak-chart: %s: %d chart lines added\n" % (
                  charts.encode(), rows)), "%s: %d lines, %r" % (how, len(lines), err))
    # A refused row, or a chart file that cannot take the lines: nothing added.
    with open(births, "ab") as f:
        f.write(b"B,1990-01-01,12:00,Nowhereville\n")
    before = open(charts, "rb").read()
    r = subprocess.run([prog, "--import", births, "--append", charts], capture_output=True)
    check(r.returncode == 1 and open(charts, "rb").read() == before and r.stderr.endswith(
          b"%s: nothing added, as a row was refused\n" % charts.encode()), "refused: %r" % r.stderr)

# The atlas's files replaced, in a mount namespace of the test's own, by a
# FIFO (refused at once, not waited on), an endless device, and a file cut
# off within its last line.
atlas = "/usr/share/libtimezonemap/ui"
if subprocess.run(["unshare", "-m", "true"], capture_output=True).returncode:
    print("skipped the atlas's files: no private mount namespace here (needs root)")
else:
    with tempfile.TemporaryDirectory() as d:
        for name in ["cities15000.txt", "admin1Codes.txt", "countryInfo.txt"]:
            with open(os.path.join(atlas, name), "rb") as f, open(os.path.join(d, name), "wb") as g:
                g.write(f.read())
        states = os.path.join(d, "admin1Codes.txt")
        for setup, why in [
                ('rm "$1/cities15000.txt"; mkfifo "$1/cities15000.txt"',
                 b"cities15000.txt is not a regular file. Reinstall"),
                ('rm "$1/cities15000.txt"; ln -s /dev/zero "$1/cities15000.txt"',
                 b"cities15000.txt is not a regular file. Reinstall"),
                ('truncate -s -9 "$1/admin1Codes.txt"',
                 b"is damaged: line %d of " % open(states, "rb").read().count(b"\n") +
                 atlas.encode() + b"/admin1Codes.txt is not what the file should hold. Reinstall")]:
            with tempfile.TemporaryDirectory() as copy:
                subprocess.run(["cp", "-a", d + "/.", copy], check=True)
                start = time.monotonic()
                try:
                    r = subprocess.run(["unshare", "-m", "sh", "-c", setup + '; mount --bind "$1" '
                                        '"$2" && exec "$0" --find Springfield', prog, copy, atlas],
                                       capture_output=True, timeout=10)
                except subprocess.TimeoutExpired:
                    r = subprocess.CompletedProcess(setup, "timed out", b"", b"")
                check(r.returncode == 2 and why in r.stderr and time.monotonic() - start < 1,
                      "%s: %s %r" % (setup, r.returncode, r.stderr))
done()
