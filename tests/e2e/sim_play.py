#!/usr/bin/env python3
"""End-to-end runs of the real game through quorvish-sim, checked from its dumps and screenshots.

    sim_play.py SIM GAME_DIR SHOT_DIR CASE

CASE is one of: title-and-play, end-of-game, determinism, rebound-keys, bad-arguments,
demos. Screenshots are kept
in SHOT_DIR for a person to look at; everything else lives in a temporary folder.
"""
import os
import sys

sys.dont_write_bytecode = True  # the checks run from the source tree and leave nothing in it
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from sim.cases_demo import demos  # noqa: E402
from sim.cases_end import determinism, end_of_game, rebound_keys  # noqa: E402
from sim.cases_options import bad_arguments  # noqa: E402
from sim.cases_play import title_and_play  # noqa: E402
from sim.checks import case_main  # noqa: E402
from sim.runner import Simulator  # noqa: E402

CASES = {
    "title-and-play": title_and_play,
    "end-of-game": end_of_game,
    "determinism": determinism,
    "rebound-keys": rebound_keys,
    "bad-arguments": bad_arguments,
    "demos": demos,
}


def play(case, arguments, checks):
    sim_path, game_dir, shot_dir = arguments
    sim = Simulator(sim_path, game_dir)
    try:
        case(sim, checks, shot_dir)
    finally:
        sim.close()


if __name__ == "__main__":
    sys.exit(case_main(sys.argv, CASES, ["SIM", "GAME_DIR", "SHOT_DIR"], play))
