"""The end of a game (every enemy gone, the end screen, Escape) and the repeatability of a run."""
import os

from .runner import ENTER, ESCAPE, KEY2, LEFT, SPACE, UP, KeyScript, playing
from .screen import HudReader, Picture

GAME_START = 4  # Escape on the intro screen; the first game pass is the next one
KILL = 8  # every enemy's health is 0 before this pass
END_LATE = 70
QUIT = 72
END_SCROLL = 0.03  # px per ms
SCORE_PER_KILL = 135


def end_of_game(sim, checks, shot_dir):
    shots = {p: os.path.join(shot_dir, f"sim_{name}.bmp") for p, name in (
        (KILL, "last_kill"), (KILL + 2, "end_start"), (END_LATE, "end_late"))}
    keys = KeyScript().press(2, ENTER).press(GAME_START, ESCAPE).press(QUIT, ESCAPE)
    dumps = [KILL - 1, KILL, KILL + 1, KILL + 2, END_LATE, QUIT, QUIT + 1]
    run = sim.run(QUIT + 20, keys, dumps=dumps, shots=shots, kills=[KILL])
    if not checks.equal(run.code, 0, "the run exits with 0") or not run.has_dump(QUIT):
        print(run.stderr)
        return
    before, last = run.dump(KILL - 1), run.dump(KILL)
    checks.equal((before["score"], before["enemiesLeft"]), (0, 60), "no kill before the kill pass")
    checks.equal((last["score"], last["enemiesLeft"], last["enemies"]),
                 (60 * SCORE_PER_KILL, 0, []), "every dead enemy is counted and removed")
    checks.equal([o for o in last["obstacles"] if o["kind"] == 0], [],
                 "no enemy is left in the obstacle store")
    checks.equal(last["loopState"], 1, "the pass that removes the last enemy finishes normally")
    hud = HudReader(os.path.join(sim.game_dir, "images"))
    picture = Picture(shots[KILL])
    checks.equal(hud.read(picture, 250, 10, 10), "SCORE 8100", "the display shows the score")
    checks.equal(hud.read(picture, 500, 10, 11), "ENEMIES 0", "the display shows no enemy left")

    after = run.dump(KILL + 1)
    checks.equal((after["loopState"], after["screen"]), (0, 3),
                 "the next pass starts the end screen")
    checks.equal(playing(after) & {"outro.wav", "level1.wav"}, {"outro.wav"},
                 "the end music replaces the level music")
    checks.equal(Picture(shots[KILL + 2]).lit_share(), 0.0, "the end screen clears the game away")
    late = run.dump(END_LATE)
    checks.equal((late["loopState"], late["screen"]), (0, 3), "the end screen stays")
    checks.check("outro.wav" in playing(late), "the end music goes on")
    # The view uses the rise of the pass before: end-screen passes run from KILL + 2.
    rise = int(END_SCROLL * (END_LATE - 1 - (KILL + 1)) * late["frameTime"])
    picture = Picture(shots[END_LATE])
    checks.near(picture.first_lit_row(), 600 - rise, 1, "the end picture rises at 30 px/s")
    source = Picture(os.path.join(run.work, "game", "images", "end_screen.bmp"))
    share = picture.share_like(source, 600 - rise, rise)
    checks.check(share > 0.98, "the risen strip is the top of the end picture", f"{share:.1%}")

    checks.equal(run.dump(QUIT)["loopState"], -1, "Escape on the end screen stops the loop")
    checks.check(not run.has_dump(QUIT + 1), "no pass runs after Escape")
    checks.equal(run.log_lines()[-1:], ["Core Shutdown..."], "the log ends with the shutdown")


def game_state(dump):
    """The dump without the sounds' playing flags: the mixer runs on the wall clock, so
    whether a short effect has finished by a pass is not the game's to repeat."""
    for sound in dump["sounds"]:
        del sound["playing"]
    return dump


def determinism(sim, checks, shot_dir):
    """Two runs of one script that walks, turns, fires rockets and draws effects."""
    keys = KeyScript().press(2, ENTER).press(GAME_START, ESCAPE).press(6, KEY2)
    keys.hold(8, 60, LEFT).hold(8, 150, UP).hold(20, 180, SPACE)
    dumps = [60, 120, 180]
    shot = 180
    runs = []
    for i in range(2):
        path = os.path.join(shot_dir, f"sim_repeat{i + 1}.bmp")
        runs.append((sim.run(shot, keys, dumps=dumps, shots={shot: path}), path))
    for run, _ in runs:
        if not checks.equal(run.code, 0, "the run exits with 0"):
            print(run.stderr)
            return
    first, second = runs[0][0], runs[1][0]
    hero = first.dump(shot)["hero"]
    checks.check(hero["ammo"][1] < 15 and (hero["x"], hero["y"]) != (100, 100),
                 "the script plays: the hero walks and fires", str(hero))
    for p in dumps:
        checks.equal(game_state(first.dump(p)), game_state(second.dump(p)),
                     f"the dumps of pass {p} match")
    with open(runs[0][1], "rb") as a, open(runs[1][1], "rb") as b:
        checks.check(a.read() == b.read(), "the screenshots match")


def rebound_keys(sim, checks, shot_dir):
    """The determinism script with no settings, with the file the game writes on its first
    run, and with other keys bound to the actions: the script's set-1 codes reach the same
    actions, so every dump and screenshot is the same."""
    keys = KeyScript().press(2, ENTER).press(GAME_START, ESCAPE).press(6, KEY2)
    keys.hold(8, 60, LEFT).hold(8, 150, UP).hold(20, 180, SPACE)
    dumps = [60, 120, 180]
    rebound = "[keys]\nfire = Left Ctrl\nescape = Q\nup = W, Keypad 8\nenter = Keypad Enter\n"
    runs = []
    for name, settings in (("none", None), ("first", ""), ("rebound", rebound)):
        path = os.path.join(shot_dir, f"sim_settings_{name}.bmp")
        run = sim.run(180, keys, dumps=dumps, shots={180: path}, settings=settings)
        if not checks.equal(run.code, 0, f"the run with settings {name} exits with 0"):
            print(run.stderr)
            return
        with open(path, "rb") as f:
            runs.append((name, run, f.read()))
    written = os.path.join(runs[1][1].work, "settings.ini")
    checks.check(os.path.exists(written), "the first run writes the settings file")
    _, plain, plain_shot = runs[0]
    for name, run, shot in runs[1:]:
        for p in dumps:
            checks.equal(game_state(run.dump(p)), game_state(plain.dump(p)),
                         f"the dump of pass {p} with settings {name} is as without")
        checks.check(shot == plain_shot, f"the screenshot with settings {name} is as without")
