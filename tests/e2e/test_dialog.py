# File > New, the chart data typed in, OK, then File > Save: the exact line
# appended for each record; File > Edit shows the chart, and OK keeps it. A
# bad entry gets the alert, keeps the dialog and commits nothing.
import harness
from harness import FIELD, LINE

# Records as typed, field by field in the order of FIELD.
EXAMPLE = dict(zip(FIELD, ["Example Person", "Mar", "14", "1987", "18", "5", "-", "1", "0",
                           "Sample Town", "12", "E", "30", "41", "N", "54"]))
THIRD = dict(zip(FIELD, ["A Third One", "Dec", "31", "1999", "0", "15", "+", "8", "0",
                         "Somewhere South", "122", "W", "40", "45", "S", "3"]))
BAD = [{"year": "1500"}, {"day": "40"}, {"mon": "Feb", "day": "29", "year": "1900"}]
HALF = {"day": "1", "year": "1990"}  # typed in half: no chart


def test_new_ok_save():
    with harness.Session() as s:
        saved = b""
        for item, values, line in (("New", EXAMPLE, "example"), ("New", THIRD, "third"),
                                   ("Edit", {}, "third")):
            s.button(s.dialog(item, values), "OK")
            saved += LINE[line]
            s.saved(saved)


def test_bad_entry():
    with harness.Session() as s:
        for bad in BAD + [None]:
            d = s.dialog("New", dict(EXAMPLE, **bad) if bad else HALF)
            s.click(*FIELD["OK"], wid=d)
            s.alert(str(bad))
            harness.check(d in s.windows(), "%s: the dialog closed" % bad)
            s.button(d, "Cancel")
        s.saved(LINE["start"])


harness.run(test_new_ok_save, test_bad_entry)
