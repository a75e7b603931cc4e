"""Makes the documentation's screenshots: the main window alone (760x420)
with the South and with the North chart, under the clock 2026-12-05 12:22 UTC.

    python3 tests/e2e/screenshots.py build/release/app/vornak docs
"""

import os
import sys

sys.dont_write_bytecode = True

import harness  # noqa: E402
from test_style import choose  # noqa: E402

if len(sys.argv) != 3:
    sys.exit(__doc__)
vornak, out = os.path.abspath(sys.argv[1]), sys.argv[2]
with harness.session(vornak) as s:
    s.focus()
    s.shot().save_png(os.path.join(out, "south.png"))
    choose(s, "North")
    s.xdo("mousemove", "--window", s.wid, 600, 300)  # away from the page's top
    s.shot().save_png(os.path.join(out, "north.png"))
print("wrote south.png and north.png in " + out)
