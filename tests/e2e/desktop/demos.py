"""A game recorded as a demo by the real binary while keys are pressed, then played back by
the simulator (QUORVISH_SIM names it) and by the real binary: both must play it exactly as it
was recorded."""
import json
import os
import subprocess
import time

from desktop.cases import start
from desktop.session import Desktop, Game


def record_and_replay(game_dir, x_screen, shot_dir, checks):
    sim = os.environ["QUORVISH_SIM"]
    demo = os.path.join(shot_dir, "desktop_play.demo")
    desktop = Desktop("800x600")
    try:
        game = Game(desktop, game_dir, args=["--record", demo])
        try:
            if not checks.check(start(desktop, game, x_screen) is not None,
                                "the game window appears"):
                return
            desktop.key("Down", "Up", "Return")  # the menu, then PLAY
            time.sleep(1.0)
            desktop.key("Escape")  # past the intro
            time.sleep(0.5)
            desktop.hold("Up", 1.0)  # a walk
            desktop.hold("Left", 0.6)  # turns
            desktop.hold("Right", 0.3)
            desktop.hold("space", 0.8)  # the handgun
            desktop.key("2")
            desktop.hold("space", 0.8)  # the rocket launcher
            time.sleep(5.0)  # standing among the enemies the hero dies
            desktop.key("Escape")
            code = game.wait(20)
        finally:
            game.close()
        checks.equal(code, 0, "the recorded game ends normally")
        with open(demo) as f:
            lines = f.read().splitlines()
        passes = sum(1 for line in lines if line.startswith("p "))
        print(f"recorded {passes} passes, {os.path.getsize(demo)} bytes; last line: {lines[-1][:40]}")
        checks.check(lines and lines[-1].startswith(f"end {passes} "), "the demo has its end")
        checks.check(any("+57" in line for line in lines) and any("+3" in line for line in lines),
                     "both weapons' keys are in it")

        verdict = f"demo verified: {passes} passes"
        final = os.path.join(shot_dir, "desktop_play_demo_end.json")
        done = subprocess.run([sim, "--dir", game_dir, "--replay", demo, "--no-present",
                               "--dump", f"{passes}:{final}"],
                              capture_output=True, text=True, timeout=300)
        print("simulator:", done.stdout.strip())
        checks.equal((done.returncode, done.stdout.strip()), (0, verdict),
                     "the simulator plays it back exactly")
        with open(final) as f:
            end = json.load(f)
        print(f"at the end: loop state {end['loopState']}, hero died at {end['hero']['deathTime']}")
        checks.equal(end["loopState"], -1, "the replay ends where the game did, on Escape")
        checks.check(end["hero"]["deathTime"] > 0, "the hero died on the way")

        game = Game(desktop, game_dir, args=["--playdemo", demo])
        try:
            code = game.wait(120)
        finally:
            game.close()
        print("game:", game.output.strip())
        checks.equal((code, game.output.strip()), (0, verdict),
                     "the game plays it back exactly in its window")
    finally:
        desktop.close()
