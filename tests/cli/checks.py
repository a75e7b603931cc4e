# The checks of the program tests here: a failed check is printed and
# counted, and done() ends the test with status 1 if any failed.
import sys

failed = []


def check(cond, what):
    if not cond:
        failed.append(what)
        print("FAILED:", what)


def done():
    print("failed" if failed else "passed")
    sys.exit(1 if failed else 0)
