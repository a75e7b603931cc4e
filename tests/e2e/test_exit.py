"""Leaving the program: File > Quit, Escape in the main window and a close
request from outside all end it with status 0."""

import harness
from harness import check

vornak, _ = harness.programs()

FILE = (20, 10)
QUIT = (23, 115)  # the File menu's last row, below the divider


def quiet_exit(s, how):
    status = s.wait_exit()
    out, err = s.output()
    check(status == 0, "%s: exit status %d, stderr %r" % (how, status, err[-300:]))
    check(out == "" and err == "", "%s: the program printed %r %r" % (how, out, err))


# Quit ends the program at once.
with harness.session(vornak) as s:
    s.focus()
    s.click(*FILE)
    s.wait_until(lambda: not s.shot().white(40, 110), what="the File menu")
    s.click(*QUIT)
    quiet_exit(s, "Quit")

# Escape hides the main window, which ends the event loop.
with harness.session(vornak) as s:
    s.key("Escape", wid=s.wid)
    quiet_exit(s, "Escape")

# A window manager's close request (WM_DELETE_WINDOW) does the same.
with harness.session(vornak) as s:
    s.close()
    quiet_exit(s, "close request")
print("ok")
