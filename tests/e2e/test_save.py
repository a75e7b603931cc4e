"""File > Save: the line it appends, and the failures it reports."""

import os
import sys

# No bytecode cache beside the sources for the shared helpers.
sys.dont_write_bytecode = True

import harness  # noqa: E402
from test_dialog import box, chartfile, dismiss, is_start_line, menu, save


def lines(data):
    return data.splitlines(keepends=True)


def test_appending(vornak):
    """The start-up chart saved twice gives two identical 100-byte lines; a
    file whose last line lacks its line feed keeps that line whole."""
    with harness.session(vornak) as s:
        save(s)
        save(s)
        data = chartfile(s)
        harness.check(len(data) == 200 and data[:100] == data[100:] and is_start_line(data[:100]),
                      "two saves of the start-up chart: %r" % data)
        path = os.path.join(s.cwd, "charts.vnk")
        with open(path, "wb") as f:
            f.write(b"written by hand")
        save(s)
        data = chartfile(s)
        harness.check(len(lines(data)) == 2 and lines(data)[0] == b"written by hand\n"
                      and is_start_line(lines(data)[1]),
                      "a save after a line without its line feed: %r" % data)


def refused(s, what):
    """Save must show the alert box."""
    menu(s, "Save")
    wid, kind = box(s)
    harness.check(kind == "alert", "%s: Save showed a %s box" % (what, kind))
    dismiss(s, wid)


def test_failures(vornak):
    """A chart file that cannot be opened for appending, or whose bytes cannot
    be written, gives the alert and no success message."""
    with harness.session(vornak) as s:
        path = os.path.join(s.cwd, "charts.vnk")
        # Opening fails: the name is a directory.
        os.mkdir(path)
        refused(s, "charts.vnk a directory")
        harness.check(os.path.isdir(path) and not os.listdir(path), "the directory changed")
        os.rmdir(path)
        # Writing fails: the bytes reach the device only when the file is closed.
        if os.path.exists("/dev/full"):
            os.symlink("/dev/full", path)
            refused(s, "charts.vnk on a full device")
            os.remove(path)
        else:
            print("skipped the full-device case: no /dev/full", flush=True)
        # A read-only directory; root may write into it anyway.
        if os.geteuid() == 0:
            print("skipped the read-only directory case: running as root, which ignores "
                  "directory permissions (the directory case above covers the open failure)",
                  flush=True)
        else:
            os.chmod(s.cwd, 0o555)
            try:
                refused(s, "a read-only directory")
                harness.check(chartfile(s) is None, "a chart file appeared")
            finally:
                os.chmod(s.cwd, 0o755)
        # Nothing was left behind, and saving works again.
        harness.check(chartfile(s) is None, "a failed save left a chart file")
        save(s)
        harness.check(is_start_line(chartfile(s)), "save after the failures: %r" % chartfile(s))


def main():
    harness.run(test_appending, test_failures)


if __name__ == "__main__":
    main()
