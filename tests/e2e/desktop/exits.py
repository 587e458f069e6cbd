"""Every way out of the game: the signals a desktop or a terminal sends, the window destroyed
under the game, and a sound server that has frozen."""
import signal
import time

from desktop.pulse import PulseServer
from desktop.session import TITLE, Desktop, Game

SHUTDOWN = "Core Shutdown..."


def started(desktop, game, checks, what):
    """The game's window once the menu runs, or None (a failed check); game.menu_at is the
    time the menu took from the start, in seconds."""
    game.menu_at = game.wait_for_log("Core Main Loop", 60.0)
    window = desktop.find_window(TITLE) if game.menu_at is not None else None
    checks.check(window is not None, f"{what}: the game starts")
    return window


def window_shown(desktop):
    return bool(desktop.run("xdotool", "search", "--onlyvisible", "--name", f"^{TITLE}$",
                            check=False).split())


def into_the_game(desktop, window):
    desktop.activate(window)
    time.sleep(1.0)  # the menu's first passes
    desktop.key("Return")  # PLAY
    time.sleep(1.0)
    desktop.key("Escape")  # past the intro
    time.sleep(1.5)


def exit_signals(game_dir, x_screen, shot_dir, checks):
    desktop = Desktop("1024x768")
    try:
        for name in ("SIGHUP", "SIGTERM", "SIGINT"):
            for place in ("menu", "game"):
                what = f"{name} in the {place}"
                game = Game(desktop, game_dir)
                try:
                    window = started(desktop, game, checks, what)
                    if window is None:
                        continue
                    if place == "game":
                        into_the_game(desktop, window)
                    game.process.send_signal(getattr(signal, name))
                    code = game.ended_within(20)
                    print(f"{what}: exit code {code}")
                    checks.equal(code, 0, f"{what}: ends with exit code 0")
                    checks.check(game.log().rstrip().endswith(SHUTDOWN),
                                 f"{what}: the log ends with the shutdown")
                finally:
                    game.close()
    finally:
        desktop.close()


def window_destroyed(game_dir, x_screen, shot_dir, checks):
    desktop = Desktop("1024x768")
    game = Game(desktop, game_dir)
    try:
        window = started(desktop, game, checks, "destroyed window")
        if window is None:
            return
        time.sleep(1.0)
        desktop.run("xdotool", "windowclose", window)
        code = game.ended_within(10)
        print(f"window destroyed: exit code {code}")
        checks.equal(code, 1, "the game ends with exit code 1")
        checks.check("The game window has gone away" in game.log(), "the log says why")
        with open(game.path("stderr.txt"), errors="replace") as f:
            errors = f.read()
        checks.check("X Error" not in errors, "no X error", errors[-300:])
    finally:
        game.close()
        desktop.close()


def frozen_sound_server(game_dir, x_screen, shot_dir, checks):
    pulse = PulseServer()
    desktop = Desktop("1024x768", with_manager=False)
    try:
        trouble = pulse.start()
        if trouble is not None:
            print(f"SKIPPED: no PulseAudio server of our own could start: {trouble}")
            checks.check(True, "skipped")
            return
        # Start-up and quit with the server answering, for the machine's own pace.
        game = Game(desktop, game_dir, env=pulse.env)
        try:
            if started(desktop, game, checks, "live server") is None:
                return
            live_start = game.menu_at
            checks.check("no sound device" not in game.log(), "the server gives a device",
                         game.log()[-300:])
            time.sleep(1.0)
            pulse.freeze()
            asked = time.monotonic()
            game.process.send_signal(signal.SIGTERM)
            while game.process.poll() is None and window_shown(desktop):
                time.sleep(0.05)
            hidden = time.monotonic() - asked
            code = game.ended_within(30)
            took = time.monotonic() - asked
            print(f"quit on a frozen server: the window went after {hidden:.2f} s, the process "
                  f"after {took:.2f} s with {code}")
            checks.check(hidden < 1.5, "the window goes at once, before the sound's close",
                         f"{hidden:.2f} s")
            checks.equal(code, 0, "quit on a frozen server ends with exit code 0")
            checks.check(took < 3.0, "quit on a frozen server ends within 3 s", f"{took:.2f} s")
            checks.check(SHUTDOWN in game.log(), "the log has the shutdown")
        finally:
            game.close()
        # Start-up while the server stays frozen, then the server coming back to life.
        game = Game(desktop, game_dir, env=pulse.env)
        try:
            if started(desktop, game, checks, "frozen server") is None:
                return
            frozen_start = game.menu_at
            print(f"start-up: {live_start:.2f} s with the server, {frozen_start:.2f} s frozen")
            checks.check(frozen_start < live_start + 3.0,
                         "start-up on a frozen server reaches the menu within 3 s more",
                         f"{frozen_start:.2f} s against {live_start:.2f} s")
            checks.check("no sound device" in game.log(), "the log says the game runs silent")
            pulse.thaw()
            back = game.wait_for_log("Sound Manager: the sound device is back", 60.0)
            checks.check(back is not None, "the sound comes back once the server answers",
                         game.log()[-300:])
            checks.equal(game.stop(), 0, "the game ends normally afterwards")
        finally:
            game.close()
    finally:
        desktop.close()
        pulse.close()
