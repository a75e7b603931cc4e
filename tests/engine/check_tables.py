#!/usr/bin/env python3
"""check_tables.py GENERATOR DATADIR COMMITTED: regenerates the planetary
tables from the VSOP87D files and fails on any difference from the committed
file; exit 77 (skipped) when DATADIR does not exist."""
import difflib
import subprocess
import sys
import tempfile
from pathlib import Path

gen, datadir, committed = sys.argv[1:4]
if not Path(datadir).is_dir():
    print("SKIPPED: no VSOP87D data at %s" % datadir)
    sys.exit(77)
with tempfile.TemporaryDirectory() as tmp:
    out = Path(tmp) / "vsop87tables.cpp"
    r = subprocess.run([sys.executable, gen, datadir, str(out)], capture_output=True, text=True)
    new = out.read_text().splitlines(True) if r.returncode == 0 else []
old = Path(committed).read_text().splitlines(True)
sys.stdout.writelines(list(difflib.unified_diff(old, new, committed, "regenerated"))[:60])
print(r.stderr)
sys.exit(0 if new == old else 1)
