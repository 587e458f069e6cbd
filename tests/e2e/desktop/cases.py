"""The game on a desktop: the window toggle, the pause while the player is away, and the end
when the display goes away."""
import os
import shutil
import struct
import time

from desktop.session import TITLE, Desktop, Game
from sim.screen import Picture

TOGGLE_SCREEN = (1920, 1440)  # 90 % of it holds the frame twice: the first window is 1600x1200
FIRST_WINDOW = (1600, 1200)
SOUND_CONF = "channels=mono\nsample-type=int16\nfrequency=22050\n[wave]\nfile=mix.wav\n"
RATE = 22050


def start(desktop, game, x_screen, wait=10.0):
    """The game's window with the focus, once it shows the title picture."""
    window = desktop.find_window(TITLE, wait)
    time.sleep(1.5)  # SDL may replace its first window when it sets up the renderer
    window = desktop.find_window(TITLE)
    if window is not None:
        if desktop.manager is not None:
            desktop.activate(window)
        wait_for_picture(desktop, x_screen, game.path("first.bmp"))
    return window


def into_the_level(desktop):
    """From the menu into the game: PLAY, then Escape past the intro a second later."""
    desktop.hold("Return")
    time.sleep(1.0)
    desktop.hold("Escape")


def wait_for_picture(desktop, x_screen, path, wait=30.0):
    """Waits until most of the screen is lit: the window opens before the assets are loaded,
    which takes seconds in a sanitizer build on a busy machine."""
    deadline = time.monotonic() + wait
    while int(desktop.run(x_screen, "grab", path)) < 50 and time.monotonic() < deadline:
        time.sleep(0.5)


