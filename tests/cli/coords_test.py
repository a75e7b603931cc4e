#!/usr/bin/python3
# vornak-chart as a user types coordinates, blanks and all: --find lists the
# nearest place and its distance; --import gives a row with lon and lat but
# no zone the zone of the nearest place, and tells a name cut to 23 bytes.
# Usage: coords_test.py VORNAK_CHART
import subprocess
import sys

from checks import check, done

prog = sys.argv[1]


def run(*args, data=b""):
    r = subprocess.run([prog, *args], input=data, capture_output=True, timeout=60)
    return r.returncode, r.stdout, r.stderr


for text in ("18 31N 73 51E", "18°31'N, 73°51'E", "18.52, 73.85"):
    got = run("--find", text)
    check(got == (0, b"Pune, Maharashtra, India  73E51 18N31  Asia/Kolkata  2935744  1 km\n", b""),
          "--find %s: %r" % (text, got))

csv = "name,date,time,place,lon,lat\nசுந்தரம்,1987-03-14,18:05,\"Kothrud, Pune\",73E48,18N30\n"
got = run("--import", "-", data=csv.encode())
name = "சுந்தர".encode()
check(got == (0, name + b" " * 5 + b"Mar 14, 198706:05:00 PM    -05:30073E48'00 18N30'00 Kothrud"
              + b" " * 17 + b"\n",
              b"vornak-chart: standard input: row 2: name shortened to 23 bytes: \"" + name + b"\"\n"),
      "--import: %r" % (got,))
done()
