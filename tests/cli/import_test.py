#!/usr/bin/python3
# vornak-chart --import as the built program meets hostile and ordinary CSV:
# peak memory stays flat whatever a record holds, and a spreadsheet's
# byte-order mark is skipped before a quoted header.
# Usage: import_test.py VORNAK_CHART
import os
import subprocess
import sys
import tempfile

from checks import check, done

prog = os.path.abspath(sys.argv[1])


def run(csv):
    """Imports the CSV text from a file: status, output, messages and peak memory in MB."""
    with tempfile.TemporaryDirectory() as d:
        name = os.path.join(d, "in.csv")
        with open(name, "wb") as f:
            f.write(csv)
        with open(os.path.join(d, "out"), "w+b") as out, open(os.path.join(d, "err"), "w+b") as err:
            p = subprocess.Popen([prog, "--import", name], stdout=out, stderr=err)
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
done()
