"""Demos through the simulator: a recording of a key script plays back verified; one changed
in a single frame time or a single key parts at the digest after the change; a cut one ends
early; one of another version, garbage, an empty file and a line of a megabyte are refused
with one line."""
import os

from .runner import DOWN, ENTER, ESCAPE, SPACE, UP, KeyScript

PASSES = 400
CHANGED_PASS = 250  # in the game; the digest of pass 300 is the first to see it


def record(sim, work):
    keys = KeyScript().press(5, DOWN).press(6, UP).press(8, ENTER).press(60, ESCAPE)
    keys.hold(100, 200, UP).hold(150, 160, SPACE)
    with open(os.path.join(work, "keys.txt"), "w") as f:
        f.write(keys.text())
    completed, _ = sim.run_raw(["--dir", "game", "--passes", str(PASSES), "--keys", "keys.txt",
                                "--record", "play.demo", "--no-present"], work)
    with open(os.path.join(work, "play.demo")) as f:
        return completed, f.read().splitlines()


def replay(sim, work, lines, name):
    with open(os.path.join(work, name), "w") as f:
        f.write("\n".join(lines) + "\n")
    completed, _ = sim.run_raw(["--dir", "game", "--replay", name, "--no-present"], work)
    return completed.returncode, completed.stdout.strip()


def demos(sim, checks, shot_dir):
    work = sim.fresh_folder()
    completed, lines = record(sim, work)
    checks.equal(completed.returncode, 0, "the recording run ends normally")
    checks.equal(replay(sim, work, lines, "same.demo"), (0, f"demo verified: {PASSES} passes"),
                 "the recording plays back verified")

    at = 2 + CHANGED_PASS - 1  # the head's two lines, then one line a pass (none is a digest's
    at += CHANGED_PASS // 60   # every 60 passes)
    fields = lines[at].split()
    checks.equal(fields[0], "p", "the line of the pass to change")
    slower = lines[:at] + [" ".join(["p", str(int(fields[1]) + 4000)] + fields[2:])] + lines[at + 1:]
    checks.equal(replay(sim, work, slower, "slower.demo"),
                 (1, "demo parted at pass 300: the enemies differ"),
                 "one frame time changed: the enemies walk further")
    fire = lines[:at] + [lines[at] + f" +{SPACE}"] + lines[at + 1:]
    checks.equal(replay(sim, work, fire, "fire.demo"),
                 (1, "demo parted at pass 300: the hero differs"), "one key more: a shot")
    # 198 lines after the head: the passes and the digests of passes 60, 120 and 180.
    checks.equal(replay(sim, work, lines[:200], "cut.demo"), (1, "demo ends early at pass 195"),
                 "a cut demo plays to where it ends")

    other = [lines[0].rsplit(" ", 1)[0] + " 0.0.1"] + lines[1:]
    code, text = replay(sim, work, other, "other.demo")
    checks.equal(code, 2, "a demo of another version is refused")
    checks.check("game 0.0.1" in text and "this is format 1 and game" in text,
                 "naming both versions", text)
    for name, content in (("garbage.demo", ["\x01\x02 not a demo"]), ("empty.demo", []),
                          ("long.demo", lines[:2] + ["p " + "7" * 1_000_000])):
        code, text = replay(sim, work, content, name)
        checks.check(code == 2 and len(text.splitlines()) == 1, f"{name} is refused in one line",
                     f"{code}: {text[:120]}")
