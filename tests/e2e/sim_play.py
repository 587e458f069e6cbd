#!/usr/bin/env python3
"""End-to-end runs of the real game through quorvish-sim, checked from its dumps and screenshots.

    sim_play.py SIM GAME_DIR SHOT_DIR CASE

CASE is one of: title-and-play, end-of-game, determinism, bad-arguments. Screenshots are kept
in SHOT_DIR for a person to look at; everything else lives in a temporary folder.
"""
import os
import sys

sys.dont_write_bytecode = True  # the checks run from the source tree and leave nothing in it
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from sim.cases_end import determinism, end_of_game  # noqa: E402
from sim.cases_options import bad_arguments  # noqa: E402
from sim.cases_play import title_and_play  # noqa: E402
from sim.checks import Checks  # noqa: E402
from sim.runner import Simulator  # noqa: E402

CASES = {
    "title-and-play": title_and_play,
    "end-of-game": end_of_game,
    "determinism": determinism,
    "bad-arguments": bad_arguments,
}


def main(argv):
    if len(argv) != 5 or argv[4] not in CASES:
        print(f"usage: {argv[0]} SIM GAME_DIR SHOT_DIR {'|'.join(CASES)}", file=sys.stderr)
        return 2
    sim_path, game_dir, shot_dir, case = argv[1:]
    os.makedirs(shot_dir, exist_ok=True)
    checks = Checks()
    sim = Simulator(sim_path, game_dir)
    try:
        CASES[case](sim, checks, shot_dir)
    finally:
        sim.close()
    return checks.finish()


if __name__ == "__main__":
    sys.exit(main(sys.argv))
