# File > New, the chart data typed in, OK, then File > Save: the exact line
# appended for each record. A bad entry gets the alert, keeps the dialog and
# commits nothing.
import harness

# Centres of the dialog's fields and buttons; a choice's items in order.
FIELD = {"name": (132, 22), "mon": (85, 52), "day": (132, 52), "year": (179, 52),
         "hour": (52, 84), "min": (84, 84), "zone": (167, 84), "zhour": (212, 84),
         "zmin": (244, 84), "place": (132, 120), "lond": (55, 156), "lonew": (92, 156),
         "lonm": (132, 156), "latd": (184, 156), "latns": (224, 156), "latm": (264, 156),
         "OK": (50, 212), "Cancel": (230, 212)}
CHOICE = {"mon": "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec".split(),
          "zone": ["+", "-"], "lonew": ["W", "E"], "latns": ["N", "S"]}

# Records as typed, field by field in the order of FIELD, and the lines saved.
EXAMPLE = dict(zip(FIELD, ["Example Person", "Mar", "14", "1987", "18", "5", "-", "1", "0",
                           "Sample Town", "12", "E", "30", "41", "N", "54"]))
RECORDS = [  # File > New or Edit, the entries typed, the line saved
    ("New", EXAMPLE, b"Example Person         Mar 14, 198706:05:00 PM    -01:00012E30'00 "
                     b"41N54'00 Sample Town             \n"),
    ("New", dict(zip(FIELD, ["A Third One", "Dec", "31", "1999", "0", "15", "+", "8", "0",
                             "Somewhere South", "122", "W", "40", "45", "S", "3"])),
     b"A Third One            Dec 31, 199912:15:00 AM    +08:00122W40'00 45S03'00 "
     b"Somewhere South         \n"),
    ("Edit", {}, b"A Third One            Dec 31, 199912:15:00 AM    +08:00122W40'00 45S03'00 "
                 b"Somewhere South         \n"),  # Edit shows the chart: OK keeps it
]
BAD = [{"year": "1500"}, {"day": "40"}, {"mon": "Feb", "day": "29", "year": "1900"}]


def dialog(s, item, values):
    # File > item (New or Edit) with the values entered into empty fields;
    # returns the dialog's window.
    s.menu(item)
    d = s.find("Chart Data")
    s.xdo("windowfocus", "--sync", d)
    for field, value in values.items():
        if field in CHOICE:  # its menu, from the top to the item
            s.click(*FIELD[field], wid=d)
            harness.wait(lambda: s.windows(menus=True), "the %s choice" % field)
            s.xdo("key", *["Up"] * 12, *["Down"] * CHOICE[field].index(value), "Return")
            harness.wait(lambda: not s.windows(menus=True), "the %s choice to close" % field)
        else:
            s.xdo("mousemove", "--sync", "--window", d, *FIELD[field], "click", 1,
                  "type", "--delay", 2, value)
    return d


def test_new_ok_save():
    with harness.Session() as s:
        saved = b""
        for item, values, line in RECORDS:
            d = dialog(s, item, values)
            s.click(*FIELD["OK"], wid=d)
            s.gone(d)
            s.save()
            saved += line
            harness.check(s.chartfile() == saved, "saved %r" % s.chartfile())


def test_bad_entry():
    with harness.Session() as s:
        for bad in BAD:
            d = dialog(s, "New", dict(EXAMPLE, **bad))
            s.click(*FIELD["OK"], wid=d)
            harness.check(s.box() == "alert", "%s: no alert" % bad)
            harness.check(d in s.windows(), "%s: the dialog closed" % bad)
            s.click(*FIELD["Cancel"], wid=d)
            s.gone(d)
        s.save()
        harness.check(s.chartfile() == harness.START_LINE, "committed %r" % s.chartfile())


if __name__ == "__main__":
    harness.run(test_new_ok_save, test_bad_entry)