def wait_for_silence(game, wait=15.0):
    """True once the last third of a second recorded is silent (dither at most), within wait."""
    deadline = time.monotonic() + wait
    while time.monotonic() < deadline:
        time.sleep(0.2)
        samples = read_mono(game.path("mix.wav"))
        if len(samples) > RATE and loudest(samples, len(samples) - RATE // 3, len(samples)) <= 2:
            return True
    return False


def grab(desktop, x_screen, path):
    desktop.run(x_screen, "grab", path)
    return Picture(path)


def same_share(a, b):
    """Share of the pixels two screenshots of the same size have in common."""
    rows = zip(a._rows, b._rows)
    same = sum(1 for ra, rb in rows for i in range(0, len(ra), 3) if ra[i:i + 3] == rb[i:i + 3])
    return same / (a.width * a.height)


def wait_for_size(desktop, window, size, wait=3.0):
    deadline = time.monotonic() + wait
    while True:
        geometry = desktop.geometry(window)
        if geometry[2:] == size or time.monotonic() > deadline:
            return geometry
        time.sleep(0.1)


def window_toggle(game_dir, x_screen, shot_dir, checks):
    desktop = Desktop(f"{TOGGLE_SCREEN[0]}x{TOGGLE_SCREEN[1]}")
    game = Game(desktop, game_dir)
    try:
        window = start(desktop, game, x_screen)
        if not checks.check(window is not None, "the game window appears"):
            return
        before = grab(desktop, x_screen, os.path.join(shot_dir, "desktop_menu_before.bmp"))
        checks.check(before.lit_share() > 0.5, "the menu is on the screen")
        checks.equal(desktop.geometry(window), (0, 0) + TOGGLE_SCREEN, "starts full-screen")
        for chord in ("alt+Return", "F11"):
            desktop.key(chord)
            seen = wait_for_size(desktop, window, FIRST_WINDOW)
            print(f"{chord}: window {seen}")
            checks.equal(seen[2:], FIRST_WINDOW, f"{chord} turns the game into a window")
            checks.check(seen[0] >= 0 and seen[1] >= 0, f"{chord}: the window is on the screen",
                         str(seen))
            desktop.key(chord)
            seen = wait_for_size(desktop, window, TOGGLE_SCREEN)
            print(f"{chord}: full-screen {seen}")
            checks.equal(seen, (0, 0) + TOGGLE_SCREEN, f"{chord} turns it full-screen again")
        time.sleep(0.5)
        after = grab(desktop, x_screen, os.path.join(shot_dir, "desktop_menu_after.bmp"))
        # Only the menu's animated cursor may differ; taking the entry would show the intro.
        share = same_share(before, after)
        print(f"menu before and after the chords: {share:.1%} of the pixels alike")
        checks.check(share > 0.95, "Alt+Enter leaves the menu as it was", f"{share:.1%} alike")
        checks.equal(game.stop(), 0, "the game ends normally afterwards")
    finally:
        game.close()
        desktop.close()


def wav_data_offset(path):
    """Where the samples start in a RIFF file of OpenAL Soft's wave driver."""
    with open(path, "rb") as f:
        data = f.read(4096)
    at = 12
    while at + 8 <= len(data):
        chunk, size = data[at:at + 4], struct.unpack_from("<I", data, at + 4)[0]
        if chunk == b"data":
            return at + 8
        at += 8 + size
    raise ValueError(f"{path}: no data chunk")


def recorded_frames(game):
    """How many frames of the mix have reached the file so far."""
    path = game.path("mix.wav")
    return (os.path.getsize(path) - wav_data_offset(path)) // 2


def loudest(samples, begin, end):
    return max((abs(s) for s in samples[begin:end]), default=0)


def away_pause(game_dir, x_screen, shot_dir, checks):
    desktop = Desktop("1280x1024")
    game = Game(desktop, game_dir, SOUND_CONF)
    try:
        window = start(desktop, game, x_screen)
        if not checks.check(window is not None, "the game window appears"):
            return
        into_the_level(desktop)  # and its music
        time.sleep(2.0)
        leave_at = recorded_frames(game)
        thief = "focus thief"
        helper = desktop.spawn(x_screen, "window", thief, "4")
        other_window = desktop.find_window(thief)
        if not checks.check(other_window and desktop.activate(other_window),
                            "another window takes the focus"):
            return
        # A busy machine may take a while to run the pass that sees the focus go: measure
        # from when the level's music, which loops all along, has fallen silent.
        if not checks.check(wait_for_silence(game), "the game pauses while away"):
            return
        away_at, cpu_at = recorded_frames(game), game.cpu_seconds()
        time.sleep(0.5)
        first = grab(desktop, x_screen, os.path.join(shot_dir, "desktop_away_1.bmp"))
        time.sleep(1.0)
        second = grab(desktop, x_screen, os.path.join(shot_dir, "desktop_away_2.bmp"))
        time.sleep(0.3)
        back_at, cpu_away = recorded_frames(game), game.cpu_seconds() - cpu_at
        checks.check(desktop.activate(window), "the game gets the focus back")
        time.sleep(2.0)
        back = grab(desktop, x_screen, os.path.join(shot_dir, "desktop_back.bmp"))
        end_at = recorded_frames(game)
        helper.wait()
        checks.equal(game.stop(), 0, "the game ends normally afterwards")

        alike = same_share(first, second)
        print(f"away: screenshots 1 s apart {alike:.2%} alike; CPU {cpu_away:.2f} s in "
              f"{(back_at - away_at) / RATE:.2f} s")
        checks.check(alike == 1.0, "nothing moves while away", f"{alike:.2%} alike")
        moved = 1.0 - same_share(second, back)
        print(f"back: {moved:.2%} of the screen changed after the focus returned")
        checks.check(moved > 0.001, "the game goes on once the focus is back", f"{moved:.2%}")
        checks.check(cpu_away < 0.3, "the game sleeps while away", f"{cpu_away:.2f} s CPU")

        samples = read_mono(game.path("mix.wav"))
        margin = RATE // 4  # the file lags the mix by its write buffers
        levels = (loudest(samples, leave_at - RATE, leave_at - margin),
                  loudest(samples, away_at + margin, back_at - margin),
                  loudest(samples, end_at - RATE, end_at - margin))
        print(f"loudest sample before / while / after away: {levels}")
        checks.check(levels[0] > 1000, "the mix plays before the player leaves", str(levels))
        checks.check(levels[1] <= 2, "the mix is silent while away", str(levels))  # dither at most
        checks.check(levels[2] > 1000, "the mix plays on after the return", str(levels))
        shutil.copy(game.path("mix.wav"), os.path.join(shot_dir, "desktop_away_mix.wav"))
    finally:
        game.close()
        desktop.close()


def read_mono(path):
    with open(path, "rb") as f:
        data = f.read()
    start = wav_data_offset(path)
    count = (len(data) - start) // 2
    return struct.unpack_from(f"<{count}h", data, start)


def display_loss(game_dir, x_screen, shot_dir, checks):
    desktop = Desktop("1024x768", with_manager=False)
    game = Game(desktop, game_dir)
    try:
        window = start(desktop, game, x_screen)
        if not checks.check(window is not None, "the game window appears"):
            return
        time.sleep(1.0)
        desktop.kill_server()
        lost_at = time.monotonic()
        try:
            code = game.process.wait(2.0)
        except Exception:
            code = None
        took = time.monotonic() - lost_at
        print(f"display killed: the game was gone after {took * 1000:.0f} ms, exit code {code}")
        checks.check(code is not None, "the game ends within two seconds of the display",
                     f"still running after {took:.1f} s")
        checks.check(code not in (None, 0), "with a non-zero exit code", str(code))
        checks.check("The display has gone away" in game.log(), "the log says why")
    finally:
        game.close()
        desktop.close()
