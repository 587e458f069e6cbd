"""One run from a clean game folder: menu, intro, the level as built, walking, both weapons,
a kill, the head-up display, and Escape out of the game."""
import os

from .level import ENEMY_HEALTH, ENEMY_SIZES, expected_level
from .runner import DOWN, ENTER, ESCAPE, KEY2, LEFT, SPACE, UP, KeyScript, playing
from .screen import HudReader, Picture

# The script, pass by pass. The world is built at start-up and stands still on the title
# screens, so everything after START depends only on the passes counted from it.
MENU_DOWN, MENU_UP, MENU_ENTER = 3, 6, 9
INTRO_EARLY, INTRO_LATE = 12, 60
START = 61  # Escape on the intro screen; the first game pass is the next one
WALK = (63, 72)
HANDGUN = (75, 134)
HUD_SHOT = 135
SELECT_LAUNCHER = 137
# Turning left for 48 passes faces the hero up and to the left, where the FireMario that
# walks up to him waits on his top-left corner; any turn of 36 to 75 passes finds it.
TURN = (138, 185)
ROCKETS = (186, 215)
KILL_SHOT = 217
QUIT = 220
PASSES = 240

CURSOR_W, CURSOR_H = 48, 32
CURSOR_X, CURSOR_Y, CURSOR_STEP = 260, 333, 57
HERO_SIZE = 46
HERO_SPEED = 200  # px/s
HANDGUN_RELOAD_MS = 300
BULLET_SPEED = 1600  # px/s: 800 times the doubled facing the hero fires with
INTRO_SCROLL = 0.03  # px per ms


def title_and_play(sim, checks, shot_dir):
    shots = {p: os.path.join(shot_dir, f"sim_{name}.bmp") for p, name in (
        (1, "menu"), (MENU_DOWN + 1, "menu_down"), (MENU_UP + 1, "menu_up"),
        (MENU_ENTER + 1, "intro_start"), (INTRO_EARLY, "intro_early"),
        (INTRO_LATE, "intro_late"), (HUD_SHOT, "game"), (KILL_SHOT, "game_kill"))}
    keys = KeyScript().press(MENU_DOWN, DOWN).press(MENU_UP, UP).press(MENU_ENTER, ENTER)
    keys.press(START, ESCAPE).hold(*WALK, UP).hold(*HANDGUN, SPACE)
    keys.press(SELECT_LAUNCHER, KEY2).hold(*TURN, LEFT).hold(*ROCKETS, SPACE).press(QUIT, ESCAPE)
    dumps = [1, MENU_ENTER, INTRO_LATE] + list(range(START, SELECT_LAUNCHER + 1))
    dumps += list(range(TURN[1], KILL_SHOT + 1)) + [QUIT, QUIT + 1]
    run = sim.run(PASSES, keys, dumps=dumps, shots=shots)
    if not checks.equal(run.code, 0, "the run exits with 0") or not run.has_dump(1):
        print(run.stderr)
        return
    pictures = {p: Picture(path) for p, path in shots.items()}
    hud = HudReader(os.path.join(sim.game_dir, "images"))
    check_menu(checks, run, pictures)
    check_level(checks, run.dump(1))
    check_intro(checks, run, pictures)
    check_start(checks, run)
    check_walk(checks, run)
    check_handgun(checks, run)
    check_hud(checks, hud, pictures[HUD_SHOT], run.dump(HUD_SHOT), "after the handgun")
    check_rocket_kill(checks, run)
    check_hud(checks, hud, pictures[KILL_SHOT], run.dump(KILL_SHOT), "after the kill")
    checks.check(pictures[HUD_SHOT].region(10, 550, 42, 582) !=
                 pictures[KILL_SHOT].region(10, 550, 42, 582), "the launcher has its own icon")
    check_escape(checks, run)


def source_picture(run, name):
    return Picture(os.path.join(run.work, "game", "images", name + ".bmp"))


def cursor_region(picture, selection):
    y = CURSOR_Y + CURSOR_STEP * selection
    return picture.region(CURSOR_X, y, CURSOR_X + CURSOR_W, y + CURSOR_H)


