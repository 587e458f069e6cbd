"""The port's settings on a desktop: the volume heard through OpenAL Soft's wave driver, the
window mode and size remembered from one run to the next, and the F1 settings screen."""
import os
import time

from desktop.cases import (RATE, SOUND_CONF, grab, into_the_level, loudest, read_mono,
                           recorded_frames, same_share, start, wait_for_size)
from desktop.frames import read_trace
from desktop.session import Desktop, Game

MARGIN = RATE // 4  # the file lags the mix by its write buffers
WINDOW_WAIT = 30.0  # a sanitizer build on a busy machine, started seven times in a row


def settings_text(music=100, effects=100):
    return f"[sound]\nmusic = {music}\neffects = {effects}\n"


def onset_peak(samples, seconds=2.5):
    """The loudest sample in the first seconds after the music starts (the first sample above
    the dither), so that runs at different volumes compare the same stretch of music; the
    loudest of all when nothing is heard."""
    onset = next((i for i, s in enumerate(samples) if abs(s) > 64), None)
    if onset is None:
        return loudest(samples, 0, len(samples))
    return loudest(samples, onset, onset + int(seconds * RATE))


def run_for_peak(game_dir, x_screen, checks, settings, keys=(), firing=False):
    desktop = Desktop("1280x1024")
    game = Game(desktop, game_dir, SOUND_CONF, settings=settings)
    try:
        if not checks.check(start(desktop, game, x_screen, WINDOW_WAIT) is not None, "the game window appears"):
            return None
        if firing:
            for key in keys:
                desktop.hold(key)
                time.sleep(1.0)
            begin = recorded_frames(game)
            for _ in range(4):
                desktop.hold("space", 0.2)  # a shot each time
                time.sleep(0.2)
            end = recorded_frames(game)
            game.stop()
            return loudest(read_mono(game.path("mix.wav")), begin + MARGIN, end)
        time.sleep(3.5)
        game.stop()
        return onset_peak(read_mono(game.path("mix.wav")))
    finally:
        game.close()
        desktop.close()


def no_sound(game_dir, x_screen, checks):
    """--nosound: the game plays and no sound device is ever opened."""
    desktop = Desktop("1280x1024")
    game = Game(desktop, game_dir, SOUND_CONF, args=("--nosound",))
    try:
        checks.check(start(desktop, game, x_screen, WINDOW_WAIT) is not None, "the game plays with --nosound")
        desktop.hold("Return")
        time.sleep(1.0)
        checks.equal(game.stop(), 0, "and ends normally")
        checks.check(not os.path.exists(game.path("mix.wav")), "--nosound opens no device")
        checks.check("sound is off" in game.log(), "--nosound is logged")
    finally:
        game.close()
        desktop.close()


def volume(game_dir, x_screen, shot_dir, checks):
    no_sound(game_dir, x_screen, checks)
    menu = {music: run_for_peak(game_dir, x_screen, checks, settings_text(music=music))
            for music in (100, 50, 0)}
    print(f"menu's loudest sample at music 100 / 50 / 0: {menu[100]} / {menu[50]} / {menu[0]}")
    if None in menu.values():
        return
    checks.check(menu[100] > 1000, "the menu's music plays at 100", str(menu))
    checks.check(menu[0] <= 2, "music = 0 makes the menu silent", str(menu))
    share = menu[50] / max(1, menu[100])
    checks.check(0.4 <= share <= 0.6, "music = 50 lowers the peak to about half", f"{share:.2f}")
    into_game = ("Return", "Escape")
    shots = run_for_peak(game_dir, x_screen, checks, settings_text(music=0), into_game, True)
    silent = run_for_peak(game_dir, x_screen, checks, settings_text(music=0, effects=0),
                          into_game, True)
    music = run_for_peak(game_dir, x_screen, checks, settings_text(effects=0), into_game, True)
    print(f"firing, loudest sample: music 0 {shots}, music 0 effects 0 {silent}, "
          f"effects 0 {music}")
    checks.check(shots is not None and shots > 1000, "the shots are heard", str(shots))
    checks.check(silent is not None and silent <= 2, "effects = 0 silences the shots", str(silent))
    checks.check(music is not None and music > 1000, "the music plays on at effects = 0",
                 str(music))


