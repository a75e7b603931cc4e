# Leaving the program: File > Quit, Ctrl+Q and a close request end it with
# status 0 and print nothing, and Escape does not (File > Save still answers
# after it); a switch it does not know, a colour the toolkit does not know,
# a scale that is not one, or a switch too long for the toolkit's buffers,
# ends it with status 1 and a message on stderr.
import harness

EXITS = [  # switches, what is done, exit status, start of stderr
    ([], lambda s: s.menu("Quit"), 0, ""),
    ([], lambda s: s.key("ctrl+q"), 0, ""),
    ([], lambda s: (s.key("Escape"), s.saved(harness.LINE["start"]), s.menu("Quit")), 0, ""),
    ([], lambda s: s.close(), 0, ""),
    (["-verbose"], None, 1, "usage: "),
    (["-bg", "nosuchcolour"], None, 1, "Unknown color: nosuchcolour\n"),
    (["--scale", "5"], None, 1,
     'vornak: --scale needs a number from 1 to 4 in steps of a half, not "5"\n'),
    # A value the toolkit would copy past its buffers is refused first.
    (["-name", "x" * 600], None, 1, "vornak: the value of -name is longer than 255 bytes\n"),
    (["-geometry=" + "1" * 300], None, 1, "vornak: a switch is longer than 255 bytes\n"),
]


def test_exits():
    for args, action, status, err in EXITS:
        with harness.Session(args, window=action and "Vornak") as s:
            if action:
                action(s)
            got = s.ended()
            harness.check(got[0] == status and got[1] == ""
                          and (got[2].startswith(err) if err else got[2] == ""),
                          "%s: status, stdout, stderr %r" % (args or action, got))


harness.run(test_exits)
