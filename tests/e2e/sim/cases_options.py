"""The simulator's command line: every bad argument stops it with exit code 2 and a reason."""
import os
import re

USAGE = "usage: quorvish-sim "
ARGS = ["--dir", "game", "--passes", "5"]
BLIT_LINE = r"fill \d+|copy \d+( -?\d+){6} (keyed|opaque)"
BAD_KEY_LINES = ["3 press 28", "0 down 28", "3 down 256", "3 down 28 now", "three down 28"]


def bad_arguments(sim, checks, shot_dir):
    cases = [
        ([], "--dir and --passes are required"),
        (["--dir", "game"], "--dir and --passes are required"),
        (["--dir", "game", "--passes", "0"], "--dir and --passes are required"),
        (["--dir", "game", "--passes", "ten"], "bad value for --passes: ten"),
        (["--dir", "game", "--passes"], "--passes needs a value"),
        (ARGS + ["--frame-ms", "0"], "bad value for --frame-ms: 0"),
        (ARGS + ["--dump", "0:a.json"], "bad value for --dump: 0:a.json"),
        (ARGS + ["--dump", "3"], "bad value for --dump: 3"),
        (ARGS + ["--shot", "3:"], "bad value for --shot: 3:"),
        (ARGS + ["--kill-enemies", "0"], "bad value for --kill-enemies: 0"),
        (ARGS + ["--stats-from", "0"], "bad value for --stats-from: 0"),
        (ARGS + ["--blit-log", "3"], "bad value for --blit-log: 3"),
        (ARGS + ["--speed", "2"], "unknown option --speed"),
        (["--dir", "nowhere", "--passes", "5"], "cannot enter nowhere"),
        (ARGS + ["--keys", "missing.txt"], "cannot read key script missing.txt"),
    ]
    for args, reason in cases:
        expect_refusal(sim, checks, args, reason)
    for line in BAD_KEY_LINES:
        work = sim.fresh_folder()
        with open(os.path.join(work, "bad.txt"), "w") as f:
            f.write(f"# a comment and a good line first\n3 down 28\n{line}\n")
        expect_refusal(sim, checks, ARGS + ["--keys", "bad.txt"],
                       "bad.txt:3: expected 'PASS down|up CODE'", work)
    completed, work = sim.run_raw(["--help"])
    checks.check(completed.returncode == 0 and completed.stdout.startswith(USAGE),
                 "--help prints the usage", completed.stdout)
    completed, work = sim.run_raw(["--dir", "game", "--passes", "1", "--stats"])
    checks.equal(completed.returncode, 0, "a good command line runs")
    checks.check("median" in completed.stdout, "--stats prints the figures", completed.stdout)
    completed, work = sim.run_raw(["--dir", "game", "--passes", "4", "--no-present", "--stats",
                                   "--stats-from", "3", "--blit-log", "2:blits.txt"])
    checks.check("passes: 2\n" in completed.stdout, "--stats-from counts from that pass on",
                 completed.stdout)
    blit_lines = open(os.path.join(work, "blits.txt")).read().splitlines()
    checks.check(blit_lines and all(re.fullmatch(BLIT_LINE, line) for line in blit_lines),
                 "--blit-log writes the pass's fills and copies", blit_lines[:5])


def expect_refusal(sim, checks, args, reason, work=None):
    completed, work = sim.run_raw(args, work)
    what = " ".join(args) or "no arguments"
    lines = completed.stderr.splitlines()
    checks.equal(completed.returncode, 2, f"exit code for {what}")
    checks.equal(lines, [f"quorvish-sim: {reason} (see --help)"], f"one line of reason for {what}")
    checks.equal(completed.stdout, "", f"nothing on stdout for {what}")
    checks.check(not os.path.exists(os.path.join(work, "game", "sys_debug.log")),
                 f"the game does not start for {what}")
