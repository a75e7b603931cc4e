# Coordinates in the chart data dialog: typed into Lon and Lat, or found by
# Find, they give the zone of the nearest place of the atlas, and the note
# under the zone says so; the Name field holds no more than 23 bytes, cut
# between letters as they are typed. Checked on the saved lines' bytes and
# on the note as drawn.
import os
import time

from PIL import Image

import harness
from harness import TOP

KOTHRUD = {"name": "Kothrud", "mon": "Mar", "day": "14", "year": "1987", "hour": "18",
           "min": "5", "place": "Kothrud", "lond": "73", "lonew": "E", "lonm": "48",
           "latd": "18", "latns": "N", "latm": "30"}
LINE = b"Kothrud                Mar 14, 198706:05:00 PM    -05:30073E48'00 18N30'00 Kothrud                 \n"
NOTE = (8, 171, 272, 198)  # the note's box in the dialog


def note_shows(s, d, png):
    # The note as drawn, against the picture of its text in tests/data
    # (VORNAK_GOLDEN=write takes the picture instead).
    path = os.path.join(TOP, "tests", "data", png)
    if os.environ.get("VORNAK_GOLDEN"):
        time.sleep(1)
        s.shot(d).crop(NOTE).save(path)
    want = Image.open(path).convert("RGB").tobytes()
    try:
        harness.wait(lambda: s.shot(d).crop(NOTE).tobytes() == want, "the note of " + png)
    except AssertionError:
        s.shot(d).crop(NOTE).save(png.replace(".png", "-shown.png"))  # beside the test
        raise


def test_typed_coordinates():
    with harness.Session() as s:
        d = s.dialog("New", KOTHRUD)
        note_shows(s, d, "note-kothrud.png")  # "Zone: Asia/Kolkata, standard time, from Pune, 6 km"
        s.button(d, "OK")
        s.saved(LINE)


def test_find_coordinates():
    with harness.Session() as s:
        typed = ("name", "mon", "day", "year", "hour", "min", "place")
        d = s.dialog("New", {k: KOTHRUD[k] for k in typed})
        s.click(252, 120, wid=d)  # Find...
        f = s.find("Find Place")
        s.key("ctrl+a", wid=f)
        s.xdo("type", "--delay", 2, "18 30N 73 48E")
        s.keyed(f, "Return")
        note_shows(s, d, "note-kothrud.png")
        s.button(d, "OK")
        s.saved(LINE)


def test_name_cut():
    # "சுந்தரம்" is 24 bytes: its final virama does not fit, and takes its
    # consonant with it as it is typed, so that "ab" typed after it fits.
    with harness.Session() as s:
        d = s.dialog("New", dict(KOTHRUD, name="சுந்தரம்ab"))
        s.button(d, "OK")
        name = "சுந்தரab".encode()
        s.saved(name + b" " * (23 - len(name)) + LINE[23:])


harness.run(test_typed_coordinates, test_find_coordinates, test_name_cut)
