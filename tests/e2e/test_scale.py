# Scaled: at 2 the window, the list, the dialog and the message box's icon
# are twice their size, and the page that the window shows is vornak-chart's
# PNG at scale 2, pixel for pixel; --scale comes before VORNAK_SCALE, and a
# half scale sizes the window too.
import harness


def size(s, wid=None):
    g = s.x.create_resource_object("window", wid or s.wid).get_geometry()
    return g.width, g.height


def test_twice():
    with harness.Session(env={"VORNAK_SCALE": "2"}, screen="2048x1536") as s:
        # As wide as the page, and tall enough for it below the menu bar.
        harness.check(size(s) == (1520, 1240), "window %dx%d" % size(s))
        # The chart loaded from a line, as vornak-chart draws it.
        s.put(harness.LINE["start"])
        s.key("ctrl+o")
        q = s.find("Select Chart")
        harness.check(size(s, q) == (720, 600), "list %dx%d" % size(s, q))
        s.keyed(q, "Return")
        page = harness.chartpng(harness.LINE["start"], "--scale", "2").crop((0, 0, 1504, 1200))
        try:
            harness.wait(lambda: s.shot().convert("L").crop((16, 40, 1520, 1240)).tobytes()
                         == page.tobytes(), "the page of the PNG at 2")
        except AssertionError:
            s.shot().save("scale2-shown.png")  # beside the test, for a look
            raise
        # The toolkit's message box, with its icon twice the size too.
        s.key("ctrl+s")
        b = s.find("")
        harness.wait(lambda: (lambda i: i.getpixel((22, 22)) == i.getpixel((117, 117)) == 255)(
            s.shot(b).convert("L")), "the message box's icon at 2")
        s.keyed(b, "Return")
        s.key("ctrl+n")
        d = s.find("Chart Data")
        harness.check(size(s, d) == (560, 480), "dialog %dx%d" % size(s, d))


def test_option_first():
    with harness.Session(["--scale", "1.5"], env={"VORNAK_SCALE": "2"}, screen="2048x1536") as s:
        harness.check(size(s) == (1140, 930), "window %dx%d" % size(s))


harness.run(test_twice, test_option_first)
