# The start-up: one window, its first drawn page the start-up chart under the
# fixed clock exactly as in docs/south.png; Options > Chart Style... switches
# between the pages of docs/north.png and docs/south.png and leaves the chart
# alone, which File > Save then writes.
import harness


def test_start_and_style():
    with harness.Session() as s:
        harness.check(s.windows() == {s.wid: "Vornak"}, "windows at start: %s" % s.windows())
        s.shows("South")
        for style in ("North", "North", "South", "North"):
            s.menu(style)
            s.shows(style)
        s.saved(harness.LINE["start"])


harness.run(test_start_and_style)
