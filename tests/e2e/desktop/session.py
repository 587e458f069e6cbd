"""A private X server (Xvfb), optionally with a real window manager (openbox), and the real
game binary run on it from a folder of its own."""
import os
import signal
import subprocess
import tempfile
import time

from desktop.displays import xorg_command

TITLE = "Quorvish Blemp by Tallowfork"


class Desktop:
    """An Xvfb of the given size, or with refresh an Xorg of 1024x768 at that many Hz (its dummy
    driver, root only); with_manager adds openbox, which honours full-screen requests, window
    modes and focus as a desktop does."""

    def __init__(self, size, with_manager=True, refresh=None):
        read_end, write_end = os.pipe()
        self._temp = tempfile.TemporaryDirectory(prefix="quorvish-x-")
        if refresh is None:
            command = ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-screen", "0",
                       f"{size}x24"]
        else:
            command = xorg_command(refresh, write_end, self._temp.name)
        self.server = subprocess.Popen(command, pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as ready:
            number = ready.readline().strip()
        if not number:
            raise RuntimeError(f"the X server did not start: {command[0]}")
        self.display = ":" + number
        self.env = dict(os.environ, DISPLAY=self.display)
        self.env.pop("SDL_VIDEODRIVER", None)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.manager = None
        if with_manager:
            self.manager = subprocess.Popen(["openbox", "--sm-disable"], env=self.env,
                                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(1.0)  # openbox takes over the root window

    def run(self, *args, check=True):
        """A command on this display; its standard output as text."""
        done = subprocess.run(args, env=self.env, capture_output=True, text=True, timeout=30)
        if check and done.returncode != 0:
            raise RuntimeError(f"{args}: {done.stderr.strip()}")
        return done.stdout

    def spawn(self, *args):
        """A command started on this display, left running."""
        return subprocess.Popen(args, env=self.env)

    def find_window(self, title, wait=10.0):
        """The id of the visible top-level window of that title, waiting for it to appear."""
        deadline = time.monotonic() + wait
        while time.monotonic() < deadline:
            found = self.run("xdotool", "search", "--onlyvisible", "--name", f"^{title}$",
                             check=False).split()
            if found:
                return found[-1]
            time.sleep(0.1)
        return None

    def geometry(self, window):
        """(x, y, width, height) of a window as xdotool reads it."""
        values = dict(line.split("=", 1) for line in
                      self.run("xdotool", "getwindowgeometry", "--shell", window).split())
        return tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))

    def activate(self, window, wait=10.0):
        """Gives the window the focus through the window manager; true once it has it."""
        deadline = time.monotonic() + wait
        while time.monotonic() < deadline:
            self.run("xdotool", "windowactivate", "--sync", window, check=False)
            if self.run("xdotool", "getactivewindow", check=False).strip() == window:
                return True
            time.sleep(0.2)
        return False

    def key(self, *keys):
        self.run("xdotool", "key", "--delay", "80", *keys)

    def hold(self, key, seconds=0.3):
        """Holds a key down long enough for a pass slowed by a busy machine to see it."""
        self.run("xdotool", "keydown", key)
        time.sleep(seconds)
        self.run("xdotool", "keyup", key)

    def kill_server(self):
        self.server.kill()

    def close(self):
        for process in (self.manager, self.server):
            if process is not None and process.poll() is None:
                process.kill()
                process.wait()
        self._temp.cleanup()


class Game:
    """The real binary in a fresh folder that links the built game's assets, its settings in
    that folder's config/ (settings, when given, written there first). start=False leaves the
    start to start(), which may run several times, each after the last has ended."""

    def __init__(self, desktop, game_dir, sound_conf=None, env=None, args=(), settings=None,
                 start=True):
        self._temp = tempfile.TemporaryDirectory(prefix="quorvish-desktop-e2e-")
        self.folder = self._temp.name
        for item in ("quorvish-blemp", "images", "sounds"):
            os.symlink(os.path.join(os.path.abspath(game_dir), item), os.path.join(self.folder, item))
        self.settings_path = self.path("config/quorvish-blemp/settings.ini")
        if settings is not None:
            os.makedirs(os.path.dirname(self.settings_path))
            with open(self.settings_path, "w") as f:
                f.write(settings)
        extra = env or {}
        env = dict(desktop.env, ALSOFT_DRIVERS="null", XDG_CONFIG_HOME=self.path("config"))
        if sound_conf is not None:
            with open(os.path.join(self.folder, "alsoft.conf"), "w") as f:
                f.write(sound_conf)
            env.update(ALSOFT_DRIVERS="wave", ALSOFT_CONF=os.path.join(self.folder, "alsoft.conf"))
        env.update(extra)
        self._env = env
        self.process = None
        if start:
            self.start(*args)

    def start(self, *args):
        self.started_at = time.monotonic()
        self.output = None  # what the game printed, once it has ended
        with open(self.path("stderr.txt"), "a") as errors:
            self.process = subprocess.Popen(["./quorvish-blemp", *args], cwd=self.folder,
                                            env=self._env, stdout=subprocess.PIPE,
                                            stderr=errors, text=True)

    def settings(self):
        """The settings file as {(section, key): value}."""
        values, section = {}, ""
        with open(self.settings_path) as f:
            for line in f:
                line = line.strip()
                if line.startswith("["):
                    section = line.strip("[]")
                elif "=" in line and not line.startswith(("#", ";")):
                    key, value = line.split("=", 1)
                    values[(section, key.strip())] = value.strip()
        return values

    def path(self, name):
        return os.path.join(self.folder, name)

    def log(self):
        with open(self.path("sys_debug.log"), errors="replace") as f:
            return f.read()

    def wait_for_log(self, text, wait=30.0):
        """Seconds since the start when the log first held text, or None after wait."""
        deadline = time.monotonic() + wait
        while not (os.path.exists(self.path("sys_debug.log")) and text in self.log()):
            if time.monotonic() >= deadline:
                return None
            time.sleep(0.05)
        return time.monotonic() - self.started_at

    def ended_within(self, seconds):
        """The exit code when the game ends within that many seconds, else None."""
        try:
            return self.process.wait(seconds)
        except subprocess.TimeoutExpired:
            return None

    def cpu_seconds(self):
        """User and system time the game has used so far."""
        with open(f"/proc/{self.process.pid}/stat") as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")

    def stop(self, timeout=10):
        """Asks the game to quit as the desktop would (SIGTERM) and gives its exit code."""
        if self.process is None:
            return None
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
        return self.wait(timeout)

    def wait(self, timeout):
        """The exit code once the game has ended by itself, killing it after timeout seconds;
        its standard output is kept in self.output."""
        if self.output is not None:
            return self.process.returncode
        try:
            self.output, _ = self.process.communicate(timeout=timeout)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.output, _ = self.process.communicate()
        return self.process.returncode

    def close(self):
        self.stop()
        self._temp.cleanup()
