"""A tally of named checks that keeps going after a failure and closes with one summary line."""
import os
import sys


class Checks:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def check(self, condition, what, detail=""):
        """Counts one check; a failure is printed with what, and the detail if given."""
        if condition:
            self.passed += 1
        else:
            self.failed += 1
            print(f"FAIL: {what}" + (f" ({detail})" if detail else ""), file=sys.stderr)
        return bool(condition)

    def equal(self, seen, expected, what):
        return self.check(seen == expected, what, _difference(seen, expected))

    def near(self, seen, expected, tolerance, what):
        ok = seen is not None and abs(seen - expected) <= tolerance
        return self.check(ok, what, f"expected {expected} +- {tolerance}, got {seen}")

    def finish(self):
        """Prints the closing line and gives the exit code."""
        print(f"{self.passed} passed, {self.failed} failed")
        return 0 if self.failed == 0 and self.passed > 0 else 1


def case_main(argv, cases, names, play):
    """The end-to-end scripts' entry: checks the command line (names, then the case), makes the
    screenshot folder (the last name), and runs play(case, arguments, checks)."""
    if len(argv) != len(names) + 2 or argv[-1] not in cases:
        print(f"usage: {argv[0]} {' '.join(names)} {'|'.join(cases)}", file=sys.stderr)
        return 2
    arguments = argv[1:-1]
    os.makedirs(arguments[-1], exist_ok=True)
    checks = Checks()
    play(cases[argv[-1]], arguments, checks)
    return checks.finish()


def _difference(seen, expected):
    """What differs, short enough to read: long lists are shown at their first difference."""
    if isinstance(seen, list) and isinstance(expected, list) and len(repr(expected)) > 200:
        for i, (a, b) in enumerate(zip(seen, expected)):
            if a != b:
                return f"first difference at [{i}]: expected {b!r}, got {a!r}"
        return f"expected {len(expected)} entries, got {len(seen)}"
    return f"expected {expected!r}, got {seen!r}"
