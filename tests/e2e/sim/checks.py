"""A tally of named checks that keeps going after a failure and closes with one summary line."""
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


def _difference(seen, expected):
    """What differs, short enough to read: long lists are shown at their first difference."""
    if isinstance(seen, list) and isinstance(expected, list) and len(repr(expected)) > 200:
        for i, (a, b) in enumerate(zip(seen, expected)):
            if a != b:
                return f"first difference at [{i}]: expected {b!r}, got {a!r}"
        return f"expected {len(expected)} entries, got {len(seen)}"
    return f"expected {expected!r}, got {seen!r}"
