# Find... in the chart data dialog: a place typed, found and chosen fills
# Place, Lon, Lat and the zone for the date and time, which follows a change
# of the date until a zone field is typed into; a clock change is refused or
# asked about; a zone far from the mean time of the longitude is asked about
# before anything is committed, and so is a zone that is not the one in force
# at an atlas place near the coordinates; a city that kept its own clock asks
# which; Edit's zone follows the date while it is the atlas's; a name of places
# far apart selects none. Checked on the saved lines' bytes.
import os
import tempfile
import time

import harness
from harness import LINE

FIND = (252, 120)
PUNE = {"name": "Pune", "mon": "Mar", "day": "14", "year": "1987", "hour": "18", "min": "5",
        "zone": "+", "zhour": "5", "zmin": "30", "place": "Pune", "lond": "73", "lonew": "E",
        "lonm": "51", "latd": "18", "latns": "N", "latm": "31"}


# The buttons of a question without a default, from the right: the way back, then
# keep the zone entered, then use the one offered.
BACK, KEEP, USE = 0, 1, 2


def answer(s, button, ok=None):
    # The focus starts on the rightmost button; Tab moves it left, Space presses.
    # With ok, a dialog: its OK asks the question, and the answer closes it.
    if ok:
        s.click(*harness.FIELD["OK"], wid=ok)
    s.keyed("", *["Tab"] * button, "space")
    if ok:
        s.gone(ok)


def find(s, d, *keys):
    # Find..., then keys in the finder (a choice closes it).
    s.click(*FIND, wid=d)
    s.keyed("Find Place", *keys)


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
        answer(s, KEEP, d)  # New York kept standard time, + 05:00, in January
        s.saved(LINE["chennai"] + LINE["newyork"])


def test_find_asks_which_salem():
    # Salem is a city in Tamil Nadu and towns in the United States, and
    # Jerusalem's alternate name: Find selects none of them, so that Return
    # takes none; Down twice and Return take the second, Salem, Oregon.
    with harness.Session() as s:
        d = new(s, "Salem Test", "Jan", "1", "1990", "12", "0", "Salem")
        find(s, d, "Return", "Down", "Down", "Return")
        s.button(d, "OK")
        s.saved(LINE["salem"])


def test_far_zone_asks():
    with harness.Session() as s:
        d = s.dialog("New", PUNE)  # zone "+": the sign reversed, near the atlas's Pune
        s.click(*harness.FIELD["OK"], wid=d)
        s.answer("Escape")  # Go back
        harness.check(d in s.windows(), "the dialog closed")
        s.click(*harness.FIELD["OK"], wid=d)
        q = s.find("")
        s.key("Return", wid=q)  # no default: the question stays
        time.sleep(0.5)
        harness.check(q in s.windows(), "Return answered the question")
        answer(s, BACK)
        harness.check(d in s.windows(), "the dialog closed")
        s.button(d, "Cancel")
        s.saved(LINE["start"])
        d = s.dialog("New", PUNE)
        answer(s, KEEP, d)
        s.saved(LINE["start"] + LINE["pune"])


def test_reversed_sign_offers_the_atlas_zone():
    # London in July 1941 kept double summer time, - 02:00; + 2:00 is asked about,
    # and the question's offer is taken.
    with harness.Session() as s:
        d = s.dialog("New", {"name": "London", "mon": "Jul", "day": "1", "year": "1941",
                             "hour": "12", "min": "0", "zone": "+", "zhour": "2",
                             "zmin": "0", "place": "London", "lond": "0", "lonew": "W",
                             "lonm": "7", "latd": "51", "latns": "N", "latm": "30"})
        answer(s, USE, d)
        s.saved(LINE["london"])


def test_city_clock_asked():
    # Mumbai in 1950 kept Bombay Time beside India Standard Time: Find asks which.
    with harness.Session() as s:
        d = new(s, "Mumbai", "Jun", "1", "1950", "12", "0", "mumbai")
        s.click(*FIND, wid=d)
        f = s.find("Find Place")
        s.key("Return", wid=f)
        answer(s, 2)  # from the right: Cancel, India Standard Time, Bombay Time
        s.gone(f)
        s.button(d, "OK")
        s.saved(LINE["mumbai"])


def test_edit_follows_the_date():
    # A July New York chart opened and edited to January gets + 05:00.
    with harness.Session() as s:
        s.put(LINE["nyjuly"])
        s.pick("Return")
        s.button(s.dialog("Edit", {"mon": "Jan"}), "OK")
        s.saved(LINE["nyjuly"] + LINE["nyjanuary"])


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


def test_unreadable_zone():
    # Asia/Kolkata's tzdata file is a FIFO: Find says so, the zone fields stay
    # empty, and OK refuses them rather than saving a zone of nothing.
    with tempfile.TemporaryDirectory() as tz:
        os.mkdir(os.path.join(tz, "Asia"))
        os.mkfifo(os.path.join(tz, "Asia", "Kolkata"))
        with harness.Session(env={"TZDIR": tz}) as s:
            d = new(s, "Pune", "Mar", "14", "1987", "18", "5", "pune")
            find(s, d, "Return")
            s.alert("Find of a zone that cannot be read")
            s.click(*harness.FIELD["OK"], wid=d)
            s.alert("OK with the zone left empty")
            s.button(d, "Cancel")
            harness.check(not os.path.exists(s.path()), "a chart was saved")


harness.run(test_unreadable_zone, test_find_follow_save, test_find_asks_which_salem, test_far_zone_asks,
            test_clock_changes, test_reversed_sign_offers_the_atlas_zone, test_city_clock_asked,
            test_edit_follows_the_date)
