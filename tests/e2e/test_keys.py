# The keyboard: the File menu's shortcuts, the chart data dialog filled in
# from the keys alone (Tab between fields, typed letters in the choices,
# Return for OK), F1 for the help, where the shortcuts work too; Quit, Ctrl+Q
# and the close button ask before an entered chart that was not saved is
# lost, Return does not answer that question, and Escape does not close the
# main window.
import harness
from harness import LINE

# The example record, typed field by field with Tab between them; the Find...
# button stands between Place and Lon.
KEYED = ["Example Person", "Mar", "14", "1987", "18", "5", "-", "1", "0", "Sample Town", None,
         "12", "e", "30", "41", "n", "54"]
QUIT, CANCEL = (155, 22), (55, 22)  # the question's buttons, from its bottom right


def typed(s, d, values):
    for i, value in enumerate(values):
        if i:
            s.key("Tab", wid=d)
        if value:
            s.xdo("windowfocus", "--sync", d, "type", "--delay", 2, value)


def test_shortcuts():
    with harness.Session() as s:
        s.key("ctrl+s")
        harness.check(s.box() == "message" and s.chartfile() == LINE["start"], "Ctrl+S")
        s.key("ctrl+o")
        s.keyed("Select Chart", "Escape")
        s.key("ctrl+n")
        d = s.find("Chart Data")
        typed(s, d, KEYED)
        s.keyed(d, "Return")
        s.key("ctrl+e")
        # From the name to Cancel, which Return presses.
        s.keyed("Chart Data", "shift+Tab", "Return")
        s.key("F1")
        h = s.find("Using Vornak")
        s.key("ctrl+s", wid=h)  # the menu's shortcuts work from the help too
        harness.check(s.box() == "message" and s.chartfile() == LINE["start"] + LINE["example"],
                      "Ctrl+S in the help")
        s.key("Escape", wid=h)
        harness.wait(lambda: s.windows() == {s.wid: "Vornak"}, "the help to close")


def test_unsaved_chart():
    with harness.Session() as s:
        typed(s, s.dialog("New", {}), KEYED)
        s.keyed("Chart Data", "KP_Enter")
        s.key("Escape")
        for leave in (lambda: s.key("ctrl+q"), lambda: s.menu("Quit"), s.close):
            leave()
            s.answer(click=CANCEL)
        s.key("ctrl+q")
        s.key("Return", wid=s.find(""))
        s.answer(click=QUIT)
        harness.check(s.ended() == (0, "", ""), "Quit: %s %r %r" % s.ended())
    with harness.Session() as s:
        s.button(s.dialog("Edit", {"name": "!"}), "OK")
        s.saved(LINE["start"].replace(b"Prasna ", b"Prasna!"))
        s.close()
        harness.check(s.ended() == (0, "", ""), "close after Save: %s %r %r" % s.ended())


harness.run(test_shortcuts, test_unsaved_chart)
