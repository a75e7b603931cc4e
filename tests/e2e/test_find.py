# Find... in the chart data dialog: a place typed, found and chosen fills
# Place, Lon, Lat and the zone for the date and time, which follows a change
# of the date until a zone field is typed into; a clock change is refused or
# asked about; a zone far from the mean time of the longitude is asked about
# before anything is committed. Checked on the saved lines' bytes.
import harness
from test_dialog import CHOICE, FIELD, dialog

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


def choose(s, d, field, value):
    # An item of one of the dialog's choices.
    s.click(*FIELD[field], wid=d)
    harness.wait(lambda: s.windows(menus=True), "the %s choice" % field)
    s.xdo("key", *["Up"] * 12, *["Down"] * CHOICE[field].index(value), "Return")
    harness.wait(lambda: not s.windows(menus=True), "the %s choice to close" % field)


def answer(s, key=None, click=None):
    # Waits for a question or alert box and answers it with a key, or with a
    # click at (x, y) from its bottom right corner.
    box = s.find("")
    if click:
        g = s.x.create_resource_object("window", box).get_geometry()
        s.click(g.width - click[0], g.height - click[1], wid=box)
    else:
        s.key(key, wid=box)
    s.gone(box)


def test_find_follow_save():
    with harness.Session() as s:
        d = dialog(s, "New", {"name": "Find Test", "mon": "Aug", "day": "12", "year": "1943",
                              "hour": "6", "min": "35", "place": "madras"})
        find(s, d, "Return")  # Chennai, the first found, in its war time
        s.click(*FIELD["OK"], wid=d)
        s.gone(d)
        s.save()
        chennai = (b"Find Test              Aug 12, 194306:35:00 AM    -06:30080E17'00 "
                   b"13N05'00 Chennai                 \n")
        harness.check(s.chartfile() == chennai, "saved %r" % s.chartfile())

        d = dialog(s, "New", {"name": "New York", "day": "4", "year": "1990", "hour": "14",
                              "min": "10", "place": "new york"})
        find(s, d, "Down", "Up", "Return")
        choose(s, d, "mon", "Jul")  # winter to summer: the zone follows
        # A zone minute typed: the zone is the user's, and back in winter it stays.
        s.xdo("mousemove", "--sync", "--window", d, *FIELD["zmin"], "click", 1, "type", "0")
        choose(s, d, "mon", "Jan")
        s.click(*FIELD["OK"], wid=d)
        s.gone(d)
        s.save()
        newyork = (b"New York               Jan 04, 199002:10:00 PM    +04:00074W00'00 "
                   b"40N43'00 New York City           \n")
        harness.check(s.chartfile() == chennai + newyork, "saved %r" % s.chartfile())


def test_far_zone_asks():
    with harness.Session() as s:
        d = dialog(s, "New", PUNE)  # zone "+": the sign reversed
        s.click(*FIELD["OK"], wid=d)
        answer(s, "Escape")  # Go back
        harness.check(d in s.windows(), "the dialog closed")
        s.click(*FIELD["Cancel"], wid=d)
        s.gone(d)
        s.save()
        harness.check(s.chartfile() == harness.START_LINE, "committed %r" % s.chartfile())
        d = dialog(s, "New", PUNE)
        s.click(*FIELD["OK"], wid=d)
        answer(s, click=(120, 25))  # Use it
        s.gone(d)
        s.save()
        pune = (b"Pune                   Mar 14, 198706:05:00 PM    +05:30073E51'00 "
                b"18N31'00 Pune                    \n")
        harness.check(s.chartfile() == harness.START_LINE + pune, "saved %r" % s.chartfile())


def test_clock_changes():
    with harness.Session() as s:
        # 02:30 on 14 Mar 2021 did not exist in New York: refused at Find and at OK.
        d = dialog(s, "New", {"mon": "Mar", "day": "14", "year": "2021", "hour": "2",
                              "min": "30", "place": "new york"})
        find(s, d, "Return")
        harness.check(s.box() == "alert", "Find took a skipped time")
        s.click(*FIELD["OK"], wid=d)
        harness.check(s.box() == "alert", "OK took a skipped time")
        s.click(*FIELD["Cancel"], wid=d)
        s.gone(d)
        # 01:30 on 7 Nov 2021 came twice: asked at Find, and again at OK
        # while not answered; Return picks the later, standard time.
        d = dialog(s, "New", {"mon": "Nov", "day": "7", "year": "2021", "hour": "1",
                              "min": "30", "place": "new york"})
        find(s, d, "Return")
        answer(s, "Escape")
        s.click(*FIELD["OK"], wid=d)
        answer(s, "Return")
        s.gone(d)
        s.save()
        line = (b"                       Nov 07, 202101:30:00 AM    +05:00074W00'00 "
                b"40N43'00 New York City           \n")
        harness.check(s.chartfile() == line, "saved %r" % s.chartfile())


harness.run(test_find_follow_save, test_far_zone_asks, test_clock_changes)
