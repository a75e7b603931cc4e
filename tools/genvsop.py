#!/usr/bin/env python3
"""Generate engine/vsop87tables.cpp from the VSOP87 version D files.

Usage: genvsop.py DATADIR [OUTPUT]
  DATADIR  folder holding VSOP87D.ear, .mer, .ven, .mar, .jup, .sat
  OUTPUT   file to write (default: standard output)

Rule: for each planet, variable (L, B, R) and power 0..2 take that series'
terms in file order. For L only, the first term of each power is left out;
its place is taken by the planet's leading constant (the lrg array). Keep
the first N remaining terms, N from COUNTS. A term line's last three numbers
are A, B, C; store A and B times 10^8 and C times 1000, each truncated
toward zero. Exits non-zero with a message when a count, a check row or the
total does not match.
"""

import sys
from decimal import Decimal
from pathlib import Path

PLANETS = [
    # prefix, file suffix, name, counts L0 L1 L2 B0 B1 B2 R0 R1 R2, lrg L0 L1 L2
    ("ear", "ear", "Earth", (29, 14, 6, 29, 10, 1, 30, 15, 7), ("1.75347", "6283.319667", "0.000529")),
    ("mer", "mer", "Mercury", (59, 29, 14, 30, 19, 10, 60, 30, 10), ("4.402507", "26088.147062", "0.00053")),
    ("ven", "ven", "Venus", (35, 21, 6, 21, 13, 5, 33, 17, 4), ("3.176147", "10213.529431", "0.000541")),
    ("mar", "mar", "Mars", (49, 24, 14, 22, 14, 7, 50, 25, 15), ("6.203477", "3340.856275", "0.00058")),
    ("jup", "jup", "Jupiter", (49, 24, 9, 15, 10, 5, 40, 20, 10), ("0.599547", "529.934808", "0.000472")),
    ("sat", "sat", "Saturn", (49, 31, 15, 25, 13, 6, 50, 32, 16), ("0.874014", "213.542956", "0.001164")),
]

TOTAL = 1196

# First stored row of some tables, as a check on the reading of the files.
CHECKS = {
    "earL0": (3341656, 466925680, 6283075),
    "earL1": (206058, 267823455, 6283075),
    "earR0": (100013988, 0, 0),
    "earB2": (1, 162703209, 84334661),
    "merL0": (40989414, 148302034, 26087903),
    "venL0": (1353968, 559313319, 10213285),
    "marL0": (18656368, 505037100, 3340612),
    "marL2": (54187, 0, 0),
    "jupR0": (520887429, 0, 0),
    "satR0": (955758135, 0, 0),
}

SERIES = [(v, k) for v in "LBR" for k in range(3)]


def fail(msg):
    sys.stderr.write("genvsop: error: " + msg + "\n")
    sys.exit(1)


def readseries(path):
    """Returns {(variable, power): [(A, B, C) as Decimal strings]}."""
    series = {}
    current = None
    try:
        lines = path.read_text(encoding="ascii").splitlines()
    except OSError as e:
        fail("cannot read %s: %s" % (path, e))
    for lineno, line in enumerate(lines, 1):
        if line.startswith(" VSOP87"):
            f = line.split()
            try:
                var = "LBR"[int(f[5]) - 1]
                power = int(f[7].split("**")[1])
                expected = int(f[8])
            except (IndexError, ValueError):
                fail("%s:%d: unreadable series header" % (path, lineno))
            current = []
            series[(var, power)] = (current, expected)
        elif line.strip():
            if current is None:
                fail("%s:%d: term before any series header" % (path, lineno))
            f = line.split()
            if len(f) < 3:
                fail("%s:%d: short term line" % (path, lineno))
            current.append(tuple(Decimal(x) for x in f[-3:]))
    for key, (terms, expected) in series.items():
        if len(terms) != expected:
            fail("%s: series %s%d has %d terms, header says %d"
                 % (path, key[0], key[1], len(terms), expected))
    return {k: t for k, (t, _) in series.items()}


