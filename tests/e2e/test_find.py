# Find... in the chart data dialog: a place typed, found and chosen fills
# Place, Lon, Lat and the zone for the date and time, which follows a change
# of the date until a zone field is typed into; a clock change is refused or
# asked about; a zone far from the mean time of the longitude is asked about
# before anything is committed; a name of places far apart selects none.
# Checked on the saved lines' bytes.
import harness
from harness import LINE

FIND = (252, 120)
PUNE = {"name": "Pune", "mon": "Mar", "day": "14", "year": "1987", "hour": "18", "min": "5",
        "zhour": "5", "zmin": "30", "place": "Pune", "lond": "73", "lonew": "E", "lonm": "51",
        "latd": "18", "latm": "31"}


def find(s, d, *keys):
    # Find..., then keys in the finder (a choice closes it).
    s.click(*FIND, wid=d)
    f = s.find("Find Place")
    s.key(*keys, wid=f)
    s.gone(f)


def new(s, name, mon, day, year, hour, min, place):
    values = dict(name=name, mon=mon, day=day, year=year, hour=hour, min=min, place=place)
    return s.dialog("New", {k: v for k, v in values.items() if v})


def test_find_follow_save():
    with harness.Session() as s:
        d = new(s, "Find Test", "Aug", "12", "1943", "6", "35", "madras")
        find(s, d, "Return")  # Chennai, the first found, in its war time
        s.button(d, "OK")
        s.saved(LINE["chennai"])
        d = new(s, "New York", None, "4", "1990", "14", "10", "new york")
        find(s, d, "Down", "Up", "Return")
        s.choose(d, "mon", "Jul")  # winter to summer: the zone follows
        s.type(d, "zmin", "0")  # the zone is now the user's: back in winter it stays
        s.choose(d, "mon", "Jan")
        s.button(d, "OK")
        s.saved(LINE["chennai"] + LINE["newyork"])


def test_find_asks_which_salem():
    # Salem is a city in Tamil Nadu and towns in the United States, and
    # Jerusalem's alternate name: Find selects none of them, so that Return
    # takes none; Down twice and Return take the second, Salem, Oregon.
    with harness.Session() as s:
        d = new(s, "Salem Test", "Jan", "1", "1990", "12", "0", "Salem")
        s.click(*FIND, wid=d)
        f = s.find("Find Place")
        s.key("Return", "Down", "Down", "Return", wid=f)
        s.gone(f)
        s.button(d, "OK")
        s.saved(LINE["salem"])


def test_far_zone_asks():
    with harness.Session() as s:
        d = s.dialog("New", PUNE)  # zone "+": the sign reversed
        s.click(*harness.FIELD["OK"], wid=d)
        s.key("Return", wid=s.find(""))  # no default answer
        s.answer("Escape")  # Go back
        harness.check(d in s.windows(), "the dialog closed")
        s.button(d, "Cancel")
        s.saved(LINE["start"])
        d = s.dialog("New", PUNE)
        s.click(*harness.FIELD["OK"], wid=d)
        s.answer(click=(120, 25))  # Use it
        s.gone(d)
        s.saved(LINE["start"] + LINE["pune"])


def test_clock_changes():
    with harness.Session() as s:
        # 02:30 on 14 Mar 2021 did not exist in New York: refused at Find and at OK.
        d = new(s, None, "Mar", "14", "2021", "2", "30", "new york")
        find(s, d, "Return")
        s.alert("Find took a skipped time")
        s.click(*harness.FIELD["OK"], wid=d)
        s.alert("OK took a skipped time")
        s.button(d, "Cancel")
        # 01:30 on 7 Nov 2021 came twice: asked at Find, and again at OK
        # while not answered; Return answers nothing, the second button from
        # the right is the later, standard time.
        d = new(s, None, "Nov", "7", "2021", "1", "30", "new york")
        find(s, d, "Return")
        s.answer("Escape")
        s.click(*harness.FIELD["OK"], wid=d)
        s.key("Return", wid=s.find(""))
        s.answer(click=(155, 22))
        s.gone(d)
        s.saved(LINE["repeated"])


harness.run(test_find_follow_save, test_find_asks_which_salem, test_far_zone_asks,
            test_clock_changes)
