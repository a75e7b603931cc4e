#!/usr/bin/env python3
"""The built vornak-chart on the sample chart file: its JSON Lines read with
the json module, the default file, standard input, write failures.
Usage: program_test.py VORNAK_CHART SAMPLES_FILE"""
import json
import os
import shutil
import subprocess
import sys
import tempfile

KEYS = ["line", "name", "place", "date", "jd", "tpos", "tsp", "nakshatra",
        "navamsha", "dashas"]
J2000 = {
    "line": 0, "name": "J2000 Epoch            ",
    "place": "Greenwich Meridian     ", "date": "Jan 1, 2000 12:00 Zone: 00:00",
    "jd": 2451545.5,  # reads back to the same double
    "tpos": [20852, 15390, 11967, 18246, 14881, 83, 13062, 992, 6005, 16805],
    "tsp": [0, 3669, 43288, 2792, 5602, 146, 4352, -71, -194, -194],
    "nakshatra": ["Revati", "P.Shadya", "Swati", "Dhanishtha", "Mula", "Aswini",
                  "Anuradha", "Bharani", "Pushya", "Shravana"],
    "navamsha": [9, 5, 12, 8, 3, 1, 6, 5, 7, 1],
}

failed = passed = 0


def check(cond, what):
    global failed, passed
    passed += bool(cond)
    failed += not cond
    if not cond:
        print("FAILED:", what)


def run(prog, args, cwd=None, stdin=b"", stdout=subprocess.PIPE):
    return subprocess.run([prog] + args, input=stdin, stdout=stdout,
                          stderr=subprocess.PIPE, cwd=cwd, timeout=60)


def objects(r):
    """The JSON Lines of a run; strict UTF-8, so a bad byte fails here."""
    return [json.loads(l) for l in r.stdout.decode("utf-8").splitlines()]


def main():
    prog, samples = sys.argv[1], sys.argv[2]
    with open(samples, "rb") as f:
        sample = f.read()
    lines = sample.split(b"\n")
    nlines = sample.count(b"\n")

    r = run(prog, ["--json", samples])
    check(r.returncode == 0 and r.stderr == b"", "--json samples: %r" % r.stderr)
    objs = objects(r)
    check(len(objs) == nlines, "one object per sample line")
    check(all(list(o) == KEYS and o["line"] == i for i, o in enumerate(objs)),
          "keys in order, line indexes")
    a, b = objs[0], objs[1]
    for k, v in J2000.items():
        check(a[k] == v, "J2000 %s: %r" % (k, a[k]))
    # Rahu's last sub-period (Mars), then 8 periods of 9 sub-periods.
    check(len(a["dashas"]) == 73, "J2000 dasha count")
    check(a["dashas"][:2] == [["Ra/Ma", "Jan 01, 2000"], ["Ju/Ju", "Sep 28, 2000"]]
          and a["dashas"][72] == ["Ma/Mo", "Mar 01, 2102"], "J2000 dashas")
    # Delhi: the same instant, another ascendant.
    check(b["date"] == "Jan 1, 2000 17:30 Zone: -5:30", "Delhi date")
    check(b["jd"] == a["jd"] and b["tsp"] == a["tsp"]
          and b["tpos"] == [4579] + a["tpos"][1:], "Delhi jd, tpos, tsp")
    check(b["nakshatra"][0] == "Ardra" and b["navamsha"][0] == 11, "Delhi As")

    # No FILE: charts.vnk in the current directory; blank lines part charts.
    with tempfile.TemporaryDirectory() as d:
        shutil.copy(samples, os.path.join(d, "charts.vnk"))
        r = run(prog, [], cwd=d)
        check(r.returncode == 0 and len(r.stdout.split(b"\n\n")) == nlines,
              "default file, charts parted by blank lines")
        os.remove(os.path.join(d, "charts.vnk"))
        r = run(prog, [], cwd=d)
        check(r.returncode == 2 and r.stderr == b"vornak-chart: charts.vnk: "
              b"cannot open: No such file or directory\n", "missing charts.vnk")

    # A bad line on standard input: an error object, the others cast, status 1;
    # the last line has no line feed.
    bad = lines[0][:23] + b"Xyz" + lines[0][26:]
    r = run(prog, ["--json", "-"], stdin=lines[0] + b"\n" + bad + b"\n" + lines[1])
    check(r.returncode == 1 and r.stderr == b"vornak-chart: standard input: "
          b'line 1: unknown month "Xyz"\n', "bad line: %r" % r.stderr)
    out = objects(r)
    check(out[1] == {"line": 1, "error": 'unknown month "Xyz"'}, "error object")
    check(out[2]["line"] == 2 and out[2]["tpos"][0] == 4579, "line after the bad one")

    # A name with a quote, a backslash, a control byte, a byte that is not
    # UTF-8 and a character cut at its 23rd byte still gives valid JSON.
    name = b'Q"B\\S\x01 \xff \xc3\xa9abcdefghijk\xc3'
    o = objects(run(prog, ["--json", "-"], stdin=name + lines[0][23:]))[0]
    check(o["name"] == 'Q"B\\S\x01 \ufffd \xe9abcdefghijk\ufffd', "name %r" % o["name"])
    check(o["tpos"] == J2000["tpos"], "awkward name casts")

    # Output that cannot be written is not a success.
    if os.path.exists("/dev/full"):
        with open("/dev/full", "wb") as full:
            r = run(prog, [samples], stdout=full)
        check(r.returncode == 2 and b"cannot write" in r.stderr, "/dev/full exits 2")

    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