def scale(a, b, c):
    return (int(a * 100000000), int(b * 100000000), int(c * 1000))


def build(datadir):
    tables = {}
    for prefix, suffix, name, counts, lrg in PLANETS:
        series = readseries(datadir / ("VSOP87D." + suffix))
        for (var, power), n in zip(SERIES, counts):
            terms = series.get((var, power))
            if terms is None:
                fail("%s: no series %s%d" % (suffix, var, power))
            if var == "L":
                terms = terms[1:]
            if len(terms) < n:
                fail("%s%s%d: needs %d terms, file has %d" % (prefix, var, power, n, len(terms)))
            rows = [scale(*t) for t in terms[:n]]
            tables[prefix + var + str(power)] = rows
    total = sum(len(r) for r in tables.values())
    if total != TOTAL:
        fail("%d terms in all, expected %d" % (total, TOTAL))
    for prefix, _, _, counts, _ in PLANETS:
        for (var, power), n in zip(SERIES, counts):
            if len(tables[prefix + var + str(power)]) != n:
                fail("%s%s%d: count mismatch" % (prefix, var, power))
    for tname, row in CHECKS.items():
        if tables[tname][0] != row:
            fail("%s: first row is %s, expected %s" % (tname, tables[tname][0], row))
    return tables


def emit(tables):
    out = []
    w = out.append
    w("// Planetary series tables: heliocentric longitude L, latitude B and radius")
    w("// vector R of the Earth, Mercury, Venus, Mars, Jupiter and Saturn, referred")
    w("// to the mean ecliptic and equinox of date, powers of time 0 to 2.")
    w("//")
    w("// Source: VSOP87 version D (Bretagnon and Francou 1988), files VSOP87D.ear,")
    w("// VSOP87D.mer, VSOP87D.ven, VSOP87D.mar, VSOP87D.jup and VSOP87D.sat.")
    w("// Rule: for each planet, variable and power the series' terms in file order;")
    w("// for L the first term of each power is left out, its place taken by the")
    w("// leading constant (lrg); the first N remaining terms are kept. Each row is")
    w("// A, B, C with A and B times 10^8 and C times 1000, truncated toward zero.")
    w("// A: 1e-8 rad (L, B) or 1e-8 au (R); B: 1e-8 rad; C: 1e-3 rad per Julian")
    w("// millennium. Term value: A cos(B + C t), t in Julian millennia from J2000.")
    w("//")
    w("// generated by tools/genvsop.py; do not edit.")
    w("#include \"engine/series.h\"")
    w("")
    w("#include <iterator>")
    for prefix, _, name, _, lrg in PLANETS:
        w("")
        w("// " + name + ".")
        names = [prefix + v + str(k) for v, k in SERIES]
        for tname in names:
            w("")
            w("const int32_t %s[][3] = {" % tname)
            for a, b, c in tables[tname]:
                w("    {%d, %d, %d}," % (a, b, c))
            w("};")
        w("")
        w("const int32_t* const %sptr[9] = {" % prefix)
        w("    " + ", ".join("%s[0]" % t for t in names[:5]) + ",")
        w("    " + ", ".join("%s[0]" % t for t in names[5:]) + "};")
        w("const int %sterms[9] = {" % prefix)
        for i in range(0, 9, 3):
            w("    " + " ".join("int(std::size(%s))," % t for t in names[i:i + 3]))
        w("};")
        w("const double %slrg[9] = {%s, %s, %s, 0, 0, 0, 0, 0, 0};" % (prefix, *lrg))
    return "\n".join(out) + "\n"


def main(argv):
    if len(argv) not in (2, 3):
        sys.stderr.write("usage: genvsop.py DATADIR [OUTPUT]\n")
        return 2
    text = emit(build(Path(argv[1])))
    if len(argv) == 3:
        Path(argv[2]).write_text(text, encoding="ascii")
    else:
        sys.stdout.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
