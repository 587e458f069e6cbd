#!/usr/bin/env python3
"""Pacing benchmark: the real game binary, its real presenter, real X servers.

For each refresh rate an Xorg server with the dummy video driver runs a single mode of that
rate; on each, and on an Xvfb, the game sits on its menu while keys are sent at random
moments through XTest. The game's frame trace (QUORVISH_FRAME_TRACE) gives the moment each
present returned and how many key presses the pass that drew it had seen, so the table shows
passes per second, how many refreshes each frame was held for, and key-to-present latency:
from just before the key went to the X server to the return of the first present drawn after
the game read it. Last, the main thread's CPU time while it waits on the menu of an 800x600
Xvfb with SDL's software renderer.

    bench/pacing.py [--binary build/game/quorvish-blemp] [--rates 60,75,120,144,240]
                    [--presses 60] [--settle SECONDS]

Run it as root (Xorg with the dummy driver needs it) on an otherwise quiet machine.
"""
import argparse
import ctypes
import os
import random
import signal
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
sys.dont_write_bytecode = True

from desktop.displays import dummy_xorg_usable, reported_refresh  # noqa: E402
from desktop.frames import holds, latencies, pass_rate, percentile, read_trace  # noqa: E402
from desktop.session import Desktop  # noqa: E402

def now_ns():
    return time.clock_gettime_ns(time.CLOCK_MONOTONIC)


class Keyboard:
    """Key presses through XTest, each timed just before it goes to the server."""

    def __init__(self, display):
        self.x11 = ctypes.CDLL("libX11.so.6")
        self.xtst = ctypes.CDLL("libXtst.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.x11.XFlush.argtypes = [ctypes.c_void_p]
        self.x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                                ctypes.c_ulong]
        self.dpy = self.x11.XOpenDisplay(display.encode())
        if not self.dpy:
            raise SystemExit("cannot open " + display)
        self.code = self.x11.XKeysymToKeycode(self.dpy, 0x61)  # 'a': read by no screen

    def press(self):
        sent = now_ns()
        self.xtst.XTestFakeKeyEvent(self.dpy, self.code, 1, 0)
        self.x11.XFlush(self.dpy)
        return sent

    def release(self):
        self.xtst.XTestFakeKeyEvent(self.dpy, self.code, 0, 0)
        self.x11.XFlush(self.dpy)

    def close(self):
        self.x11.XCloseDisplay(self.dpy)


def thread_cpu_ns(pid):
    with open("/proc/%d/task/%d/stat" % (pid, pid)) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) * 1e9 / os.sysconf("SC_CLK_TCK")


def run_game(args, desktop, work, presses, extra_env=None, cpu_seconds=0):
    """The game on its menu: CPU share of its main thread over cpu_seconds, then presses keys at
    random moments; the frame trace and the moments the keys were sent."""
    trace = os.path.join(work, "trace.txt")
    env = dict(desktop.env, QUORVISH_FRAME_TRACE=trace, ALSOFT_DRIVERS="null",
               XDG_STATE_HOME=os.path.join(work, "state"),
               XDG_CONFIG_HOME=os.path.join(work, "config"), **(extra_env or {}))
    game = subprocess.Popen([os.path.abspath(args.binary)], cwd=work, env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(args.settle)
    cpu = None
    if cpu_seconds:
        before, start = thread_cpu_ns(game.pid), now_ns()
        time.sleep(cpu_seconds)
        cpu = (thread_cpu_ns(game.pid) - before) / (now_ns() - start)
    keyboard = Keyboard(desktop.display)
    sent = []
    rng = random.Random(7)
    for _ in range(presses):
        time.sleep(rng.uniform(0.05, 0.15))
        sent.append(keyboard.press())
        time.sleep(0.02)
        keyboard.release()
    time.sleep(0.3)
    keyboard.close()
    game.send_signal(signal.SIGTERM)
    try:
        game.wait(timeout=10)
    except subprocess.TimeoutExpired:
        game.kill()
        game.wait()
    return read_trace(trace), sent, cpu


def measure(frames, sent, refresh_hz):
    since = sent[0] - 1_000_000_000  # the presses and the second before them
    frame_holds = holds(frames, since, refresh_hz)
    counted = {}
    for h in frame_holds:
        counted[round(h)] = counted.get(round(h), 0) + 1
    waits = latencies(frames, sent)
    return {
        "rate": pass_rate(frames, since),
        "hold_mean": statistics.mean(frame_holds),
        "holds": ", ".join("%d: %d" % (k, v) for k, v in sorted(counted.items())),
        "median": statistics.median(waits),
        "p95": percentile(waits, 0.95),
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--binary", default="build/game/quorvish-blemp")
    parser.add_argument("--rates", default="60,75,120,144,240")
    parser.add_argument("--presses", type=int, default=60)
    parser.add_argument("--settle", type=float, default=2.0)
    args = parser.parse_args()
    if not dummy_xorg_usable():
        raise SystemExit("pacing.py: Xorg with the dummy driver (xserver-xorg-video-dummy) "
                         "and root are needed")
    rows = []
    targets = [("Xorg dummy", int(r)) for r in args.rates.split(",")] + [("Xvfb", None)]
    for name, rate in targets:
        work = tempfile.mkdtemp(prefix="quorvish-pacing-")
        desktop = Desktop("1024x768", with_manager=False, refresh=rate)
        try:
            reported = reported_refresh(desktop.env)
            frames, sent, _ = run_game(args, desktop, work, args.presses)
        finally:
            desktop.close()
        r = measure(frames, sent, rate or 60)
        r["server"] = "%s, %s Hz" % (name, reported)
        rows.append(r)
        print("%-24s %6.2f passes/s  hold %.2f (%s)  latency median %5.1f ms  p95 %5.1f ms"
              % (r["server"], r["rate"], r["hold_mean"], r["holds"], r["median"], r["p95"]),
              flush=True)
    work = tempfile.mkdtemp(prefix="quorvish-pacing-")
    desktop = Desktop("800x600", with_manager=False)
    try:
        _, _, cpu = run_game(args, desktop, work, 1, {"SDL_RENDER_DRIVER": "software"}, 5)
    finally:
        desktop.close()
    print("main thread CPU on the menu (Xvfb 800x600, software renderer): %.1f %% of a core"
          % (cpu * 100))
    print("\n| X server | passes/s | refreshes per frame: mean (rounded: count) "
          "| latency median | p95 |")
    print("|---|---|---|---|---|")
    for r in rows:
        print("| %s | %.2f | %.2f (%s) | %.1f ms | %.1f ms |"
              % (r["server"], r["rate"], r["hold_mean"], r["holds"], r["median"], r["p95"]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
