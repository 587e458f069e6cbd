#!/usr/bin/env python3
"""The real game on a desktop of its own: an Xvfb with openbox as the window manager.

    desktop_play.py GAME_DIR X_SCREEN_TOOL SHOT_DIR CASE

CASE is one of: window-toggle, away-pause, display-loss, exit-signals, window-destroyed,
frozen-sound-server, pass-rate, stall, demo, volume, window-memory, settings-screen.
Screenshots and the recorded mix are kept in SHOT_DIR for a person to look at.
"""
import os
import sys

sys.dont_write_bytecode = True  # the checks run from the source tree and leave nothing in it
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from desktop.cases import away_pause, display_loss, window_toggle  # noqa: E402
from desktop.demos import record_and_replay  # noqa: E402
from desktop.exits import exit_signals, frozen_sound_server, window_destroyed  # noqa: E402
from desktop.pacing import pass_rate_case, stall  # noqa: E402
from desktop.port_cases import settings_screen, volume, window_memory  # noqa: E402
from sim.checks import case_main  # noqa: E402

CASES = {
    "window-toggle": window_toggle,
    "away-pause": away_pause,
    "display-loss": display_loss,
    "exit-signals": exit_signals,
    "window-destroyed": window_destroyed,
    "frozen-sound-server": frozen_sound_server,
    "pass-rate": pass_rate_case,
    "stall": stall,
    "demo": record_and_replay,
    "volume": volume,
    "window-memory": window_memory,
    "settings-screen": settings_screen,
}


def play(case, arguments, checks):
    game_dir, x_screen, shot_dir = arguments
    case(game_dir, os.path.abspath(x_screen), shot_dir, checks)


if __name__ == "__main__":
    sys.exit(case_main(sys.argv, CASES, ["GAME_DIR", "X_SCREEN", "SHOT_DIR"], play))