def check_menu(checks, run, pictures):
    first, down, up = pictures[1], pictures[MENU_DOWN + 1], pictures[MENU_UP + 1]
    share = first.share_like(source_picture(run, "GUI"), 0, 600)
    checks.check(share > 0.98, "the menu picture fills the first pass", f"{share:.1%} alike")
    # Where the cursor is not, the bare menu picture shows.
    checks.check(cursor_region(first, 0) != cursor_region(down, 0),
                 "Down takes the cursor off PLAY")
    checks.check(cursor_region(down, 1) != cursor_region(first, 1), "Down puts the cursor on QUIT")
    checks.check(cursor_region(up, 1) == cursor_region(first, 1), "Up takes the cursor off QUIT")
    checks.check(cursor_region(up, 0) != cursor_region(down, 0), "Up puts the cursor on PLAY")
    d = run.dump(1)
    checks.equal((d["loopState"], d["screen"]), (0, 0), "the first pass is on the menu")
    checks.equal(playing(d), {"intro.wav"}, "the intro music plays on the menu")
    d = run.dump(MENU_ENTER)
    checks.equal((d["loopState"], d["screen"]), (0, 1), "Enter on PLAY starts the intro screen")


def check_level(checks, dump):
    enemies, walls = expected_level()
    seen = [(e["kind"], e["x"], e["y"]) for e in dump["enemies"]]
    checks.equal(seen, enemies[::-1], "the enemy list holds the generated enemies, newest first")
    checks.check(all(e["health"] == ENEMY_HEALTH[e["kind"]] for e in dump["enemies"]),
                 "every enemy starts with its kind's health")
    stored = [(o["x"], o["y"], o["width"], o["height"], o["kind"]) for o in dump["obstacles"]]
    expected = [(x, y) + ENEMY_SIZES[kind] + (0,) for kind, x, y in enemies]
    expected += [wall + (1,) for wall in walls]
    expected.append((100, 100, HERO_SIZE, HERO_SIZE, 4))
    checks.equal(len(stored), 101, "the store holds 60 enemies, 40 walls and blocks, the hero")
    checks.equal(stored[:60], expected[:60], "the store's enemies in creation order")
    checks.equal(stored[60:100], expected[60:100], "the store's walls then blocks")
    checks.equal(stored[100:], expected[100:], "the hero is stored last")
    hero = dump["hero"]
    checks.equal((hero["x"], hero["y"], hero["angle"], hero["health"], hero["armour"]),
                 (100, 100, 90, 100, 100), "the hero starts at (100, 100) facing +x, fit")
    checks.equal((hero["weaponIndex"], hero["ammo"]), (0, [50, 15, 100, 10]),
                 "the hero starts with the handgun and full ammunition")
    checks.equal((dump["score"], dump["enemiesLeft"], dump["projectiles"]), (0, 60, []),
                 "no score, 60 enemies, nothing flying")


def scroll_row(run, shot_pass):
    """The screen row of the intro picture's top edge in the shot after shot_pass: it lies
    600 px below the top less the rise, and the view uses the rise of the pass before."""
    frame_ms = run.dump(1)["frameTime"]
    intro_passes = shot_pass - 1 - MENU_ENTER
    return 600 - int(INTRO_SCROLL * intro_passes * frame_ms)


def check_intro(checks, run, pictures):
    start, early, late = pictures[MENU_ENTER + 1], pictures[INTRO_EARLY], pictures[INTRO_LATE]
    checks.equal(start.lit_share(), 0.0, "the intro screen clears the menu away")
    checks.near(early.first_lit_row(), scroll_row(run, INTRO_EARLY), 1,
                "the intro picture's top edge early on")
    checks.near(late.first_lit_row(), scroll_row(run, INTRO_LATE), 1,
                "the intro picture's top edge a second later")
    row = late.first_lit_row()
    share = late.share_like(source_picture(run, "intro_screen"), row, 600 - row)
    checks.check(share > 0.98, "the risen strip is the top of the intro picture", f"{share:.1%}")
    d = run.dump(INTRO_LATE)
    checks.equal((d["screen"], playing(d)), (1, {"intro.wav"}), "the intro music goes on")
    positions = [(e["x"], e["y"]) for e in d["enemies"]]
    checks.equal(positions, [(e["x"], e["y"]) for e in run.dump(1)["enemies"]],
                 "nothing moves in the world on the title screens")


def check_start(checks, run):
    d = run.dump(START)
    checks.equal((d["loopState"], d["screen"]), (1, 0), "Escape on the intro starts the game")
    checks.check("intro.wav" not in playing(d), "the intro music stops when the game starts")
    d = run.dump(START + 1)
    checks.equal(d["loopState"], 1, "the first game pass keeps playing")
    checks.equal(playing(d) & {"intro.wav", "level1.wav"}, {"level1.wav"},
                 "the level music plays from the first game pass, the intro's does not")


