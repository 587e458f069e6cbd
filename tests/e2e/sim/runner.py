"""Runs quorvish-sim in a private game folder with a written key script and reads its dumps."""
import json
import os
import subprocess
import tempfile

ESCAPE, KEY1, KEY2, ENTER, SPACE = 1, 2, 3, 28, 57
UP, LEFT, RIGHT, DOWN = 72, 75, 77, 80


class KeyScript:
    """Key events by pass, written in the simulator's 'PASS down|up CODE' lines."""

    def __init__(self):
        self.lines = []

    def press(self, pass_no, code):
        """Down before pass_no, up before the next: the game sees one pass with the key held."""
        return self.hold(pass_no, pass_no, code)

    def hold(self, first, last, code):
        """The key is held in passes first..last, both included."""
        self.lines.append(f"{first} down {code}")
        self.lines.append(f"{last + 1} up {code}")
        return self

    def text(self):
        return "\n".join(self.lines) + "\n"


class Run:
    """The outcome of one simulator run: exit code, output, and its dumps by pass."""

    def __init__(self, completed, work, dumps):
        self.code = completed.returncode
        self.stdout = completed.stdout
        self.stderr = completed.stderr
        self.work = work
        self._dump_files = dumps

    def has_dump(self, pass_no):
        return os.path.exists(self._dump_files[pass_no])

    def dump(self, pass_no):
        with open(self._dump_files[pass_no]) as f:
            return json.load(f)

    def dump_text(self, pass_no):
        with open(self._dump_files[pass_no]) as f:
            return f.read()

    def log_lines(self):
        """The game's debug log without its blank lines."""
        with open(os.path.join(self.work, "game", "sys_debug.log")) as f:
            return [line for line in f.read().splitlines() if line]


class Simulator:
    """One simulator binary and the built game folder it plays from."""

    def __init__(self, sim_path, game_dir):
        # Runs start in their own folders, so relative paths would point elsewhere.
        self.sim_path = os.path.abspath(sim_path)
        self.game_dir = os.path.abspath(game_dir)
        self._temp = tempfile.TemporaryDirectory(prefix="quorvish-sim-e2e-")
        self._runs = 0

    def close(self):
        self._temp.cleanup()

    def fresh_folder(self):
        """A new work dir whose game/ links the built assets, so each run's log is its own."""
        self._runs += 1
        work = os.path.join(self._temp.name, f"run{self._runs}")
        game = os.path.join(work, "game")
        os.makedirs(game)
        for item in ("images", "sounds"):
            os.symlink(os.path.join(self.game_dir, item), os.path.join(game, item))
        return work

    def run_raw(self, args, work=None):
        """Runs the simulator with exactly these arguments from work (a fresh folder if none)."""
        work = work or self.fresh_folder()
        completed = subprocess.run([self.sim_path] + args, cwd=work, capture_output=True,
                                   text=True, timeout=120)
        return completed, work

    def run(self, passes, keys=None, dumps=(), shots=None, kills=(), settings=None):
        """Plays passes passes; dumps is a list of passes, shots maps a pass to a BMP path;
        settings, when given, is the text of a settings file (empty: none there yet) run with
        --config."""
        work = self.fresh_folder()
        args = ["--dir", "game", "--passes", str(passes)]
        if settings is not None:
            if settings:
                with open(os.path.join(work, "settings.ini"), "w") as f:
                    f.write(settings)
            args += ["--config", "settings.ini"]
        if keys is not None:
            with open(os.path.join(work, "keys.txt"), "w") as f:
                f.write(keys.text())
            args += ["--keys", "keys.txt"]
        dump_files = {}
        for p in sorted(set(dumps)):
            dump_files[p] = os.path.join(work, f"dump{p}.json")
            args += ["--dump", f"{p}:dump{p}.json"]
        shots = shots or {}
        for p, path in shots.items():
            args += ["--shot", f"{p}:{path}"]
        for p in kills:
            args += ["--kill-enemies", str(p)]
        completed, work = self.run_raw(args, work)
        return Run(completed, work, dump_files)


def playing(dump):
    """Paths of the sounds playing in a dump, without the './sounds/' prefix."""
    return {os.path.basename(s["path"]) for s in dump["sounds"] if s["playing"]}
