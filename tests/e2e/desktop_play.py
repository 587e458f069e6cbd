#!/usr/bin/env python3
"""The real game on a desktop of its own: an Xvfb with openbox as the window manager.

    desktop_play.py GAME_DIR X_SCREEN_TOOL SHOT_DIR CASE

CASE is one of: window-toggle, away-pause, display-loss. Screenshots and the recorded mix are
kept in SHOT_DIR for a person to look at.
"""
import os
import sys

sys.dont_write_bytecode = True  # the checks run from the source tree and leave nothing in it
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from desktop.cases import away_pause, display_loss, window_toggle  # noqa: E402
from sim.checks import Checks  # noqa: E402

CASES = {
    "window-toggle": window_toggle,
    "away-pause": away_pause,
    "display-loss": display_loss,
}


def main(argv):
    if len(argv) != 5 or argv[4] not in CASES:
        print(f"usage: {argv[0]} GAME_DIR X_SCREEN SHOT_DIR {'|'.join(CASES)}", file=sys.stderr)
        return 2
    game_dir, x_screen, shot_dir, case = argv[1:]
    os.makedirs(shot_dir, exist_ok=True)
    checks = Checks()
    CASES[case](game_dir, os.path.abspath(x_screen), shot_dir, checks)
    return checks.finish()


if __name__ == "__main__":
    sys.exit(main(sys.argv))
