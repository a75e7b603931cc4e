#!/usr/bin/python3
# Start-up of the window program to its first drawn page: the time from
# starting vornak under a private Xvfb until its main window shows the
# page's first text (dark pixels where the header's name is drawn), and the
# processor time that the program used until then (all its threads; it is
# ended at once, idle). Runs N times for each program given and prints the
# medians and quartiles in milliseconds. The programs take turns, so that a
# busy machine slows them alike; the processor time is the steadier figure
# on a busy machine.
#     bench/firstframe.py [-n N] VORNAK [VORNAK...]
import argparse
import os
import statistics
import subprocess
import tempfile
import time

from Xlib import X, display


def xvfb():
    rfd, wfd = os.pipe()
    p = subprocess.Popen(["Xvfb", "-displayfd", str(wfd), "-screen", "0", "1024x768x24",
                          "-nolisten", "tcp"], pass_fds=(wfd,), stderr=subprocess.DEVNULL)
    os.close(wfd)
    with os.fdopen(rfd, "rb") as f:
        return p, ":" + f.readline().strip().decode()


def vornakwindow(d):
    for w in d.screen().root.query_tree().children:
        name = w.get_wm_name()
        attrs = w.get_attributes()
        if name == "Vornak" and attrs.map_state == X.IsViewable:
            return w
    return None


def firstframe(prog, d, env):
    # The header's first line: page (8, 2) to (200, 14), at (8, 20) in the window.
    with tempfile.TemporaryDirectory() as cwd:
        t0 = time.monotonic()
        p = subprocess.Popen([prog], cwd=cwd, env=env)
        while True:
            w = vornakwindow(d)
            if w:
                img = w.get_image(16, 22, 192, 12, X.ZPixmap, 0xffffffff)
                if any(b < 128 for b in img.data[0::4]):
                    wall = (time.monotonic() - t0) * 1000
                    break
            time.sleep(0.001)
        p.terminate()
        _, _, use = os.wait4(p.pid, 0)
        p.returncode = 0
        return wall, (use.ru_utime + use.ru_stime) * 1000


def main():
    a = argparse.ArgumentParser()
    a.add_argument("-n", type=int, default=20)
    a.add_argument("progs", nargs="+")
    args = a.parse_args()
    server, name = xvfb()
    try:
        d = display.Display(name)
        env = dict(os.environ, DISPLAY=name)
        times = {p: [] for p in args.progs}
        for _ in range(args.n):
            for p in args.progs:
                times[p].append(firstframe(os.path.abspath(p), d, env))
        for p, t in times.items():
            for what, v in zip(("wall", "cpu"), zip(*t)):
                q = statistics.quantiles(v, n=4)
                print("%-32s %-4s median %6.1f ms  quartiles %6.1f %6.1f  (n=%d)" % (
                    p, what, q[1], q[0], q[2], len(v)))
    finally:
        server.terminate()


main()
