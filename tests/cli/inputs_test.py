#!/usr/bin/python3
# vornak-chart's inputs besides chart files, as the built program meets them:
# CSV to import (peak memory flat whatever a record holds, a spreadsheet's
# byte-order mark skipped before a quoted header), tzdata's zone files and
# the atlas's files, damaged or not files at all.
# Usage: inputs_test.py VORNAK_CHART
import os
import subprocess
import sys
import tempfile
import time

from checks import check, done

prog = os.path.abspath(sys.argv[1])


def run(csv, env=None):
    """Imports the CSV text from a file: status, output, messages and peak memory in MB."""
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