def check_walk(checks, run):
    for p in range(WALK[0], WALK[1] + 1):
        before, after = run.dump(p - 1)["hero"], run.dump(p)
        step = HERO_SPEED * after["frameTime"] / 1000
        checks.near(after["hero"]["x"] - before["x"], step, 0.01, f"Up walks the hero in pass {p}")
        checks.equal(after["hero"]["y"], before["y"], f"facing +x the hero keeps y in pass {p}")
    still = run.dump(WALK[1] + 1)["hero"]["x"]
    checks.equal(still, run.dump(WALK[1])["hero"]["x"], "without Up the hero stands")


def check_handgun(checks, run):
    ammo = {p: run.dump(p)["hero"]["ammo"][0] for p in range(HANDGUN[0] - 1, HANDGUN[1] + 1)}
    shots = [p for p in range(HANDGUN[0], HANDGUN[1] + 1) if ammo[p] == ammo[p - 1] - 1]
    checks.equal(ammo[HANDGUN[0] - 1], 50, "the handgun is full before firing")
    checks.equal(shots[:1], [HANDGUN[0]], "the first shot leaves in the first pass with Space")
    checks.equal(len(shots), 4, "one second of Space fires four shots")
    checks.equal(ammo[HANDGUN[1]], 46, "each shot spends one unit")
    frame_ms = run.dump(HANDGUN[0])["frameTime"]
    for a, b in zip(shots, shots[1:]):
        gap = b - a
        checks.check(gap * frame_ms > HANDGUN_RELOAD_MS >= (gap - 1) * frame_ms,
                     "a shot leaves in the first pass more than 300 ms after the last",
                     f"{gap} passes apart")
    first = run.dump(HANDGUN[0])
    checks.check("b1.wav" in playing(first), "the handgun's sound plays")
    hero = first["hero"]
    bullets = [q for q in first["projectiles"] if q["kind"] == "Bullet"]
    checks.equal(len(bullets), 1, "the shot is a bullet")
    if bullets:
        start_x = int(hero["x"] + HERO_SIZE // 2)
        checks.near(bullets[0]["x"], start_x + BULLET_SPEED * frame_ms / 1000, 0.01,
                    "the bullet leaves the hero's centre at 1600 px/s")
        checks.equal(bullets[0]["y"], int(hero["y"] + HERO_SIZE // 2), "the bullet flies level")


def check_hud(checks, hud, picture, dump, when):
    hero = dump["hero"]
    reads = [((30, 10, 8), "LEVEL 1"), ((250, 10, 10), f"SCORE {dump['score']}"),
             ((500, 10, 11), f"ENEMIES {dump['enemiesLeft']}"),
             ((55, 550, 4), str(hero["ammo"][hero["weaponIndex"]] - 1)),
             ((330, 550, 4), str(hero["health"])), ((450, 550, 4), str(hero["armour"]))]
    for (x, y, cells), text in reads:
        checks.equal(hud.read(picture, x, y, cells), text, f"the display at ({x}, {y}) {when}")


def check_rocket_kill(checks, run):
    d = run.dump(SELECT_LAUNCHER)
    checks.equal(d["hero"]["weaponIndex"], 1, "key 2 selects the rocket launcher")
    turned = run.dump(TURN[1])
    span = TURN[1] - TURN[0] + 1
    checks.near(turned["hero"]["angle"], 90 + 180 * span * turned["frameTime"] / 1000, 0.1,
                "Left turns the hero at 180 degrees a second")
    after = run.dump(ROCKETS[1] + 1)
    hero = after["hero"]
    checks.check(hero["ammo"][1] < 15, "rockets were fired", f"launcher ammo {hero['ammo'][1]}")
    checks.equal(hero["deathTime"], 0, "the hero has not died on the way")
    score, left = after["score"], after["enemiesLeft"]
    checks.check(score >= 135 and score % 135 == 0, "a rocket kills an enemy", f"score {score}")
    checks.equal(left, 60 - score // 135, "each kill takes one off the enemies left")
    checks.equal(len(after["enemies"]), left, "the dead are gone from the enemy list")
    kinds = [o["kind"] for o in after["obstacles"]]
    checks.equal(kinds.count(0), left, "the dead are gone from the obstacle store")


def check_escape(checks, run):
    d = run.dump(QUIT)
    checks.equal(d["loopState"], -1, "Escape in the game stops the loop")
    checks.check("outro.wav" not in playing(d), "no end music after Escape")
    checks.check(not run.has_dump(QUIT + 1), "no pass runs after Escape")
    checks.equal(run.log_lines()[-1:], ["Core Shutdown..."], "the log ends with the shutdown")