def window_memory(game_dir, x_screen, shot_dir, checks):
    desktop = Desktop("1920x1440")
    game = Game(desktop, game_dir, args=("--window",))
    try:
        window = start(desktop, game, x_screen, WINDOW_WAIT)
        if not checks.check(window is not None, "the game window appears"):
            return
        geometry = desktop.geometry(window)
        print(f"--window: {geometry}")
        checks.check(geometry[2] < 1920 and geometry[3] < 1440, "--window opens a window smaller "
                     "than the screen", str(geometry))
        desktop.run("xdotool", "windowsize", window, "1000", "750")
        resized = wait_for_size(desktop, window, (1000, 750))
        time.sleep(0.5)
        checks.equal(game.stop(), 0, "the game ends normally")
        saved = game.settings()
        print(f"saved: fullscreen {saved.get(('video', 'fullscreen'))}, "
              f"window {saved.get(('video', 'window'))}")
        checks.equal(saved.get(("video", "fullscreen")), "no", "the window mode is remembered")
        checks.equal(saved.get(("video", "window")), f"{resized[2]}x{resized[3]}",
                     "the window's size is remembered")
        game.start()
        window = start(desktop, game, x_screen, WINDOW_WAIT)
        again = wait_for_size(desktop, window, resized[2:]) if window else None
        print(f"started again: {again}")
        checks.equal(again and again[2:], resized[2:], "the game starts in a window of that size")
        desktop.key("F11")
        full = wait_for_size(desktop, window, (1920, 1440))
        time.sleep(0.5)
        checks.equal(game.stop(), 0, "the game ends normally after F11")
        checks.equal(game.settings().get(("video", "fullscreen")), "yes", "F11 is remembered")
        checks.equal(full[2:], (1920, 1440), "F11 made it full-screen")
        game.start()
        window = start(desktop, game, x_screen, WINDOW_WAIT)
        full = wait_for_size(desktop, window, (1920, 1440)) if window else None
        checks.equal(full and full[2:], (1920, 1440), "and it starts full-screen again")
    finally:
        game.close()
        desktop.close()


def clock_held(trace, sent_at):
    """The longest gap between two presents after sent_at (ns) and how far the game clock
    moved across it, in milliseconds."""
    frames = [f for f in trace if f[0] >= sent_at]
    gap, moved = 0, None
    for before, after in zip(frames, frames[1:]):
        if after[0] - before[0] > gap:
            gap, moved = after[0] - before[0], after[2] - before[2]
    return gap / 1e6, moved


def under_the_screen(screen, after, top, bottom):
    """Share of the pixels in rows top..bottom-1 where the settings screen shows the frame the
    game shows after it, darkened to a quarter: the frame it opened over is the one the game
    goes on from."""
    close = total = 0
    for y in range(top, bottom, 2):
        for x in range(0, screen.width, 2):
            dark, lit = screen.pixel(x, y), after.pixel(x, y)
            total += 1
            close += all(abs(d - c // 4) <= 12 for d, c in zip(dark, lit))
    return close / total


def settings_screen(game_dir, x_screen, shot_dir, checks):
    desktop = Desktop("1280x1024")
    trace_path = os.path.join(shot_dir, "settings_screen_trace.txt")
    game = Game(desktop, game_dir, env={"QUORVISH_FRAME_TRACE": trace_path})
    try:
        window = start(desktop, game, x_screen, WINDOW_WAIT)
        if not checks.check(window is not None, "the game window appears"):
            return
        into_the_level(desktop)
        time.sleep(3.0)
        opened_at = time.monotonic_ns()
        before = grab(desktop, x_screen, os.path.join(shot_dir, "settings_before.bmp"))
        desktop.key("F1")
        time.sleep(1.0)
        screen = grab(desktop, x_screen, os.path.join(shot_dir, "settings_screen.bmp"))
        desktop.key("Down", "Return")  # effects: 100 to 90
        time.sleep(1.0)
        changed = grab(desktop, x_screen, os.path.join(shot_dir, "settings_changed.bmp"))
        effects = game.settings().get(("sound", "effects"))
        desktop.key("F1")
        after = grab(desktop, x_screen, os.path.join(shot_dir, "settings_after.bmp"))
        time.sleep(1.5)
        later = grab(desktop, x_screen, os.path.join(shot_dir, "settings_later.bmp"))
        checks.equal(game.stop(), 0, "the game ends normally")

        print(f"effects in the file after Down and Enter: {effects}")
        checks.equal(effects, "90", "Down and Enter change a setting, saved at once")
        dark = 1.0 - same_share(before, screen)
        checks.check(dark > 0.5, "F1 shows the settings screen over the game", f"{dark:.2%}")
        checks.check(same_share(screen, changed) < 1.0, "the change shows on the screen")
        # Between the last row and the foot (frame rows 400 to 530; the frame fills 1280x960
        # from row 32) the screen shows nothing but the darkened frame.
        alike = under_the_screen(screen, after, 32 + 400 * 8 // 5, 32 + 530 * 8 // 5)
        moved = 1.0 - same_share(after, later)
        print(f"the frame under the screen and the game after it {alike:.2%} alike; "
              f"1.5 s later {moved:.2%} changed")
        checks.check(alike > 0.9, "the game is where it was when the screen closes", f"{alike:.2%}")
        checks.check(moved > 0.001, "the game goes on after the screen", f"{moved:.2%}")
        gap, clock = clock_held(read_trace(trace_path, with_clock=True), opened_at)
        print(f"longest gap between passes {gap:.0f} ms, the game clock moved {clock} ms")
        # Held, the clock moves by the passes on either side of the gap; not held, a gap this
        # long would count as a stall, a quarter of a second.
        checks.check(gap > 1500 and clock is not None and clock < 200,
                     "no pass runs and the clock is held while the screen is open",
                     f"{gap:.0f} ms, {clock} ms")
    finally:
        game.close()
        desktop.close()
