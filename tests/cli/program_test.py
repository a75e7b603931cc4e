#!/usr/bin/env python3
"""The built vornak-chart run on the sample chart file.

Usage: program_test.py VORNAK_CHART SAMPLES_FILE
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

KEYS = ["line", "name", "place", "date", "jd", "tpos", "tsp", "nakshatra",
        "navamsha", "dashas"]

failed = 0
passed = 0


def check(cond, what):
    global failed, passed
    if cond:
        passed += 1
    else:
        failed += 1
        print("FAILED:", what)


def run(prog, args, cwd=None, stdin=b"", stdout=subprocess.PIPE):
    return subprocess.run([prog] + args, input=stdin, stdout=stdout,
                          stderr=subprocess.PIPE, cwd=cwd, timeout=60)


def main():
    prog, samples = sys.argv[1], sys.argv[2]
    with open(samples, "rb") as f:
        sample = f.read()
    nlines = sample.count(b"\n")

    # JSON Lines: each line parses, with the keys in order.
    r = run(prog, ["--json", samples])
    check(r.returncode == 0, "--json on the samples exits 0: %r" % r.stderr)
    objs = [json.loads(l) for l in r.stdout.decode("utf-8").splitlines()]
    check(len(objs) == nlines, "one object per sample line")
    check(all(list(o.keys()) == KEYS for o in objs), "keys in order")
    j2000 = objs[0]
    check(j2000["jd"] == 2451545.5, "jd reads back as 2451545.5")
    check(j2000["tpos"] == [20852, 15390, 11967, 18246, 14881, 83, 13062, 992,
                            6005, 16805], "J2000 tpos")
    check(j2000["tsp"] == [0, 3669, 43288, 2792, 5602, 146, 4352, -71, -194,
                           -194], "J2000 tsp")
    check(j2000["dashas"][0] == ["Ra/Ma", "Jan 01, 2000"], "J2000 first dasha")
    check(objs[1]["tpos"][0] == 4579, "Delhi ascendant")
    check(all(o["line"] == i for i, o in enumerate(objs)), "line indexes")

    # No FILE: charts.vnk in the current directory; a blank line between
    # charts.
    with tempfile.TemporaryDirectory() as d:
        shutil.copy(samples, os.path.join(d, "charts.vnk"))
        r = run(prog, [], cwd=d)
        check(r.returncode == 0, "default file exits 0")
        charts = r.stdout.decode("utf-8").split("\n\n")
        check(len(charts) == nlines, "charts parted by blank lines")
        first = charts[0].split("\n")
        check(first[0] == "J2000 Epoch            ", "name line")
        check(first[2] == "Greenwich Meridian        0W00  0N00", "place line")
        check(first[10] == "SaR  16Ar32  Bharani", "Saturn row")

        # No chart file here: status 2.
        os.remove(os.path.join(d, "charts.vnk"))
        r = run(prog, [], cwd=d)
        check(r.returncode == 2, "missing charts.vnk exits 2")
        check(r.stderr == b"vornak-chart: charts.vnk: cannot open: "
              b"No such file or directory\n", "missing file message")

    # Standard input with a bad line: message with its line number, the
    # others cast, status 1.
    lines = sample.split(b"\n")
    bad = lines[0][:23] + b"Xyz" + lines[0][26:]
    r = run(prog, ["--json", "-"], stdin=lines[0] + b"\n" + bad + b"\n" + lines[1])
    check(r.returncode == 1, "bad line exits 1")
    check(r.stderr == b'vornak-chart: standard input: line 1: unknown month "Xyz"\n',
          "bad line message: %r" % r.stderr)
    out = [json.loads(l) for l in r.stdout.decode("utf-8").splitlines()]
    check(out[1] == {"line": 1, "error": 'unknown month "Xyz"'}, "error object")
    check(out[2]["line"] == 2 and out[2]["tpos"][0] == 4579, "line after the bad one")

    r = run(prog, ["--line", "2", samples])
    check(r.returncode == 0 and r.stdout.startswith(b"Example Person"), "--line 2")
    r = run(prog, ["--line", str(nlines), samples])
    check(r.returncode == 1 and r.stdout == b"", "--line past the end exits 1")

    r = run(prog, ["--bogus"])
    check(r.returncode == 2 and b"usage:" in r.stderr, "unknown option exits 2")
    r = run(prog, ["--version"])
    check(r.returncode == 0 and b"Version 1.1" in r.stdout, "--version")

    # Output that cannot be written is not a success.
    if os.path.exists("/dev/full"):
        with open("/dev/full", "wb") as full:
            r = run(prog, [samples], stdout=full)
        check(r.returncode == 2, "write to /dev/full exits 2")
        check(b"cannot write" in r.stderr, "write failure message")

    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
